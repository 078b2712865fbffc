// The instruction frames and the reply check, byte for byte, without any connection.
#include "QXInsSocket.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

} // namespace

TEST(InsFrames, ShortFrameCarriesTheParameterHighByteFirst)
{
    EXPECT_EQ(QXInsSocket::insDataWithType(QXInsCode::angle, 300), bytes({0x05, 0x35, 0xA4, 0x11, 0x01, 0x2C}));
    EXPECT_EQ(QXInsSocket::insDataWithType(QXInsCode::angle, -1), bytes({0x05, 0x35, 0xA4, 0x11, 0xFF, 0xFF}));
    EXPECT_EQ(QXInsSocket::insDataWithType(QXInsCode::unity, 0), bytes({0x05, 0x35, 0xA4, 0x98, 0x00, 0x00}));
    EXPECT_EQ(QXInsSocket::insDataWithType(QXInsCode::deleteItem, std::array<quint8, 2>{1, 7}),
              bytes({0x05, 0x35, 0xA4, 0x04, 0x01, 0x07}));
}

TEST(InsFrames, StringFrameCountsItsContent)
{
    EXPECT_EQ(QXInsSocket::parameterDataForContent(QStringLiteral("AB"), QXInsCode::connectBluetooth),
              bytes({0x06, 0x35, 0xA4, 0x30, 0x02, 'A', 'B'}));
    // 251 bytes is the most a one-byte count can hold (n + 4 ≤ 255); one more is refused.
    const QString fits(251, QLatin1Char('x'));
    const QByteArray frame = QXInsSocket::parameterDataForContent(fits, QXInsCode::changeWifiPassword);
    ASSERT_EQ(frame.size(), 256);
    EXPECT_EQ(quint8(frame[0]), 255);
    EXPECT_TRUE(QXInsSocket::parameterDataForContent(fits + 'x', QXInsCode::changeWifiPassword).isEmpty());
    // UTF-8 bytes count, not characters.
    EXPECT_EQ(quint8(QXInsSocket::parameterDataForContent(QStringLiteral("é"), QXInsCode::connectBluetooth)[4]), 2);
}

TEST(InsFrames, JsonFrameKeepsItsFirstByteAndPutsTheLengthLowByteFirst)
{
    // {"k":"xxx…"} of exactly 300 bytes: 8 bytes of syntax and key, 292 of value.
    const QJsonObject object{{QStringLiteral("k"), QString(292, QLatin1Char('x'))}};
    const QByteArray frame = QXInsSocket::jsonDataForType(QXInsCode::json, object);
    ASSERT_EQ(frame.size(), 306);
    EXPECT_EQ(frame.left(6), bytes({0x05, 0x35, 0xA4, 0x40, 0x2C, 0x01}));
    EXPECT_EQ(frame.mid(6, 6), QByteArray("{\"k\":\""));

    // A bare value may stand at the top level.
    EXPECT_EQ(QXInsSocket::jsonDataForType(QXInsCode::json, QJsonValue(7)).mid(6), QByteArray("7"));
    EXPECT_EQ(QXInsSocket::jsonDataForType(QXInsCode::json, QJsonValue(QStringLiteral("a"))).mid(6),
              QByteArray("\"a\""));
    EXPECT_TRUE(QXInsSocket::jsonDataForType(QXInsCode::json, QJsonValue(QJsonValue::Undefined)).isEmpty());
}

TEST(InsFrames, UnityFrameCountsItsJsonAndRefusesWhatDoesNotFit)
{
    const QByteArray frame = QXInsSocket::unityJsonDataForType(QXInsCode::unity, QJsonArray{1, 2});
    EXPECT_EQ(frame, bytes({0x09, 0x35, 0xA4, 0x98, 0x05}) + "[1,2]");
    const QJsonObject tooLong{{QStringLiteral("k"), QString(250, QLatin1Char('x'))}};
    EXPECT_TRUE(QXInsSocket::unityJsonDataForType(QXInsCode::unity, tooLong).isEmpty());
}

TEST(InsFrames, ByteHelpers)
{
    EXPECT_EQ(QXInsSocket::shortToByteArray(300), (std::array<quint8, 2>{0x01, 0x2C}));
    EXPECT_EQ(QXInsSocket::shortToByteArray(-2), (std::array<quint8, 2>{0xFF, 0xFE}));
    EXPECT_EQ(QXInsSocket::ByteArrayToShort(0x01, 0x2C), 300);
    EXPECT_EQ(QXInsSocket::ByteArrayToShort(0x80, 0x00), -32768);
    EXPECT_EQ(QXInsSocket::byteArrayToInt(bytes({0x00, 0x01, 0x00, 0x02}).constData()), 65538);
    EXPECT_EQ(QXInsSocket::byteArrayToInt(bytes({0xFF, 0xFF, 0xFF, 0xFF}).constData()), -1);
}

TEST(InsFrames, ReplyCheckComparesTheHeadAsUnsignedBytes)
{
    EXPECT_TRUE(QXInsSocket::checkRecvData(bytes({0x35, 0xA4, 0x11, 0x00}), QXInsCode::angle));
    EXPECT_TRUE(QXInsSocket::checkRecvData(bytes({0x35, 0xA4, 0x98}), QXInsCode::unity));
    EXPECT_FALSE(QXInsSocket::checkRecvData(bytes({0x35, 0xA4, 0x0C}), QXInsCode::angle));
    EXPECT_FALSE(QXInsSocket::checkRecvData(bytes({0x35, 0xA5, 0x11}), QXInsCode::angle));
    // Two bytes or fewer are too short to judge and pass.
    EXPECT_TRUE(QXInsSocket::checkRecvData(bytes({0x00, 0x00}), QXInsCode::angle));
    EXPECT_TRUE(QXInsSocket::checkRecvData(QByteArray(), QXInsCode::angle));
}
