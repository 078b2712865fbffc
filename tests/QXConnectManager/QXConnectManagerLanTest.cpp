// The road of a connection to a fan on a router network, as the connection and play-list
// screens drive it: search, pick the fan, give the current record its address and password,
// then the three first requests. Runs inside the private network of scripts/in-test-lan.
#include "EventLoop.h"
#include "FakeFan.h"
#include "FakeFanSsdp.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXLogCapture.h"
#include "QXDevice.h"
#include "QXSocketCode.h"
#include "QXUdpSocket.h"
#include "QXUserDefaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

using orvane::test::FakeFan;
using orvane::test::FakeFanSsdp;
using orvane::test::waitUntil;

const QString fanName = QStringLiteral("Orvane_kvi_A1B2");
const QString fanAddress = QStringLiteral("192.168.2.50");
const QByteArray fanPassword = "12345678";

// Outcomes of the requests a test sent, in the order they were sent.
struct Outcomes
{
    QMutex mutex;
    QList<qint64> codes = QList<qint64>(3, 0);

    QXOperationBlock success(int request)
    {
        return [this, request](const QXOperationRef &, qint64 code, const QVariant &) { set(request, code); };
    }
    QXOperationBlock failure(int request)
    {
        return [this, request](const QXOperationRef &, qint64 code, const QVariant &) { set(request, -code); };
    }
    void set(int request, qint64 code)
    {
        QMutexLocker lock(&mutex);
        codes[request] = code;
    }
    QList<qint64> all()
    {
        QMutexLocker lock(&mutex);
        return codes;
    }
    bool done(int count)
    {
        const QList<qint64> now = all();
        return std::all_of(now.cbegin(), now.cbegin() + count, [](qint64 code) { return code != 0; });
    }
};

class StaRoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
        fan.requirePassword(fanPassword);
        ASSERT_NE(fan.port(), 0);
        announcer.setAnswers({FakeFanSsdp::answer(fanAddress, fanName)});
        ASSERT_TRUE(announcer.start());
    }

    // Search step: the first device found, as the connection screen lists it.
    std::shared_ptr<NetworkingDevice> searchFirstDevice()
    {
        QXUdpSocket discovery(QStringLiteral("239.255.255.250"), 1901, 1900);
        std::optional<QXSearchResults> found;
        discovery.searchDevicesWithDuration(0.5, [&](const QXSearchResults &results, QXUdpSocket::Outcome) { found = results; });
        if (!waitUntil([&] { return found.has_value(); }) || found->isEmpty())
            return nullptr;
        return std::make_shared<NetworkingDevice>(found->first().name, found->first().ip);
    }

    // Connect step: a new current record with the chosen address and the typed password.
    void connectWithPassword(const NetworkingDevice &chosen, const QString &password)
    {
        manager.configDeviceWithWifiName(chosen.name());
        bool disconnected = false;
        manager.insSocket()->disconnectWtihBlock([&](qint64, const QVariant &) { disconnected = true; });
        ASSERT_TRUE(waitUntil([&] { return disconnected; }));
        const std::shared_ptr<QXDevice> record = manager.device();
        record->updateSocketConfigs({{QStringLiteral("IP"), chosen.ip()}});
        record->updateTranslateConfig({{QStringLiteral("resolution"), chosen.resolution()},
                                       {QStringLiteral("rate"), chosen.rate()}});
        record->setTargetMode(QXConnectManager::verifiedMode);
        record->setWifiPwd(password);
        manager.configSocket();
    }

    // The play-list screen's first requests: list, status, mask.
    void sendFirstRequests(Outcomes &outcomes)
    {
        const std::shared_ptr<QXInsSocket> ins = manager.insSocket();
        ins->downloadListWithSuccess(outcomes.success(0), outcomes.failure(0));
        ins->sendInsWithType(QXInsCode::status, 0, outcomes.success(1), outcomes.failure(1));
        ins->sendInsWithType(QXInsCode::mask, 0, outcomes.success(2), outcomes.failure(2));
    }

    FakeFan fan{QHostAddress(fanAddress), 8000};
    FakeFanSsdp announcer{QHostAddress(fanAddress)};
    QXConnectManager manager;
};

TEST_F(StaRoad, FoundFanConnectsWithItsPasswordAndServesTheFirstRequestsInOrder)
{
    const std::shared_ptr<NetworkingDevice> chosen = searchFirstDevice();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name(), fanName);
    EXPECT_EQ(chosen->ip(), fanAddress);
    EXPECT_TRUE(manager.pwdOfDevice(fanName).isNull());

    orvane::test::QXLogCapture log;
    connectWithPassword(*chosen, QString::fromUtf8(fanPassword));
    Outcomes outcomes;
    sendFirstRequests(outcomes);
    ASSERT_TRUE(waitUntil([&] { return outcomes.done(3); }));

    const qint64 ok = qxCode(QXSocketCode::success);
    EXPECT_EQ(outcomes.all(), (QList<qint64>{ok, ok, ok}));
    EXPECT_TRUE(fan.received().startsWith(fanPassword));
    EXPECT_EQ(fan.codes(), (QList<quint8>{11, 10, 46}));
    EXPECT_EQ(fan.passwordAttempts(), 1);
    // The accepted password is remembered under the fan's name.
    EXPECT_EQ(manager.pwdOfDevice(fanName), QString::fromUtf8(fanPassword));
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().dictionaryForKey(QStringLiteral("DeviceDic")).value(fanName),
              QString::fromUtf8(fanPassword));
    // The whole road is logged, the password nowhere.
    EXPECT_TRUE(log.contains(QStringLiteral("Device Password:")));
    EXPECT_TRUE(log.contains(QStringLiteral("SocketConfig:")));
    EXPECT_FALSE(log.contains(QString::fromUtf8(fanPassword)));
}

TEST_F(StaRoad, RefusedPasswordFailsItsRequestAndTheNextRequestAsksAgain)
{
    const std::shared_ptr<NetworkingDevice> chosen = searchFirstDevice();
    ASSERT_TRUE(chosen);
    connectWithPassword(*chosen, QStringLiteral("wrongpwd"));
    Outcomes refused;
    manager.insSocket()->sendInsWithType(QXInsCode::status, 0, refused.success(0), refused.failure(0));
    ASSERT_TRUE(waitUntil([&] { return refused.done(1); }));
    EXPECT_EQ(refused.all().first(), -qxCode(QXSocketCode::checkFailed));
    EXPECT_TRUE(fan.codes().isEmpty());
    EXPECT_TRUE(manager.pwdOfDevice(fanName).isNull());

    // The operator types the right password: the same socket passes the step again.
    manager.device()->setWifiPwd(QString::fromUtf8(fanPassword));
    manager.configSocket();
    Outcomes outcomes;
    sendFirstRequests(outcomes);
    ASSERT_TRUE(waitUntil([&] { return outcomes.done(3); }));
    const qint64 ok = qxCode(QXSocketCode::success);
    EXPECT_EQ(outcomes.all(), (QList<qint64>{ok, ok, ok}));
    EXPECT_EQ(fan.passwordAttempts(), 2);
    EXPECT_EQ(fan.codes(), (QList<quint8>{11, 10, 46}));
}

} // namespace
