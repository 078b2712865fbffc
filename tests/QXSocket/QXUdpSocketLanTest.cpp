// Discovery over real multicast, inside the private network of scripts/in-test-lan.
#include "EventLoop.h"
#include "FakeFanSsdp.h"
#include "TestNetworks.h"
#include "QXUdpSocket.h"
#include "QXUserDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include <arpa/inet.h>
#include <net/route.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {

using orvane::test::FakeFanSsdp;
using orvane::test::spinFor;
using orvane::test::waitUntil;

const QString group = QStringLiteral("239.255.255.250");

QXSearchResult device(const char *name, const char *ip)
{
    return {QString::fromUtf8(name), QString::fromUtf8(ip)};
}

// What one search reported, filled from the discovery thread and the completion's thread.
struct SearchProbe
{
    QMutex mutex;
    QXSearchResults streamed;
    QList<QXSearchResults> completions;
    QList<QXUdpSocket::Outcome> outcomes;
    QThread *completionThread = nullptr;

    QXUdpSocket::StreamHandler streamHandler()
    {
        return [this](const QXSearchResult &result) {
            QMutexLocker lock(&mutex);
            streamed.append(result);
        };
    }
    QXUdpSocket::Completion completion()
    {
        return [this](const QXSearchResults &results, QXUdpSocket::Outcome outcome) {
            QMutexLocker lock(&mutex);
            completions.append(results);
            outcomes.append(outcome);
            completionThread = QThread::currentThread();
        };
    }
    qsizetype completionCount()
    {
        QMutexLocker lock(&mutex);
        return completions.size();
    }
    qsizetype streamedCount()
    {
        QMutexLocker lock(&mutex);
        return streamed.size();
    }
};

// Three fans on three networks: one announcing two devices (out of name order), one
// answering twice with a changed address, one naming the search target with a blank.
class DiscoveryLan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        first = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.2.10")));
        first->setAnswers({FakeFanSsdp::answer(QStringLiteral("192.168.2.10"), QStringLiteral("Zeta_kvi_01")),
                           FakeFanSsdp::answer(QStringLiteral("192.168.2.11"), QStringLiteral("Alpha_kvi_02"))});
        twice = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.1.20")));
        twice->setAnswers({FakeFanSsdp::answer(QStringLiteral("192.168.1.20"), QStringLiteral("Mid_kvd_03")),
                           FakeFanSsdp::answer(QStringLiteral("192.168.1.99"), QStringLiteral("Mid_kvd_03"))});
        wrongTarget = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.0.30")));
        wrongTarget->setAnswers({FakeFanSsdp::answer(QStringLiteral("192.168.0.30"), QStringLiteral("Beta_kvk_04"),
                                                     QStringLiteral("ST: ssdp:orvane_client"))});
        ASSERT_TRUE(first->start());
        ASSERT_TRUE(twice->start());
        ASSERT_TRUE(wrongTarget->start());
    }

    const QXSearchResults expected{device("Alpha_kvi_02", "192.168.2.11"), device("Mid_kvd_03", "192.168.1.20"),
                                   device("Zeta_kvi_01", "192.168.2.10")};
    std::unique_ptr<FakeFanSsdp> first;
    std::unique_ptr<FakeFanSsdp> twice;
    std::unique_ptr<FakeFanSsdp> wrongTarget;
};

TEST_F(DiscoveryLan, TimedSearchReportsSortedResultsOnceOnTheGuiThreadAndStoresThem)
{
    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe probe;
    QElapsedTimer clock;
    clock.start();
    socket.continuesSearchWithDuration(0.8, probe.streamHandler(), probe.completion());
    ASSERT_TRUE(waitUntil([&] { return probe.completionCount() == 1; }));
    EXPECT_GE(clock.elapsed(), 800) << "a search never ends before its duration";
    spinFor(200);

    EXPECT_EQ(probe.completionCount(), 1);
    EXPECT_EQ(probe.completions.first(), expected);
    EXPECT_EQ(probe.completionThread, QCoreApplication::instance()->thread());
    // Arrival order: the first fan's two devices as it sent them.
    ASSERT_EQ(probe.streamed.size(), 3);
    EXPECT_LT(probe.streamed.indexOf(device("Zeta_kvi_01", "192.168.2.10")),
              probe.streamed.indexOf(device("Alpha_kvi_02", "192.168.2.11")));
    EXPECT_EQ(socket.results(), expected);
    EXPECT_EQ(socket.status(), QXUdpSocket::Status::Ready);

    EXPECT_EQ(first->searches(), QList<QByteArray>{QXUdpSocket::searchRequest(group, 1901)});
    const QVariantList stored = QXUserDefaults::standardUserDefaults().arrayForKey(QStringLiteral("search_device_list"));
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored.first().toMap().value(QStringLiteral("name")).toString(), QStringLiteral("Alpha_kvi_02"));
    EXPECT_EQ(stored.first().toMap().value(QStringLiteral("ip")).toString(), QStringLiteral("192.168.2.11"));

    // A new run, before any search, starts from what this one stored.
    QXUdpSocket nextRun(group, 1901, 1900);
    EXPECT_EQ(nextRun.results(), expected);
}

