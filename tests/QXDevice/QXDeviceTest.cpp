#include "QXDevice.h"
#include "QXLogCapture.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char *wifiName;
    const char *corp;
    const char *name;
    const char *sn;
    qint64 type;
};

class QXDeviceNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(QXDeviceNameTest, IdentityFollowsTheWifiName)
{
    const NameCase &c = GetParam();
    const QXDevice device(QString::fromUtf8(c.wifiName));
    const QVariantMap information = device.typeInformation();
    EXPECT_EQ(information.value(QStringLiteral("corp")).toString(), QString::fromUtf8(c.corp));
    EXPECT_EQ(information.value(QStringLiteral("name")).toString(), QString::fromUtf8(c.name));
    EXPECT_EQ(information.value(QStringLiteral("sn")).toString(), QString::fromUtf8(c.sn));
    EXPECT_EQ(information.value(QStringLiteral("Id")).toLongLong(), c.type);
    EXPECT_EQ(device.typeID(), c.type);
    EXPECT_EQ(device.wifiName(), QString::fromUtf8(c.wifiName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, QXDeviceNameTest,
    testing::Values(NameCase{"Orvane_KVI_A1B2", "orvane", "kvi", "a1b2", 653},
                    NameCase{"orvane_kve_4g", "orvane", "kve", "4g", 604},
                    // The "4g" serial marks the 4G model whatever the model code.
                    NameCase{"orvane_kvk_4G_x", "orvane", "kvk", "4g", 604},
                    NameCase{"orvane_kve", "orvane", "kve", "no sn", 603},
                    NameCase{"orvane_x1kvx9", "orvane", "kvl", "no sn", 1001},
                    NameCase{"orvane_kvy", "orvane", "kvm", "no sn", 1002},
                    NameCase{"ORVANE_KVD", "orvane", "kvd", "no sn", 503},
                    NameCase{"orvane_zz9_1", "orvane", "zz9", "1", -1}, NameCase{"orvane__1", "orvane", "", "1", -1},
                    NameCase{"nounderscore", "Orvane", "Unknown", "no sn", -1},
                    NameCase{"", "Orvane", "Unknown", "no sn", -1}));

TEST(QXDeviceInfoTest, LogsWhyANameGivesNoType)
{
    orvane::test::QXLogCapture log;
    EXPECT_EQ(QXDeviceInfo(QString()).Id(), -1);
    EXPECT_TRUE(log.contains(QStringLiteral("wifi名称为空")));
    EXPECT_EQ(QXDeviceInfo(QStringLiteral("orvane_zz9_1")).Id(), -1);
    EXPECT_TRUE(log.contains(QStringLiteral("解析WiFi name失败:zz9")));
    EXPECT_TRUE(log.contains(QStringLiteral("wifi type:-1")));
}

TEST(QXDeviceInfoTest, TypeTablesAgree)
{
    const QList<qint64> ids = QXDevice::typeIDs();
    EXPECT_EQ(ids, (QList<qint64>{302, 502, 501, 503, 603, 604, 651, 652, 653, 654, 783, 1001, 1002, 1003, 360, 2049}));
    QList<qint64> models = QXDeviceInfo::typeDic().values();
    QList<qint64> sorted = ids;
    std::sort(models.begin(), models.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(models, sorted);
    // A type set by number hides the "Unknown" model name.
    EXPECT_EQ(QXDeviceInfo(qint64(783)).name(), QString());
    EXPECT_EQ(QXDeviceInfo().name(), QStringLiteral("Unknown"));
}

struct TypeCase
{
    qint64 type;
    const char *ip;
    const char *resolution;
    const char *rate;
    quint64 os;
};

class QXDeviceTypeTest : public testing::TestWithParam<TypeCase>
{
};

TEST_P(QXDeviceTypeTest, SettingsAndPlatformFollowTheTypeId)
{
    const TypeCase &c = GetParam();
    const QXDevice device(c.type);
    EXPECT_EQ(device.deviceSocketConfig().typeID(), c.type);
    EXPECT_EQ(device.IP(), QString::fromUtf8(c.ip));
    EXPECT_EQ(device.resolution(), QString::fromUtf8(c.resolution));
    EXPECT_EQ(device.rate(), QString::fromUtf8(c.rate));
    EXPECT_EQ(device.os(), c.os);
    EXPECT_EQ(device.is4G(), c.type == 604);
    EXPECT_EQ(device.noSafeInsPort(), 8000);
    EXPECT_EQ(device.safeInsPort(), 8001);
    EXPECT_EQ(device.noSafeFilePort(), 8002);
    EXPECT_EQ(device.safeFilePort(), 8003);
    EXPECT_EQ(device.connectTimeout(), 2);
    EXPECT_EQ(device.writeTimeout(), 10);
    EXPECT_EQ(device.readTimeout(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Types, QXDeviceTypeTest,
    testing::Values(TypeCase{302, "192.168.2.1", "512", "1M", 2}, TypeCase{501, "192.168.2.1", "512", "1M", 2},
                    TypeCase{502, "192.168.2.1", "512", "1M", 2}, TypeCase{651, "192.168.2.1", "512", "1M", 2},
                    TypeCase{652, "192.168.2.1", "720", "1M", 2}, TypeCase{653, "192.168.2.1", "720", "1M", 2},
                    TypeCase{654, "192.168.2.1", "720", "1M", 2}, TypeCase{503, "192.168.43.1", "720", "1M", 1},
                    TypeCase{603, "192.168.43.1", "720", "1M", 1}, TypeCase{604, "192.168.43.1", "720", "1M", 1},
                    TypeCase{783, "192.168.43.1", "960", "1M", 1}, TypeCase{1001, "192.168.0.1", "768", "1M", 2},
                    TypeCase{1002, "192.168.0.1", "1024", "1M", 2}, TypeCase{1003, "192.168.43.1", "1024", "1M", 1},
                    TypeCase{360, "192.168.43.1", "1300x512", "2M", 1},
                    TypeCase{2049, "192.168.43.1", "800", "2M", 1}, TypeCase{-1, "", "512", "1M", 0},
                    TypeCase{999, "", "512", "1M", 0}));

TEST(QXDeviceTest, DiscoveredSettingsLastUntilTheNameIsAppliedAgain)
{
    QXDevice device(QStringLiteral("orvane_kvk_1"));
    device.updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("192.168.4.7")}});
    EXPECT_EQ(device.IP(), QStringLiteral("192.168.4.7"));
    EXPECT_EQ(device.noSafeInsPort(), 8000);
    device.updateSocketConfigs({{QStringLiteral("noSafeFilePort"), 9002}, {QStringLiteral("readTimeout"), 7}});
    device.updateTranslateConfig({{QStringLiteral("rate"), QStringLiteral("2M")}});
    EXPECT_EQ(device.noSafeFilePort(), 9002);
    EXPECT_EQ(device.readTimeout(), 7);
    EXPECT_EQ(device.IP(), QStringLiteral("192.168.4.7"));
    EXPECT_EQ(device.resolution(), QStringLiteral("960"));
    EXPECT_EQ(device.rate(), QStringLiteral("2M"));

    // A new type id keeps the connection settings; a new device type rebuilds them.
    device.updateTypeID(1002);
    EXPECT_EQ(device.typeID(), 1002);
    EXPECT_EQ(device.IP(), QStringLiteral("192.168.4.7"));
    device.configWithDeviceType(2049);
    EXPECT_EQ(device.IP(), QStringLiteral("192.168.43.1"));
    EXPECT_EQ(device.resolution(), QStringLiteral("800"));
    EXPECT_EQ(device.readTimeout(), 3);

    device.updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("192.168.4.7")}});
    device.configWithWifiName(QStringLiteral("orvane_kvk_1"));
    EXPECT_EQ(device.IP(), QStringLiteral("192.168.43.1"));
    EXPECT_EQ(device.typeID(), 783);
}

