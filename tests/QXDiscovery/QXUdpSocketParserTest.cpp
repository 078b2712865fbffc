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

TEST(QXUdpSocketParser, AnswerWithLocationServerAndExactTargetGivesOneDevice)
{
    EXPECT_EQ(QXUdpSocket::parseReceiveString(answerFixture("answer-plain.txt")),
              (QXSearchResults{{QStringLiteral("Orvane_kvi_A1B2"), QStringLiteral("192.168.2.10")}}));
}

TEST(QXUdpSocketParser, BlankInsideTheTargetLineGivesNothing)
{
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(answerFixture("answer-blank-target.txt")).isEmpty());
}

TEST(QXUdpSocketParser, TargetLineBeforeLocationAndServerGivesNothing)
{
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(answerFixture("answer-target-first.txt")).isEmpty());
}

TEST(QXUdpSocketParser, LocationKeepsItsLeadingBlank)
{
    // Values are taken as they stand: only the tag and its colon are removed.
    EXPECT_EQ(QXUdpSocket::parseReceiveString(answerFixture("answer-leading-blank.txt")),
              (QXSearchResults{{QStringLiteral("Orvane_kvd_C3"), QStringLiteral(" 192.168.1.20")}}));
}

TEST(QXUdpSocketParser, EachExactTargetLineClosesTheDeviceBeforeIt)
{
    EXPECT_EQ(QXUdpSocket::parseReceiveString(answerFixture("answer-two-devices.txt")),
              (QXSearchResults{{QStringLiteral("Orvane_kvm_E5"), QStringLiteral("192.168.2.11")},
                               {QStringLiteral("Orvane_kvo_F6"), QStringLiteral("192.168.2.12")}}));
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

TEST(QXUdpSocketParser, IgnoresAnswersThatAreNotAPlainOk)
{
    const QString body = QStringLiteral("LOCATION:192.168.2.10\r\nSERVER:Orvane_kvi_A1\r\nST:ssdp:orvane_client\r\n");
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QStringLiteral("HTTP/1.1 404 Not Found\r\n") + body).isEmpty());
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QStringLiteral("NOTIFY * HTTP/1.1\r\n") + body).isEmpty());
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QString()).isEmpty());
}

TEST(QXUdpSocketParser, TagsAreCaseSensitiveAndAnswersNeedNameAndAddress)
{
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QStringLiteral(
        "HTTP/1.1 200 OK\r\nlocation:192.168.2.10\r\nSERVER:Orvane_kvi_A1\r\nST:ssdp:orvane_client\r\n")).isEmpty());
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QStringLiteral(
        "HTTP/1.1 200 OK\r\nLOCATION:192.168.2.10\r\nST:ssdp:orvane_client\r\n")).isEmpty());
    EXPECT_TRUE(QXUdpSocket::parseReceiveString(QStringLiteral(
        "HTTP/1.1 200 OK\r\nLOCATION:192.168.2.10\r\nSERVER:Orvane_kvi_A1\r\nST:ssdp:orvane_client \r\n")).isEmpty());
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