TEST_F(DiscoveryLan, SearchDuringASearchGetsAnEmptyListAtOnceAndTheFirstGoesOn)
{
    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe running;
    SearchProbe refused;
    const QXUdpSocket::SearchId runningSearch = socket.searchDevicesWithDuration(0.5, running.completion());
    EXPECT_EQ(socket.searchDevicesWithDuration(0.5, refused.completion()), QXUdpSocket::noSearch);
    ASSERT_EQ(refused.completionCount(), 1);
    EXPECT_TRUE(refused.completions.first().isEmpty());
    EXPECT_EQ(refused.outcomes.first(), QXUdpSocket::Outcome::Refused);
    EXPECT_EQ(refused.completionThread, QThread::currentThread());
    // Only the search's own caller ends it early.
    socket.stopSearch(QXUdpSocket::noSearch);
    socket.stopSearch(runningSearch + 1);
    EXPECT_EQ(socket.status(), QXUdpSocket::Status::Searching);

    ASSERT_TRUE(waitUntil([&] { return running.completionCount() == 1; }));
    EXPECT_EQ(running.completions.first(), expected);
    EXPECT_EQ(first->searches().size(), 1);
}

TEST_F(DiscoveryLan, OpenEndedSearchRunsUntilStoppedAndReportsOnTheStoppingThread)
{
    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe probe;
    socket.continuesSearchWithDuration(std::numeric_limits<double>::max(), probe.streamHandler(), probe.completion());
    ASSERT_TRUE(waitUntil([&] { return probe.streamedCount() == 3; }));
    spinFor(200);
    EXPECT_EQ(probe.completionCount(), 0);
    EXPECT_EQ(socket.status(), QXUdpSocket::Status::Searching);

    socket.stopSearch();
    ASSERT_EQ(probe.completionCount(), 1);
    EXPECT_EQ(probe.completions.first(), expected);
    EXPECT_EQ(probe.completionThread, QThread::currentThread());
    socket.stopSearch();
    EXPECT_EQ(probe.completionCount(), 1);
}

TEST_F(DiscoveryLan, SearchStoppedBeforeItsRequestLeftReportsNothingOld)
{
    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe earlier;
    socket.searchDevicesWithDuration(0.3, earlier.completion());
    ASSERT_TRUE(waitUntil([&] { return earlier.completionCount() == 1; }));

    // With the fans gone nothing fresh can answer, so whatever the stopped search reports is old.
    first.reset();
    twice.reset();
    wrongTarget.reset();
    SearchProbe stopped;
    socket.searchDevicesWithDuration(5.0, stopped.completion());
    socket.stopSearch();
    ASSERT_EQ(stopped.completionCount(), 1);
    EXPECT_TRUE(stopped.completions.first().isEmpty());

    SetUp();
    SearchProbe next;
    socket.searchDevicesWithDuration(0.5, next.completion());
    ASSERT_TRUE(waitUntil([&] { return next.completionCount() == 1; }));
    EXPECT_EQ(next.completions.first(), expected);
}

// Changes the namespace's multicast route (224.0.0.0/4 on lo); the route is back in place at the
// end. Done with the routing ioctl rather than the ip tool, so no process is forked.
class MulticastRoute
{
public:
    ~MulticastRoute() { set(true); }
    static bool set(bool present)
    {
        rtentry route{};
        auto *destination = reinterpret_cast<sockaddr_in *>(&route.rt_dst);
        destination->sin_family = AF_INET;
        inet_pton(AF_INET, "224.0.0.0", &destination->sin_addr);
        auto *mask = reinterpret_cast<sockaddr_in *>(&route.rt_genmask);
        mask->sin_family = AF_INET;
        inet_pton(AF_INET, "240.0.0.0", &mask->sin_addr);
        route.rt_flags = RTF_UP;
        char device[] = "lo";
        route.rt_dev = device;
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        const int result = ::ioctl(fd, present ? SIOCADDRT : SIOCDELRT, &route);
        const int error = errno;
        ::close(fd);
        return result == 0 || (present && error == EEXIST);
    }
};

