#include "ConnectTestSupport.h"
#include "EventLoop.h"
#include "Modules/Settings/ConnectServerItem.h"
#include "QXButton.h"
#include "QXConnect.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::giveStatus;
using orvane::test::press;

class ConnectServerItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wifi = orvane::test::installFakeWifi();
        wifi->inRange = {QStringLiteral("Office"), QStringLiteral("Home"), QString(), QStringLiteral("Office")};
        record()->clearStatus();
        item = std::make_unique<ConnectServerItem>();
        item->resize(520, 220);
        item->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(item.get()));
    }

    static std::shared_ptr<QXDevice> record() { return QXConnect::connectManager().device(); }

    void pickWifi(int row) { orvane::test::pickRow(item->wifiBox(), row); }

    std::shared_ptr<orvane::test::FakeWifiProvider> wifi;
    std::unique_ptr<ConnectServerItem> item;
};

TEST_F(ConnectServerItemTest, FreshItemShowsTheFirstServerNoNetworkAndADisabledButton)
{
    EXPECT_TRUE(item->wifiBox()->selectString().isNull());
    EXPECT_EQ(item->serverBox()->selectString(), QXDeviceStatus::serverList().first());
    EXPECT_FALSE(item->connectBtn()->isEnabled());
    EXPECT_EQ(item->serverTxt()->text(), orvane::test::text("ov_service_tip"));
    EXPECT_EQ(item->connectBtn()->text(), orvane::test::text("ov_device_conn_net"));
    EXPECT_EQ(item->pwdTxt()->buddy(), item->pwdInput());
    EXPECT_FALSE(orvane::test::grabScreenshot(item.get(), QStringLiteral("connect-server-item")).isNull());
}

TEST_F(ConnectServerItemTest, ServerChoiceNeedsCoreFifteenAndTheServerIndexFunction)
{
    const QStringList hosts = QXDeviceStatus::serverList();
    ASSERT_EQ(hosts.size(), 3);

    giveStatus(*record(), 14, 0x40, 2);
    item->refreshServer();
    EXPECT_EQ(item->contentForCombleBox(item->serverBox()), QStringList{hosts.first()});
    EXPECT_EQ(item->serverBox()->selectString(), hosts.first());

    giveStatus(*record(), 15, 0x20, 2);
    EXPECT_FALSE(item->serverChoiceSupported());
    EXPECT_EQ(item->contentForCombleBox(item->serverBox()), QStringList{hosts.first()});

    giveStatus(*record(), 15, 0x40 | 0x20, 2);
    item->refreshServer();
    orvane::test::spinFor(10);
    EXPECT_EQ(item->serverBox()->selectString(), hosts.at(2));
    EXPECT_EQ(item->serverBox()->selectedIndex(), 2);
}

TEST_F(ConnectServerItemTest, NetworkListScansEachTimeAndRememberedPasswordsFillTheField)
{
    QXConnect::connectManager().addWifi(QStringLiteral("Home"), QStringLiteral("home-pass"));
    const int scansBefore = wifi->scans;
    // Each name once, hidden networks left out, in the system's order.
    EXPECT_EQ(item->contentForCombleBox(item->wifiBox()),
              (QStringList{QStringLiteral("Office"), QStringLiteral("Home")}));
    EXPECT_EQ(wifi->scans, scansBefore + 1);

    // A network without a remembered password leaves the field as it is.
    item->pwdInput()->setText(QStringLiteral("typed"));
    pickWifi(0);
    EXPECT_EQ(item->pwdInput()->text(), QStringLiteral("typed"));
    EXPECT_TRUE(item->connectBtn()->isEnabled());

    pickWifi(1);
    EXPECT_EQ(item->pwdInput()->text(), QStringLiteral("home-pass"));
    EXPECT_TRUE(item->connectBtn()->isEnabled());

    // The button follows the password field on every edit.
    item->pwdInput()->clear();
    EXPECT_FALSE(item->connectBtn()->isEnabled());
    QTest::keyClicks(item->pwdInput(), QStringLiteral("x"));
    EXPECT_TRUE(item->connectBtn()->isEnabled());
}

TEST_F(ConnectServerItemTest, MoveWithTheSocketDownSaysTheConnectionFailedAndAsksNothingElse)
{
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    ASSERT_TRUE(QXConnect::connectManager().insSocket()->isDisconnected());
    pickWifi(0);
    item->pwdInput()->setText(QStringLiteral("secret"));
    item->connectBtn()->click();
    EXPECT_EQ(presenter.texts, QStringList{orvane::test::text("ov_conn_fail_tip")});
}

} // namespace
