#include "Core/NetworkManagerWifiProvider.h"
#include "Core/Utils.h"
#include "FakeNetworkManager.h"
#include "QXLogCapture.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeNetworkManager;

class WifiProviderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fake.startBus()) << fake.error().toStdString(); }

    FakeNetworkManager fake;
};

TEST_F(WifiProviderTest, ListsTheCachedNetworksThroughUtilsOnceEach)
{
    fake.setAccessPoints({"HomeNet", "", "HomeNet", "Office"});
    ASSERT_TRUE(fake.registerService()) << fake.error().toStdString();
    auto provider = std::make_shared<NetworkManagerWifiProvider>(fake.clientConnection());
    EXPECT_EQ(provider->cachedNetworkNames(),
              (QStringList{QStringLiteral("HomeNet"), QString(), QStringLiteral("HomeNet"), QStringLiteral("Office")}));
    EXPECT_EQ(provider->interfaceName(), QStringLiteral("wlan0"));

    Utils *utils = Utils::shareInstance();
    utils->setWifiProvider(provider);
    utils->getWifiList();
    const QList<WifiInfo> list = utils->wifiList();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(0).wifiName(), QStringLiteral("HomeNet"));
    EXPECT_EQ(list.at(1).wifiName(), QStringLiteral("Office"));
}

TEST_F(WifiProviderTest, JoiningAsksNetworkManagerForTheFirstAccessPointOfThatNameOnly)
{
    fake.setAccessPoints({"Office", "HomeNet", "HomeNet"});
    ASSERT_TRUE(fake.registerService());
    auto provider = std::make_shared<NetworkManagerWifiProvider>(fake.clientConnection());
    Utils *utils = Utils::shareInstance();
    utils->setWifiProvider(provider);
    orvane::test::QXLogCapture log;

    utils->connectToWifi(QStringLiteral("HomeNet"), QStringLiteral("secret-psk"));
    ASSERT_EQ(fake.joins().size(), 1);
    const FakeNetworkManager::Join join = fake.joins().first();
    EXPECT_EQ(join.device, FakeNetworkManager::wifiDevicePath());
    EXPECT_EQ(join.accessPoint, FakeNetworkManager::accessPointPath(1));
    EXPECT_EQ(join.security.value(QStringLiteral("key-mgmt")).toString(), QStringLiteral("wpa-psk"));
    EXPECT_EQ(join.security.value(QStringLiteral("psk")).toString(), QStringLiteral("secret-psk"));
    EXPECT_TRUE(log.contains(QStringLiteral("连接成功")));

    // A name the scan does not hold asks nothing; an open network carries no security.
    utils->connectToWifi(QStringLiteral("Elsewhere"), QStringLiteral("secret-psk"));
    EXPECT_EQ(fake.joins().size(), 1);
    EXPECT_EQ(provider->joinNetwork(QStringLiteral("Office"), QString(), nullptr), WifiProvider::JoinOutcome::joined);
    EXPECT_TRUE(fake.joins().last().security.isEmpty());

    fake.setJoinError(QStringLiteral("Secrets were required"));
    utils->connectToWifi(QStringLiteral("Office"), QStringLiteral("wrong-psk"));
    EXPECT_TRUE(log.contains(QStringLiteral("连接失败  Secrets were required")));
    EXPECT_FALSE(log.contains(QStringLiteral("secret-psk")) || log.contains(QStringLiteral("wrong-psk")))
        << "passwords never reach the log";
}

TEST_F(WifiProviderTest, ActiveAccessPointNamesTheJoinedNetwork)
{
    fake.setAccessPoints({"HomeNet", "Office"});
    ASSERT_TRUE(fake.registerService());
    NetworkManagerWifiProvider provider(fake.clientConnection());
    EXPECT_FALSE(provider.currentNetworkName().has_value());
    fake.setActiveAccessPoint(1);
    EXPECT_EQ(provider.currentNetworkName(), QStringLiteral("Office"));
}

TEST_F(WifiProviderTest, NoServiceOrASilentOneGivesEmptyAnswersInTime)
{
    NetworkManagerWifiProvider absent(fake.clientConnection(), 300);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(absent.cachedNetworkNames().isEmpty());
    EXPECT_FALSE(absent.currentNetworkName().has_value());
    EXPECT_LT(timer.elapsed(), 1000);

    ASSERT_TRUE(fake.registerService());
    fake.setSilent(true);
    NetworkManagerWifiProvider silent(fake.clientConnection(), 300);
    timer.restart();
    EXPECT_TRUE(silent.cachedNetworkNames().isEmpty());
    EXPECT_TRUE(silent.interfaceName().isEmpty());
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(WifiProviderWithoutBus, AnswersEmptyAtOnce)
{
    NetworkManagerWifiProvider provider(QDBusConnection(QStringLiteral("never-connected")));
    EXPECT_TRUE(provider.cachedNetworkNames().isEmpty());
    EXPECT_FALSE(provider.currentNetworkName().has_value());
    EXPECT_TRUE(provider.interfaceName().isEmpty());
}

} // namespace
