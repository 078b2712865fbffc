#include "QXDeviceMask.h"
#include "QXLogCapture.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

QByteArray districtsReply()
{
    return orvane::test::testData(QStringLiteral("QXDeviceMaskFuzzer/QXDeviceMask-districts.bin"));
}

qint64 valueOf(const QXDeviceMask &mask, qint64 district, const char *key)
{
    return mask.settingsAtDistrict(district).value_or(QVariantMap()).value(QLatin1String(key)).toLongLong();
}

bool isDefault(const QXDeviceMask &mask)
{
    for (qint64 district = 1; district <= 4; ++district) {
        if (valueOf(mask, district, "angle") != 0 || valueOf(mask, district, "distance") != 360)
            return false;
    }
    return mask.mode() == 0 && !mask.isWhiteBlank() && mask.innerDistance() == 0 && mask.horizontalDistance() == 0;
}

TEST(QXDeviceMaskTest, DecodesEveryField)
{
    orvane::test::QXLogCapture log;
    const QXDeviceMask mask = QXDeviceMask::maskWithData(districtsReply());
    EXPECT_EQ(mask.horizontalDistance(), 10);
    EXPECT_EQ(mask.verticalDistance(), -10);
    EXPECT_EQ(mask.mode(), 2);
    EXPECT_TRUE(mask.isWhiteBlank());
    EXPECT_EQ(mask.innerDistance(), 300);
    EXPECT_EQ(mask.outerDistance(), 200);
    const std::tuple<qint64, qint64, qint64> districts[] = {{4, -48, 500}, {1, 88, 800}, {3, 0, 360}, {2, 0, 700}};
    for (const auto &[district, angle, distance] : districts) {
        EXPECT_EQ(valueOf(mask, district, "angle"), angle) << district;
        EXPECT_EQ(valueOf(mask, district, "distance"), distance) << district;
    }
    EXPECT_TRUE(log.contains(QStringLiteral("right angle:2000")));
}

TEST(QXDeviceMaskTest, ShortOrBadRepliesKeepTheDefaults)
{
    orvane::test::QXLogCapture log;
    const QByteArray good = districtsReply();
    QByteArray payload22 = good;
    payload22[3] = 22;
    QByteArray wrongHead = good;
    wrongHead[2] = '\x0A';
    for (const QByteArray &reply : {good.left(26), QByteArray(), payload22, wrongHead})
        EXPECT_TRUE(isDefault(QXDeviceMask::maskWithData(reply)));
    EXPECT_EQ(log.count(QStringLiteral("遮罩信息解析错误")), 3);
    EXPECT_TRUE(log.contains(QStringLiteral("前缀码错误")));
    // Bytes after the layout are ignored.
    EXPECT_EQ(QXDeviceMask::maskWithData(good + QByteArray(10, '\x7F')).innerDistance(), 300);
}

TEST(QXDeviceMaskTest, OutOfRangeValuesFallBack)
{
    struct Case
    {
        qsizetype offset;
        quint16 raw;
        qint64 district;
        const char *key;
        qint64 stored;
    };
    const Case cases[] = {
        {11, 512, 4, "angle", 512},   {11, 513, 4, "angle", 0},       {11, 1536, 4, "angle", -512},
        {11, 2047, 4, "angle", -1},   {11, 2048, 4, "angle", 0},      {15, 0, 1, "angle", -512},
        {15, 1024, 1, "angle", 512},  {15, 1025, 1, "angle", 0},      {19, 100, 3, "angle", 512},
        {19, 512, 3, "angle", -512},  {19, 1537, 3, "angle", 512},    {23, 2048, 2, "angle", 512},
        {23, 2049, 2, "angle", 1024}, {23, 1023, 2, "angle", 1024},   {23, 1024, 2, "angle", -512},
        {13, 801, 4, "distance", 360}, {13, 359, 4, "distance", 360}, {17, 800, 1, "distance", 800},
    };
    for (const Case &c : cases) {
        QByteArray reply = districtsReply();
        reply[c.offset] = char(c.raw >> 8);
        reply[c.offset + 1] = char(c.raw & 0xFF);
        EXPECT_EQ(valueOf(QXDeviceMask::maskWithData(reply), c.district, c.key), c.stored)
            << "offset " << c.offset << " raw " << c.raw;
    }
    QByteArray reply = districtsReply();
    reply.replace(6, 4, QByteArray("\x04\x00\x01\x69", 4)); // mode 4, no white blank, inner 361
    const QXDeviceMask mask = QXDeviceMask::maskWithData(reply);
    EXPECT_EQ(mask.mode(), 0);
    EXPECT_FALSE(mask.isWhiteBlank());
    EXPECT_EQ(mask.innerDistance(), 0);
}

TEST(QXDeviceMaskTest, DistrictEditsKeepTheKeysNotGiven)
{
    QXDeviceMask mask = QXDeviceMask::maskWithData(districtsReply());
    mask.setDistrict(4, {{QStringLiteral("distance"), 640}});
    EXPECT_EQ(valueOf(mask, 4, "angle"), -48);
    EXPECT_EQ(valueOf(mask, 4, "distance"), 640);
    mask.setDistrict(1, {{QStringLiteral("angle"), -20}, {QStringLiteral("colour"), 3}});
    EXPECT_EQ(mask.settingsAtDistrict(1)->size(), 2);
    EXPECT_FALSE(mask.settingsAtDistrict(5).has_value());
}

} // namespace
