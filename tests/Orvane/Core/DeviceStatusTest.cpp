#include "Core/DeviceStatus.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

using orvane::DeviceStatus;
using orvane::Time;

QByteArray replyWith(qsizetype length, std::initializer_list<std::pair<qsizetype, quint8>> bytes)
{
    QByteArray reply = orvane::test::testData(QStringLiteral("DeviceStatusFuzzer/DeviceStatus-hotspot-4g-61.bin"))
                           .leftJustified(length, '\0', true);
    for (const auto &[offset, value] : bytes)
        reply[offset] = char(value);
    return reply;
}

QString timeText(const std::optional<Time> &time)
{
    return time ? time->getTimeString() : QStringLiteral("none");
}

TEST(DeviceStatusTest, DefaultsOfARecordNotReadFromADevice)
{
    const DeviceStatus status;
    EXPECT_FALSE(status.isRunning());
    EXPECT_EQ(status.playingIndex(), -1);
    EXPECT_EQ(status.resolution(), 512);
    EXPECT_EQ(status.SDCapacity(), QStringLiteral("4096M"));
    EXPECT_EQ(timeText(status.openTime()), QStringLiteral("00:00:00"));
}

TEST(DeviceStatusTest, SwitchesBelongToNewDevicesOnly)
{
    const DeviceStatus other(replyWith(61, {{4, 6}, {8, 1}, {39, 1}, {41, 1}, {6, 0xFF}, {7, 0xFF}, {36, 0xFF}}));
    EXPECT_TRUE(other.isNewDevice());
    EXPECT_TRUE(other.isAutoStart());
    EXPECT_FALSE(other.isBreathLight());
    EXPECT_EQ(other.resolution(), 512);
    EXPECT_EQ(other.playingIndex(), -1);
    EXPECT_EQ(other.angleNum(), -166);

    const DeviceStatus older(replyWith(61, {{4, 3}, {39, 0}, {40, 1}, {41, 1}}));
    EXPECT_FALSE(older.isNewDevice());
    EXPECT_EQ(older.extraFuncLength(), 3);
    EXPECT_FALSE(older.isBreathLight() || older.isBlueTooth() || older.isAutoStart());
}

class DeviceStatusLengthTest : public testing::TestWithParam<int>
{
};

// Fields the reply does not reach stay zero or none; nothing is read past its end.
TEST_P(DeviceStatusLengthTest, ReadsOnlyWhatTheReplyHolds)
{
    const qsizetype length = GetParam();
    const QByteArray prefix = replyWith(64, {{41, 1}}).left(length);
    const DeviceStatus status{QByteArrayView(prefix)};
    EXPECT_EQ(status.isRunning(), length > 3);
    EXPECT_EQ(status.isNewDevice(), length > 4);
    EXPECT_EQ(status.extraFuncLength(), length > 4 ? 10 : 0);
    EXPECT_EQ(status.lightNum(), length > 5 ? 200 : 0);
    EXPECT_EQ(status.playingIndex(), length > 7 ? 3 : 0);
    EXPECT_EQ(status.resolution(), length > 8 ? 256 : 0);
    EXPECT_EQ(status.isTimerOpen(), length > 9);
    EXPECT_EQ(status.SDCapacity(), length >= 18 ? QStringLiteral("1024M") : QString());
    EXPECT_EQ(timeText(status.openTime()), length >= 36 ? QStringLiteral("08:30:00") : QStringLiteral("none"));
    EXPECT_EQ(timeText(status.closeTime()), length >= 36 ? QStringLiteral("22:15:00") : QStringLiteral("none"));
    EXPECT_EQ(status.angleNum(), length >= 38 ? 90 : 0);
    EXPECT_EQ(status.volumeNum(), length >= 39 ? 7 : 0);
    EXPECT_EQ(status.isBreathLight(), length >= 40);
    EXPECT_EQ(status.isBlueTooth(), length >= 41);
    EXPECT_EQ(status.isAutoStart(), length >= 42);
}

INSTANTIATE_TEST_SUITE_P(Lengths, DeviceStatusLengthTest, testing::Range(0, 65));

TEST(DeviceStatusTest, TimesNeedBothLengthsAndTheirBytes)
{
    // Shorter than five characters is not a time; lengths that run past the reply are not read.
    for (const auto &[open, close] : {std::pair{4, 8}, {8, 4}, {8, 40}, {255, 255}}) {
        const DeviceStatus status(replyWith(61, {{18, quint8(open)}, {19, quint8(close)}}));
        EXPECT_FALSE(status.openTime().has_value() || status.closeTime().has_value()) << open << " " << close;
    }
    // "HH:MM" as a device may send it: the seconds read as zero.
    const DeviceStatus shortTimes(
        orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-short-times.bin")));
    EXPECT_EQ(timeText(shortTimes.openTime()), QStringLiteral("12:30:00"));
    EXPECT_EQ(timeText(shortTimes.closeTime()), QStringLiteral("07:05:00"));
    // Bytes that are not UTF-8 read as midnight.
    const DeviceStatus invalid(replyWith(61, {{21, 0xFE}, {30, 0x80}}));
    EXPECT_EQ(timeText(invalid.openTime()), QStringLiteral("00:00:00"));
    EXPECT_EQ(timeText(invalid.closeTime()), QStringLiteral("00:00:00"));
}

TEST(DeviceStatusTest, StorageOfAShortReplyIsNone)
{
    EXPECT_TRUE(DeviceStatus::getStorageInfo(replyWith(17, {})).isNull());
    EXPECT_EQ(DeviceStatus::ByteArrayToShort(0x80, 0x00), -32768);
}

} // namespace