TEST(QXDeviceTest, MissingStatusReadsAsZeroAndIgnoresEdits)
{
    QXDevice device(QStringLiteral("orvane_kvk"));
    EXPECT_FALSE(device.hasStatus());
    EXPECT_FALSE(device.editStatus([](QXDeviceStatus &status) { status.setAngle(30); }));
    EXPECT_EQ(device.status().angle(), 0);

    QByteArray reply(61, '\0');
    reply.replace(0, 3, "\x35\xA4\x0A");
    device.configStatusWithData(reply);
    EXPECT_TRUE(device.editStatus([](QXDeviceStatus &status) { status.setAngle(30); }));
    EXPECT_EQ(device.status().angle(), 30);
    // Each reply replaces the whole status, screen edits included.
    device.configStatusWithData(reply);
    EXPECT_EQ(device.status().angle(), 0);
    device.clearStatus();
    EXPECT_FALSE(device.hasStatus());
}

TEST(QXDeviceTest, ClearedMaskReadsAsADefaultMask)
{
    QXDevice device(QStringLiteral("orvane_kvk"));
    device.editMask([](QXDeviceMask &mask) { mask.setMode(3); });
    EXPECT_EQ(device.mask().mode(), 3);
    device.clearMask();
    EXPECT_EQ(device.mask().mode(), 0);
    EXPECT_EQ(device.mask().settingsAtDistrict(2)->value(QStringLiteral("distance")).toLongLong(), 360);
}

TEST(QXDeviceTest, PlayListKeepsItsObjectAcrossDownloads)
{
    QXDevice device(QStringLiteral("orvane_kvk"));
    const std::shared_ptr<QXDeviceFile> file = device.file();
    device.configFileWithString(QStringLiteral("a.mp4,1,1,\r\n"));
    device.configFileWithString(QStringLiteral("b.mp4,1,1,\r\nc.mp4,1,1,\r\n"));
    EXPECT_EQ(device.file(), file);
    EXPECT_EQ(file->count(), 2);
}

TEST(QXDeviceTest, ModeAndWifiNameChangesAreSignalled)
{
    QXDevice device(QStringLiteral("orvane_kvk"));
    EXPECT_EQ(device.mode(), 0);
    QList<qint64> modes;
    QStringList names;
    QObject::connect(&device, &QXDevice::modeChanged, [&modes](qint64 mode) { modes << mode; });
    QObject::connect(&device, &QXDevice::wifiNameChanged, [&names](const QString &name) { names << name; });
    device.setMode(12);
    device.setMode(12);
    device.setWifiName(QStringLiteral("orvane_kvp"));
    device.configWithWifiName(QStringLiteral("orvane_kva_2"));
    EXPECT_EQ(modes, (QList<qint64>{12, 12}));
    EXPECT_EQ(names, (QStringList{QStringLiteral("orvane_kvp"), QStringLiteral("orvane_kva_2")}));
}

TEST(QXDeviceTest, DescriptionNeverCarriesThePassword)
{
    QXDevice device(QStringLiteral("orvane_kvk"));
    device.setWifiPwd(QStringLiteral("secret-12345"));
    EXPECT_TRUE(device.description().contains(QStringLiteral("orvane_kvk")));
    EXPECT_FALSE(device.description().contains(QStringLiteral("secret-12345")));
}

} // namespace
