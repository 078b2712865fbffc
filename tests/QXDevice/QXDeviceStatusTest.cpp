#include "QXDeviceStatus.h"
#include "QXLogCapture.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A 61-byte reply of a device reporting everything: every optional byte valid, hotspot on,
// 4G open.
QByteArray fullReply()
{
    return orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-hotspot-4g-61.bin"));
}

QByteArray replyWith(qsizetype length, std::initializer_list<std::pair<qsizetype, quint8>> bytes)
{
    QByteArray reply = fullReply().leftJustified(length, '\0', true);
    for (const auto &[offset, value] : bytes)
        reply[offset] = char(value);
    return reply;
}

class QXDeviceStatusLengthTest : public testing::TestWithParam<int>
{
};

// A device may answer with any prefix of the layout: each field appears exactly when the
// reply reaches it, and nothing is read past the end.
TEST_P(QXDeviceStatusLengthTest, FieldsAppearOnceTheReplyReachesThem)
{
    const qsizetype length = GetParam();
    ASSERT_EQ(fullReply().size(), 61);
    // An exactly-sized copy, so ASan sees any read past the end.
    const QByteArray prefix = (fullReply() + QByteArray("\x01\x02\x03")).left(length);
    const QXDeviceStatus status = QXDeviceStatus::statusWithData(QByteArrayView(prefix));
    if (length < 3) {
        EXPECT_EQ(status.functionSet(), 0u);
        EXPECT_EQ(status.listIndex(), 0);
        EXPECT_EQ(status.hotspotStatus(), 0);
        return;
    }
    // The row at which each bit's field is complete.
    constexpr std::pair<quint64, qsizetype> bitRows[] = {
        {0x1, 38},   {0x2, 39},   {0x4, 40},    {0x8, 41},    {0x10, 42},   {0x20, 46},   {0x40, 49},   {0x100, 50},
        {0x80, 51},  {0x200, 52}, {0x400, 53},  {0x800, 54},  {0x1000, 55}, {0x2000, 57}, {0x4000, 58}, {0x8000, 59}};
    quint64 expectedBits = 0;
    for (const auto &[bit, end] : bitRows)
        expectedBits |= length >= end ? bit : 0;
    EXPECT_EQ(status.functionSet(), expectedBits);
    EXPECT_EQ(status.isRunning(), length > 3);
    EXPECT_EQ(status.isNewConduct(), length > 4);
    EXPECT_EQ(status.light(), length > 5 ? 200 : 0);
    EXPECT_EQ(status.playingIndex(), length > 7 ? 3 : 0);
    EXPECT_EQ(status.timer().isOn(), length > 9);
    EXPECT_EQ(status.storage(), length >= 18 ? QStringLiteral("1024M") : QStringLiteral("0M"));
    EXPECT_EQ(status.timer().openTime(), length >= 28 ? QStringLiteral("08:30:00") : QStringLiteral("00:00:00"));
    EXPECT_EQ(status.timer().closeTime(), length >= 36 ? QStringLiteral("22:15:00") : QStringLiteral("00:00:00"));
    EXPECT_EQ(status.angle(), length >= 38 ? 90 : 0);
    EXPECT_EQ(status.volume(), length >= 39 ? 7 : 0);
    EXPECT_EQ(status.isBreathLamp(), length >= 40);
    EXPECT_EQ(status.isBlueTooth(), length >= 41);
    EXPECT_EQ(status.version().isExist(), length >= 46);
    EXPECT_EQ(status.version().coreVersion1(), length >= 46 ? 15 : 0);
    EXPECT_EQ(status.version().fpgaVersion1(), length >= 48 ? 4 : 0);
    EXPECT_EQ(status.serverIndex(), length >= 49 ? 2 : 0);
    EXPECT_EQ(status.cutTime(), length >= 50 ? 3 : 0);
    EXPECT_EQ(status.listIndex(), length >= 51 ? 1 : -1);
    EXPECT_EQ(status.rotationRate(), length >= 52 ? 2 : 0);
    EXPECT_EQ(status.isMaster(), length >= 58);
    EXPECT_EQ(status.hotspotStatus(), length >= 60 ? 1 : -1);
    EXPECT_EQ(status.is4GOpen(), length >= 61);
    EXPECT_FALSE(status.isAutoStart() || status.isRemoteControl() || status.isEmergencyStop() || status.isPlaying());
}

