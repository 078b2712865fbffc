#include "QXNumber.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>

TEST(QXNumberTest, OnlyASignAndDecimalDigitsMakeANumber)
{
    const std::pair<const char16_t *, std::optional<qint64>> cases[] = {
        {u"512", 512},
        {u"+2", 2},
        {u"-7", -7},
        {u"007", 7},
        {u"9223372036854775807", 9223372036854775807LL},
        {u"-9223372036854775808", std::numeric_limits<qint64>::min()},
        {u"9223372036854775808", std::nullopt},
        {u"", std::nullopt},
        {u"+", std::nullopt},
        {u" 2", std::nullopt},
        {u"2 ", std::nullopt},
        {u"1300x512", std::nullopt},
        {u"0x10", std::nullopt},
        {u"1e3", std::nullopt},
        {u"+-1", std::nullopt},
        {u"\u0663", std::nullopt}, // an Arabic-Indic three
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(qxDecimalInteger(QStringView(text)), expected) << QString::fromUtf16(text).toStdString();
}