TEST_F(DiscoveryLan, AComputerOnNoNetworkThatCanMulticastFailsUntilItIsOnOne)
{
    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe failed;
    ASSERT_TRUE(orvane::test::ip(QStringLiteral("link set lo multicast off")));
    socket.searchDevicesWithDuration(0.5, failed.completion());
    const bool ended = waitUntil([&] { return failed.completionCount() == 1; });
    ASSERT_TRUE(orvane::test::ip(QStringLiteral("link set lo multicast on")));
    ASSERT_TRUE(ended);
    EXPECT_TRUE(failed.completions.first().isEmpty());
    EXPECT_EQ(failed.outcomes.first(), QXUdpSocket::Outcome::Failed);
    EXPECT_EQ(socket.status(), QXUdpSocket::Status::BindFailed);
    EXPECT_TRUE(first->searches().isEmpty());

    SearchProbe retried;
    socket.searchDevicesWithDuration(0.5, retried.completion());
    ASSERT_TRUE(waitUntil([&] { return retried.completionCount() == 1; }));
    EXPECT_EQ(retried.completions.first(), expected);
    EXPECT_EQ(retried.outcomes.first(), QXUdpSocket::Outcome::Ran);
}

// A computer on two networks, each beyond a veth link in a namespace of its own: the house's
// wired LAN, which holds the default route, and the fans' Wi-Fi router, whose default route
// comes second. The group is reached as on a real computer, without the test network's own
// multicast route. One fan is on the Wi-Fi only; another is on both networks and answers on each.
TEST(TwoNetworks, TheSearchGoesOutOnEveryNetworkAndListsEachFanOnce)
{
    using orvane::test::NetworkNamespace;
    using orvane::test::VethLink;
    const NetworkNamespace house;
    const NetworkNamespace router;
    const VethLink wired(QStringLiteral("eth0"), QStringLiteral("10.20.0.2/24"), house, QStringLiteral("lan"),
                         QStringLiteral("10.20.0.1/24"));
    const VethLink wireless(QStringLiteral("wlan0"), QStringLiteral("10.30.0.2/24"), router, QStringLiteral("wifi"),
                            QStringLiteral("10.30.0.1/24"));
    ASSERT_TRUE(wired.isUp() && wireless.isUp());
    ASSERT_TRUE(orvane::test::ip(QStringLiteral("route add default via 10.20.0.1 metric 100")));
    ASSERT_TRUE(orvane::test::ip(QStringLiteral("route add default via 10.30.0.1 metric 600")));
    const MulticastRoute restore;
    ASSERT_TRUE(MulticastRoute::set(false));

    FakeFanSsdp houseSide{QHostAddress(QStringLiteral("10.20.0.1"))};
    houseSide.placeOn(house, QStringLiteral("lan"));
    houseSide.setAnswers({FakeFanSsdp::answer(QStringLiteral("10.20.0.7"), QStringLiteral("Both_kvi_02"))});
    FakeFanSsdp wifiSide{QHostAddress(QStringLiteral("10.30.0.1"))};
    wifiSide.placeOn(router, QStringLiteral("wifi"));
    wifiSide.setAnswers({FakeFanSsdp::answer(QStringLiteral("10.30.0.1"), QStringLiteral("Wifi_kvi_01")),
                         FakeFanSsdp::answer(QStringLiteral("10.30.0.7"), QStringLiteral("Both_kvi_02"))});
    ASSERT_TRUE(houseSide.start());
    ASSERT_TRUE(wifiSide.start());

    QXUdpSocket socket(group, 1901, 1900);
    SearchProbe probe;
    socket.continuesSearchWithDuration(0.8, probe.streamHandler(), probe.completion());
    ASSERT_TRUE(waitUntil([&] { return probe.completionCount() == 1; }));

    // The same request, once on each network.
    const QList<QByteArray> request{QXUdpSocket::searchRequest(group, 1901)};
    EXPECT_EQ(houseSide.searches(), request);
    EXPECT_EQ(wifiSide.searches(), request);
    const QXSearchResults found = probe.completions.first();
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found.at(0).name, QStringLiteral("Both_kvi_02"));
    EXPECT_TRUE(found.at(0).ip == QStringLiteral("10.20.0.7") || found.at(0).ip == QStringLiteral("10.30.0.7"));
    EXPECT_EQ(found.at(1), device("Wifi_kvi_01", "10.30.0.1"));
    EXPECT_EQ(probe.streamed.size(), 2);
}

} // namespace