INSTANTIATE_TEST_SUITE_P(Lengths, QXDeviceStatusLengthTest, testing::Range(0, 65));

TEST(QXDeviceStatusTest, HotspotAnd4GSetNoBits)
{
    const QXDeviceStatus invalid = QXDeviceStatus::statusWithData(replyWith(61, {{59, 3}, {60, 2}}));
    EXPECT_EQ(invalid.hotspotStatus(), -1);
    EXPECT_FALSE(invalid.is4GOpen());
    EXPECT_EQ(invalid.functionSet(), 0xFFFFu);
}

TEST(QXDeviceStatusTest, InvertedSwitchesAndTheirBits)
{
    struct Case
    {
        quint8 byte;
        bool on;
        bool bit;
    };
    for (const Case c : {Case{0, true, true}, Case{1, false, true}, Case{2, false, false}}) {
        const QXDeviceStatus lamp = QXDeviceStatus::statusWithData(replyWith(61, {{39, c.byte}}));
        EXPECT_EQ(lamp.isBreathLamp(), c.on) << int(c.byte);
        EXPECT_EQ((lamp.functionSet() & QXDeviceFunction::breathLamp) != 0, c.bit) << int(c.byte);
        const QXDeviceStatus remote = QXDeviceStatus::statusWithData(replyWith(61, {{52, c.byte}}));
        EXPECT_EQ(remote.isRemoteControl(), c.on) << int(c.byte);
        EXPECT_EQ((remote.functionSet() & QXDeviceFunction::remoteControl) != 0, c.bit) << int(c.byte);
    }
}

TEST(QXDeviceStatusTest, OutOfRangeBytesAreStoredWithoutTheirBit)
{
    const QXDeviceStatus status = QXDeviceStatus::statusWithData(
        replyWith(61, {{40, 5}, {41, 2}, {48, 3}, {49, 7}, {50, 255}, {51, 3}, {53, 9}, {54, 5}, {57, 2}}));
    EXPECT_TRUE(status.isBlueTooth() && status.isAutoStart() && status.isEmergencyStop() && status.isMaster());
    EXPECT_EQ(status.serverIndex(), 3);
    EXPECT_EQ(status.cutTime(), 7);
    EXPECT_EQ(status.listIndex(), 255);
    EXPECT_EQ(status.rotationRate(), 3);
    const quint64 missing = QXDeviceFunction::blueTooth | QXDeviceFunction::autoStart | QXDeviceFunction::serverIndex
        | QXDeviceFunction::cutTime | QXDeviceFunction::listIndex | QXDeviceFunction::rotationRate
        | QXDeviceFunction::emergencyStop | 0x1000 | QXDeviceFunction::master;
    EXPECT_EQ(status.functionSet(), 0xFFFFu & ~missing);
    EXPECT_TRUE(status.description().contains(QStringLiteral("isBlueTooth: 5")));
}

