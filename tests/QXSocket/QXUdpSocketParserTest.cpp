// The discovery request and answer rules, without any socket.
#include "QXUdpSocket.h"
#include "QXUserDefaults.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QString answerFixture(const char *name)
{
    QFile file(QStringLiteral(ORVANE_TEST_DATA "/SsdpAnswerFuzzer/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

TEST(QXUdpSocketRequest, IsTheSixLinesWithTheLocalPortInHost)
{
    EXPECT_EQ(QXUdpSocket::searchRequest(QStringLiteral("239.255.255.250"), 1901),
              QByteArray("M-SEARCH * HTTP/1.1\r\n"
                         "HOST: 239.255.255.250:1901\r\n"
                         "MAN: \"ssdp:discover\"\r\n"
                         "MX: 4\r\n"
                         "ST: ssdp:orvane_client\r\n"
                         "\r\n"));
}

// The fixtures: one plain answer; a blank inside the ST line; ST before LOCATION and SERVER;
// LOCATION's leading blank kept (only the tag and its colon are removed); each exact ST line
// closing the device before it.
TEST(QXUdpSocketParser, AnswerFixtures)
{
    const std::pair<const char *, QXSearchResults> cases[] = {
        {"answer-plain.txt", {{QStringLiteral("Orvane_kvi_A1B2"), QStringLiteral("192.168.2.10")}}},
        {"answer-blank-target.txt", {}},
        {"answer-target-first.txt", {}},
        {"answer-leading-blank.txt", {{QStringLiteral("Orvane_kvd_C3"), QStringLiteral(" 192.168.1.20")}}},
        {"answer-two-devices.txt",
         {{QStringLiteral("Orvane_kvm_E5"), QStringLiteral("192.168.2.11")},
          {QStringLiteral("Orvane_kvo_F6"), QStringLiteral("192.168.2.12")}}},
    };
    for (const auto &[fixture, expected] : cases)
        EXPECT_EQ(QXUdpSocket::parseReceiveString(answerFixture(fixture)), expected) << fixture;
}

TEST(QXUdpSocketParser, FirstAnswerForANameWins)
{
    const QXSearchResults known{{QStringLiteral("Orvane_kvi_A1B2"), QStringLiteral("192.168.2.10")}};
    const QString moved = QStringLiteral(
        "HTTP/1.1 200 OK\r\nLOCATION:192.168.2.99\r\nSERVER:Orvane_kvi_A1B2\r\nST:ssdp:orvane_client\r\n");
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(moved, known).isEmpty());
    // Also within one answer.
    EXPECT_EQ(QXUdpSocket::parseReceiveString(moved + moved.mid(17)),
              (QXSearchResults{{QStringLiteral("Orvane_kvi_A1B2"), QStringLiteral("192.168.2.99")}}));
}

// Not a plain OK, a lower-case tag, no name, a blank after the target: no device.
TEST(QXUdpSocketParser, AnswersThatGiveNothing)
{
    const QString body = QStringLiteral("LOCATION:192.168.2.10\r\nSERVER:Orvane_kvi_A1\r\nST:ssdp:orvane_client\r\n");
    const QString ok = QStringLiteral("HTTP/1.1 200 OK\r\n");
    for (const QString &answer :
         {QStringLiteral("HTTP/1.1 404 Not Found\r\n") + body, QStringLiteral("NOTIFY * HTTP/1.1\r\n") + body, QString(),
          ok + QString(body).replace(QStringLiteral("LOCATION"), QStringLiteral("location")),
          ok + QStringLiteral("LOCATION:192.168.2.10\r\nST:ssdp:orvane_client\r\n"),
          ok + QString(body).replace(QStringLiteral("client\r"), QStringLiteral("client \r"))})
        EXPECT_TRUE(QXUdpSocket::parseReceiveString(answer).isEmpty()) << answer.toStdString();
}

TEST(QXUdpSocketResults, ComeFromTheLastRunWithoutTouchingTheNetwork)
{
    QXUserDefaults::standardUserDefaults().setObject(
        QVariantList{QVariantMap{{QStringLiteral("name"), QStringLiteral("Orvane_kvi_A1")},
                                 {QStringLiteral("ip"), QStringLiteral("192.168.2.10")}}},
        QStringLiteral("search_device_list"));
    QXUdpSocket socket(QStringLiteral("239.255.255.250"), 1901, 1900);
    EXPECT_EQ(socket.results(), (QXSearchResults{{QStringLiteral("Orvane_kvi_A1"), QStringLiteral("192.168.2.10")}}));
    EXPECT_EQ(socket.status(), QXUdpSocket::Status::Unbound);
}

} // namespace
