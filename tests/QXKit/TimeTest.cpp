#include "Time.h"

#include <gtest/gtest.h>

namespace {

using orvane::Time;

class TimeFromStringTest : public testing::TestWithParam<std::pair<const char *, const char *>>
{
};

// Devices and older settings files do not always write the full "HH:MM:SS".
TEST_P(TimeFromStringTest, ReadsWhatTheTextHoldsAndZeroesTheRest)
{
    const auto &[text, time] = GetParam();
    EXPECT_EQ(Time::fromString(QString::fromUtf8(text)).getTimeString(), QLatin1String(time));
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeFromStringTest,
                         testing::Values(std::pair{"08:30:00", "08:30:00"}, std::pair{"12:30", "12:30:00"},
                                         std::pair{"7:5:9", "07:05:09"}, std::pair{"", "00:00:00"},
                                         std::pair{"::", "00:00:00"}, std::pair{"01:02:03:04", "01:02:03"}));

TEST(TimeTest, SplitsIntoSingleCharacters)
{
    const Time time = Time::fromString(QStringLiteral("25:07:59"));
    EXPECT_EQ(time.getTime(), (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("0"),
                                           QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("9")}));
    EXPECT_EQ(time.getMinute(), (QStringList{QStringLiteral("0"), QStringLiteral("7")}));
    EXPECT_EQ(Time().getTimeString(), QStringLiteral("00:00:00"));
    EXPECT_EQ(Time(QStringLiteral("8"), QString(), QStringLiteral("30")), Time::fromString(QStringLiteral("08:00:30")));
}

} // namespace
