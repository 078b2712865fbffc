#include "MultyConnectProtocol.h"
#include "NetworkingDevice.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ModelCase
{
    const char *name;
    const char *resolution;
    const char *rate;
    qint64 diameter;
};

class NetworkingDeviceModelTest : public testing::TestWithParam<ModelCase>
{
};

TEST_P(NetworkingDeviceModelTest, DerivesConversionSettingsFromTheModelPart)
{
    const ModelCase &c = GetParam();
    const NetworkingDevice device(QString::fromUtf8(c.name), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(device.resolution(), QLatin1String(c.resolution));
    EXPECT_EQ(device.rate(), QLatin1String(c.rate));
    EXPECT_EQ(device.diameter(), c.diameter);
    EXPECT_FALSE(device.isMaster());
}

INSTANTIATE_TEST_SUITE_P(
    Models, NetworkingDeviceModelTest,
    testing::Values(
        ModelCase{"orvane_kvb_1", "512", "1M", 512},
        // "kvb" is compared before lower-casing, so the upper-case part falls to the defaults.
        ModelCase{"orvane_KVB_1", "512", "1M", 720}, ModelCase{"orvane_kvg", "512", "1M", 512},
        ModelCase{"orvane_KVC", "512", "1M", 512}, ModelCase{"orvane_KVI_9", "720", "1M", 720},
        ModelCase{"orvane_kvj", "720", "1M", 720}, ModelCase{"orvane_kvl", "768", "1M", 768},
        ModelCase{"orvane_akvyb", "768", "1M", 768}, ModelCase{"orvane_kvm", "1024", "1M", 1024},
        // Its own table: the device record gives kvx the 768 of model kvl instead.
        ModelCase{"orvane_x1kvx9", "1024", "1M", 1024}, ModelCase{"orvane_kvq", "720", "1M", 720},
        ModelCase{"orvane_kvr", "960", "1M", 960}, ModelCase{"orvane_kvo_1", "1300x512", "2M", 0},
        ModelCase{"orvane_kvp", "800", "2M", 800}, ModelCase{"orvane_zz9", "512", "1M", 720},
        ModelCase{"orvane", "512", "1M", 720}));

TEST(NetworkingDeviceTest, RenamingKeepsTheDerivedSettingsUntilCalcRunsAgain)
{
    NetworkingDevice device(QStringLiteral("orvane_kvo"), QStringLiteral("10.0.0.1"));
    device.setName(QStringLiteral("orvane_kvp"));
    EXPECT_EQ(device.resolution(), QStringLiteral("1300x512"));
    device.calc();
    EXPECT_EQ(device.resolution(), QStringLiteral("800"));
}

TEST(NetworkingDeviceTest, ScreensShareOneDeviceByIdentity)
{
    struct Screen : MultyConnectProtocol
    {
        std::shared_ptr<NetworkingDevice> member;
        std::shared_ptr<NetworkingDevice> device() const override { return member; }
    };
    Screen screen;
    screen.member = std::make_shared<NetworkingDevice>(QStringLiteral("orvane_kvk"), QStringLiteral("10.0.0.1"));
    screen.member->setIp(QStringLiteral("10.0.0.9"));
    EXPECT_EQ(screen.device()->ip(), QStringLiteral("10.0.0.9"));
    const auto twin = std::make_shared<NetworkingDevice>(QStringLiteral("orvane_kvk"), QStringLiteral("10.0.0.9"));
    EXPECT_NE(screen.device(), twin);
}

} // namespace