TEST(QXDeviceStatusTest, StorageIsWholeMegabytesOfASignedCount)
{
    const std::pair<std::array<quint8, 8>, const char *> cases[] = {
        {{0, 0, 0, 0, 0x40, 0, 0, 0}, "1024M"},
        {{0, 0, 0, 0, 0, 0x0F, 0xFF, 0xFF}, "0M"},
        // The top bit makes the count negative; division truncates toward zero.
        {{0x80, 0, 0, 0, 0, 0, 0, 0}, "-8796093022208M"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "0M"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0, 0}, "-1M"},
    };
    for (const auto &[bytes, text] : cases) {
        QByteArray reply = fullReply();
        for (int i = 0; i < 8; ++i)
            reply[10 + i] = char(bytes[i]);
        EXPECT_EQ(QXDeviceStatus::statusWithData(reply).storage(), QLatin1String(text));
    }
    EXPECT_EQ(QXDeviceStatus::byteArrayToLong(QByteArrayView("\x01\x02", 2)), 0);
    EXPECT_EQ(QXDeviceStatus::byteArrayToShort(0xFF, 0xFE), -2);
}

TEST(QXDeviceStatusTest, TimeTextsAreReadOnlyWhenPresentAndValid)
{
    // Lengths that run past the end of the reply: neither text is read.
    EXPECT_EQ(QXDeviceStatus::statusWithData(replyWith(40, {{18, 200}, {19, 8}})).timer().openTime(),
              QStringLiteral("00:00:00"));
    const QXDeviceStatus partly = QXDeviceStatus::statusWithData(replyWith(30, {{18, 8}, {19, 30}}));
    EXPECT_EQ(partly.timer().openTime(), QStringLiteral("08:30:00"));
    EXPECT_EQ(partly.timer().closeTime(), QStringLiteral("00:00:00"));
    // Fields from byte 36 on stay at their offsets whatever the text lengths.
    const QXDeviceStatus shortTimes = QXDeviceStatus::statusWithData(replyWith(61, {{18, 5}, {19, 5}}));
    EXPECT_EQ(shortTimes.timer().closeTime(), QStringLiteral(":0022"));
    EXPECT_EQ(shortTimes.angle(), 90);
    const QXDeviceStatus fixture = QXDeviceStatus::statusWithData(
        orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-short-times.bin")));
    EXPECT_EQ(fixture.timer().openTime(), QStringLiteral("12:30"));
    EXPECT_EQ(fixture.timer().closeTime(), QStringLiteral("07:05"));
    // Bytes that are not UTF-8 keep midnight instead of showing garbage.
    const QXDeviceStatus invalid = QXDeviceStatus::statusWithData(replyWith(61, {{20, 0xFF}, {29, 0xC3}}));
    EXPECT_EQ(invalid.timer().openTime(), QStringLiteral("00:00:00"));
    EXPECT_EQ(invalid.timer().closeTime(), QStringLiteral("00:00:00"));
}

TEST(QXDeviceStatusTest, WrongHeadResetsOnlyTheFunctions)
{
    orvane::test::QXLogCapture log;
    QXDeviceStatus status = QXDeviceStatus::statusWithData(fullReply());
    status.updateConfig(replyWith(61, {{2, 0x2E}}));
    EXPECT_TRUE(log.contains(QStringLiteral("前缀码错误")));
    EXPECT_EQ(status.functionSet(), 0u);
    EXPECT_EQ(status.angle(), 90);
    EXPECT_EQ(QXDeviceStatus::statusWithData(replyWith(61, {{0, 0x36}})).listIndex(), 0);
}

TEST(QXDeviceStatusTest, ServerDomainFollowsTheIndex)
{
    const QStringList hosts = QXDeviceStatus::serverList();
    ASSERT_EQ(hosts.size(), 3);
    QXDeviceStatus status;
    for (const auto &[index, host] : {std::pair{0, 0}, {2, 2}, {7, 0}, {-1, 0}}) {
        status.setServerIndex(index);
        EXPECT_EQ(status.serverDomain(), hosts.at(host));
    }
    QXDeviceStatus::setServerList({QStringLiteral("a.test"), QStringLiteral("b.test"), QStringLiteral("c.test")});
    status.setServerIndex(1);
    EXPECT_EQ(status.serverDomain(), QStringLiteral("b.test"));
    QXDeviceStatus::setServerList(hosts);
}

} // namespace
