// The connection road against a fake fan at the fans' real addresses, inside the private network
// of scripts/in-test-lan: search, the hotspot and router-network connections with their password
// rules, and the move of a fan onto a Wi-Fi network.
#include "AccessibilityEvents.h"
#include "ConnectTestSupport.h"
#include "EventLoop.h"
#include "FakeFan.h"
#include "FakeFanSsdp.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Connect/DeviceModeSelectView.h"
#include "Modules/Settings/ConnectServerItem.h"
#include "NetworkingDevice.h"
#include "QXLogCapture.h"
#include "QXButton.h"
#include "QXConnect.h"
#include "QXInsSocket.h"
#include "QXUdpSocket.h"
#include "Shell/HomeViewController.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::FakeFan;
using orvane::test::FakeFanSsdp;
using orvane::test::giveStatus;
using orvane::test::press;
using orvane::test::typeAndPress;
using orvane::test::waitUntil;

const QString hotspotAddress = QStringLiteral("192.168.2.1");
const QString routerAddress = QStringLiteral("192.168.1.23");

QXConnectManager &manager()
{
    return QXConnect::connectManager();
}

// Every test starts from a closed default socket, as after a fresh start.
void closeDefaultSocket()
{
    bool down = false;
    manager().insSocket()->disconnectWtihBlock([&](qint64, const QVariant &) { down = true; });
    ASSERT_TRUE(waitUntil([&] { return down && manager().insSocket()->isDisconnected(); }));
}

class ConnectRoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        closeDefaultSocket();
        wifi = orvane::test::installFakeWifi();
        home = std::make_unique<HomeViewController>();
        home->resize(1100, 700);
        home->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(home.get()));
        screen = qobject_cast<ConnectViewController *>(home->connectViewController());
        ASSERT_TRUE(screen);
        ASSERT_EQ(home->currentContentViewType(), 100);
    }

    void TearDown() override
    {
        home.reset();
        closeDefaultSocket();
    }

    // The router-network view with this fan chosen, as a search would leave it.
    void chooseFan(const QString &name)
    {
        screen->setDeviceList({std::make_shared<NetworkingDevice>(name, routerAddress)});
        screen->modeSelectView()->netBtn()->click();
        ASSERT_TRUE(screen->IsReadyForNetworkConnect());
    }

    bool idle() const
    {
        return !screen->connecting() && screen->btnConnectDevice()->isVisibleTo(screen)
            && !screen->circleProgress2()->isVisibleTo(screen);
    }

    std::shared_ptr<orvane::test::FakeWifiProvider> wifi;
    std::unique_ptr<HomeViewController> home;
    ConnectViewController *screen = nullptr;
};

TEST_F(ConnectRoad, SearchListsTheAnnouncedFansAndSelectsTheFirst)
{
    FakeFanSsdp router{QHostAddress(routerAddress)};
    router.setAnswers({FakeFanSsdp::answer(routerAddress, QStringLiteral("Orvane_kvi_Z9")),
                       FakeFanSsdp::answer(QStringLiteral("192.168.1.24"), QStringLiteral("Orvane_kvd_B2"))});
    ASSERT_TRUE(router.start());
    screen->modeSelectView()->netBtn()->click();
    screen->btnSearchDevice()->click();
    EXPECT_FALSE(screen->btnSearchDevice()->isVisibleTo(screen));
    EXPECT_TRUE(screen->circleProgress()->isVisibleTo(screen));
    EXPECT_FALSE(screen->IsReadyForNetworkConnect());

    ASSERT_TRUE(waitUntil([&] { return screen->btnSearchDevice()->isVisibleTo(screen); }, 9000));
    EXPECT_FALSE(screen->circleProgress()->isVisibleTo(screen));
    ASSERT_EQ(screen->deviceList().size(), 2);
    EXPECT_EQ(screen->deviceList().at(0)->name(), QStringLiteral("Orvane_kvd_B2"));
    EXPECT_EQ(screen->deviceList().at(1)->ip(), routerAddress);
    EXPECT_TRUE(screen->IsReadyForNetworkConnect());
    EXPECT_EQ(screen->selectedDevice(), screen->deviceList().first());
    EXPECT_EQ(screen->searchComboBoxView()->selectString(), QStringLiteral("Orvane_kvd_B2"));
    EXPECT_EQ(screen->searchComboBoxView()->contentArray(),
              (QStringList{QStringLiteral("Orvane_kvd_B2"), QStringLiteral("Orvane_kvi_Z9")}));
    EXPECT_EQ(router.searches().size(), 1);

    // A screen made later starts from these results, the first one chosen.
    ConnectViewController later;
    later.show();
    later.modeSelectView()->netBtn()->click();
    ASSERT_EQ(later.deviceList().size(), 2);
    EXPECT_EQ(later.selectedDevice(), later.deviceList().first());
    EXPECT_EQ(later.searchComboBoxView()->selectString(), QStringLiteral("Orvane_kvd_B2"));
}

// Search by keyboard hides its button while it runs: the busy bar in its place holds the focus
// meanwhile, and the device box takes it at the end, heard with the outcome: the first fan, or
// that none was found.
TEST_F(ConnectRoad, ASearchByKeyboardEndsHeardOnTheDeviceBox)
{
    FakeFanSsdp router{QHostAddress(routerAddress)};
    router.setAnswers({FakeFanSsdp::answer(routerAddress, QStringLiteral("Orvane_kvi_Z9"))});
    ASSERT_TRUE(router.start());
    QApplication::setActiveWindow(home.get());
    screen->modeSelectView()->netBtn()->click();
    orvane::test::AccessibilityEvents heard;
    const auto search = [&](const QString &outcome) {
        screen->btnSearchDevice()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(screen->btnSearchDevice(), Qt::Key_Space);
        ASSERT_FALSE(screen->btnSearchDevice()->isVisibleTo(screen));
        EXPECT_EQ(QApplication::focusWidget(), screen->circleProgress());
        heard.clear();
        ASSERT_TRUE(waitUntil([&] { return screen->btnSearchDevice()->isVisibleTo(screen); }, 9000));
        EXPECT_EQ(QApplication::focusWidget(), screen->searchComboBoxView());
        orvane::test::expectLastFocusOnFocusWidget(heard);
        EXPECT_EQ(heard.lastFocus().value, outcome);
    };
    search(QStringLiteral("Orvane_kvi_Z9"));
    router.setAnswers({});
    search(orvane::test::text("ov_no_device_found"));
    EXPECT_TRUE(screen->deviceList().isEmpty());
}

// Another screen's search runs: this one is refused, which is no sign that there is no fan. The
// screen asks to wait, and keeps the listed fan chosen.
TEST_F(ConnectRoad, ASearchRefusedWhileAnotherRunsAsksToWaitAndKeepsTheChosenFan)
{
    chooseFan(QStringLiteral("Orvane_kvi_Z9"));
    const QXUdpSocket::SearchId other = QXUdpSocket::shared().continuesSearchWithDuration(
        600, nullptr, [](const QXSearchResults &, QXUdpSocket::Outcome) {});
    ASSERT_NE(other, QXUdpSocket::noSearch);
    AnsweringPresenter presenter;
    QApplication::setActiveWindow(home.get());
    orvane::test::AccessibilityEvents heard;
    screen->btnSearchDevice()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen->btnSearchDevice(), Qt::Key_Space);
    // Expected, not asserted: the other search is stopped whatever this one did.
    EXPECT_TRUE(waitUntil([&] { return !presenter.texts.isEmpty(); }));
    orvane::test::spinFor(50);
    QXUdpSocket::shared().stopSearch(other);

    EXPECT_EQ(presenter.texts, QStringList{orvane::test::text("ov_wait_for_search")});
    ASSERT_EQ(screen->deviceList().size(), 1);
    EXPECT_TRUE(screen->IsReadyForNetworkConnect());
    EXPECT_EQ(screen->searchComboBoxView()->selectString(), QStringLiteral("Orvane_kvi_Z9"));
    EXPECT_TRUE(screen->searchComboBoxView()->infoField()->placeholderText().isEmpty());
    EXPECT_FALSE(screen->circleProgress()->isVisibleTo(screen));
    EXPECT_EQ(heard.lastFocus().object, screen->btnSearchDevice());
}

TEST_F(ConnectRoad, RouterFanWithoutStoredPasswordRefusesShortOnesThenConnectsAndRemembersIt)
{
    // The process remembers every password a fan accepted: each run meets a fan it never met.
    static int run = 0;
    const QString name = QStringLiteral("Orvane_kvi_STA1%1").arg(++run);
    FakeFan fan{QHostAddress(routerAddress), 8000};
    ASSERT_NE(fan.port(), 0);
    fan.requirePassword("12345678");
    fan.setDelay(300);
    chooseFan(name);

    AnsweringPresenter presenter;
    presenter.answerNext(typeAndPress(QStringLiteral("1234567"), "btnOK"));
    presenter.answerNext(press("btnOK"));
    screen->btnConnectDevice()->setFocus();
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 2 && idle(); }));
    EXPECT_EQ(presenter.texts, (QStringList{orvane::test::text("ov_psd"), orvane::test::text("ov_psd_wrong")}));
    // The keyboard is back on the button that started the connection.
    EXPECT_EQ(screen->window()->focusWidget(), screen->btnConnectDevice());
    orvane::test::spinFor(100);
    EXPECT_EQ(fan.connectionCount(), 0) << "a short password never reaches the fan";

    presenter.answerNext(typeAndPress(QStringLiteral("12345678"), "btnOK"));
    screen->btnConnectDevice()->click();
    // A second click while the first connection runs does nothing.
    ASSERT_TRUE(waitUntil([&] { return fan.connectionCount() == 1; }));
    EXPECT_TRUE(screen->connecting());
    screen->clickToConnectDevice();

    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 101; }));
    EXPECT_TRUE(idle());
    EXPECT_EQ(fan.connectionCount(), 1);
    EXPECT_EQ(fan.passwordAttempts(), 1);
    EXPECT_TRUE(fan.received().startsWith("12345678"));
    EXPECT_EQ(presenter.texts.size(), 3);
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().dictionaryForKey(QStringLiteral("DeviceDic")).value(name),
              QStringLiteral("12345678"));
    const std::shared_ptr<QXDevice> record = manager().device();
    EXPECT_EQ(record->mode(), QXConnectManager::verifiedMode);
    EXPECT_EQ(record->wifiName(), name);
    EXPECT_EQ(record->IP(), routerAddress);
    EXPECT_EQ(manager().currentDeviceName(), name);

    // The next time the stored password is used without asking.
    closeDefaultSocket();
    home->switchToViewControllerType(100);
    chooseFan(name);
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 101; }));
    EXPECT_EQ(presenter.texts.size(), 3);
    EXPECT_EQ(fan.passwordAttempts(), 2);
}

TEST_F(ConnectRoad, RefusedStoredPasswordAsksAgainAndARefusedTypedOneFails)
{
    // A 4G model: the second request reminds how to find a forgotten password.
    const QString name = QStringLiteral("Orvane_kvf_STA2");
    manager().addDevice(name, QStringLiteral("old-pass-1"));
    FakeFan fan{QHostAddress(routerAddress), 8000};
    fan.requirePassword("new-pass-2");
    chooseFan(name);

    AnsweringPresenter presenter;
    presenter.answerNext(typeAndPress(QStringLiteral("wrong-pass"), "btnOK"));
    presenter.answerNext(press("btnOK"));
    orvane::test::QXLogCapture log;
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 2 && idle(); }));

    EXPECT_EQ(presenter.texts,
              (QStringList{orvane::test::text("ov_forget_password_hint"), orvane::test::text("ov_conn_fail_tip")}));
    EXPECT_EQ(fan.passwordAttempts(), 2);
    EXPECT_EQ(manager().device()->mode(), QXConnectManager::plainMode);
    EXPECT_EQ(home->currentContentViewType(), 100);
    EXPECT_EQ(manager().pwdOfDevice(name), QStringLiteral("old-pass-1"));
    // The road is logged, the passwords nowhere.
    EXPECT_TRUE(log.contains(QStringLiteral("FindPassword:")));
    EXPECT_FALSE(log.contains(QStringLiteral("old-pass-1")));
    EXPECT_FALSE(log.contains(QStringLiteral("wrong-pass")));
}

TEST_F(ConnectRoad, CancelledPasswordDialogEndsIdleWithTheSocketDown)
{
    FakeFan fan{QHostAddress(routerAddress), 8000};
    chooseFan(QStringLiteral("Orvane_kvi_STA3"));
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnCancel"));
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 1 && idle(); }));
    orvane::test::spinFor(100);
    EXPECT_EQ(fan.connectionCount(), 0);
    EXPECT_TRUE(manager().insSocket()->isDisconnected());
}

TEST_F(ConnectRoad, HotspotConnectionReachesThePlayListAndAConnectedSocketGoesStraightThere)
{
    const QString name = QStringLiteral("Orvane_kvi_AP01");
    wifi->current = name;
    FakeFan fan{QHostAddress(hotspotAddress), 8000};
    ASSERT_NE(fan.port(), 0);
    screen->modeSelectView()->localBtn()->click();
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 101; }));
    EXPECT_TRUE(idle());
    // No password goes first: the fan hears only the play-list screen reading list, status and mask.
    // The screen's reading is over once the socket is free again; until then a click on Connect
    // is ignored, as while any instruction runs.
    ASSERT_TRUE(waitUntil([&] { return fan.codes().size() == 3 && manager().insSocket()->isFree(); }));
    // The fan's thread has accepted the connection by the time it read the frames.
    EXPECT_EQ(fan.connectionCount(), 1);
    EXPECT_EQ(fan.codes(), (QList<quint8>{11, 10, 46})) << "a hotspot connection sends no password";
    const std::shared_ptr<QXDevice> record = manager().device();
    EXPECT_EQ(record->mode(), QXConnectManager::plainMode);
    EXPECT_EQ(record->wifiName(), name);

    home->switchToViewControllerType(100);
    screen->modeSelectView()->localBtn()->click();
    screen->btnConnectDevice()->click();
    EXPECT_EQ(home->currentContentViewType(), 101);
    orvane::test::spinFor(100);
    EXPECT_EQ(fan.connectionCount(), 1);
}

TEST_F(ConnectRoad, HotspotWithoutAFanSaysTheConnectionFailed)
{
    wifi->current = QStringLiteral("Orvane_kvl_AP02"); // a model at 192.168.0.1, where nothing listens
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    screen->modeSelectView()->localBtn()->click();
    screen->btnConnectDevice()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 1 && idle(); }, 8000));
    EXPECT_EQ(presenter.texts, QStringList{orvane::test::text("ov_conn_fail_tip")});
    EXPECT_EQ(home->currentContentViewType(), 100);
}

TEST_F(ConnectRoad, OutcomeArrivingAfterTheScreenIsGoneIsDropped)
{
    FakeFan fan{QHostAddress(hotspotAddress), 8000};
    fan.setDelay(200);
    wifi->current = QStringLiteral("Orvane_kvi_AP03");
    screen->modeSelectView()->localBtn()->click();
    screen->btnConnectDevice()->click();
    home.reset();
    ASSERT_TRUE(waitUntil([&] { return manager().device()->mode() == QXConnectManager::plainMode; }));
    orvane::test::spinFor(100);
    // The connection's bookkeeping is done; nothing reached the deleted screen.
    EXPECT_TRUE(manager().insSocket()->isConnected());
    EXPECT_EQ(manager().device()->wifiName(), QStringLiteral("Orvane_kvi_AP03"));
}

// --- The move onto a Wi-Fi network ---

class WifiMove : public ::testing::Test
{
protected:
    void SetUp() override
    {
        closeDefaultSocket();
        ASSERT_NE(fan.port(), 0);
        wifi = orvane::test::installFakeWifi();
        wifi->inRange = {QStringLiteral("Workshop")};
        manager().configDeviceWithWifiName(QStringLiteral("Orvane_kvi_MOVE"));
        manager().device()->setTargetMode(QXConnectManager::plainMode);
        manager().configSocket();
        bool connected = false;
        manager().insSocket()->connectedWithSuccess(
            [&](const QXOperationRef &, qint64, const QVariant &) { connected = true; }, nullptr);
        ASSERT_TRUE(waitUntil([&] { return connected; }));

        item = std::make_unique<ConnectServerItem>();
        item->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(item.get()));
        item->wifiBox()->setStringOfIndex(0);
        item->pwdInput()->setText(QStringLiteral("shop-pass"));
        item->updateConnectButton();
        ASSERT_TRUE(item->connectBtn()->isEnabled());
    }

    void TearDown() override
    {
        item.reset();
        closeDefaultSocket();
    }

    FakeFan fan{QHostAddress(hotspotAddress), 8000};
    std::shared_ptr<orvane::test::FakeWifiProvider> wifi;
    std::unique_ptr<ConnectServerItem> item;
};

TEST_F(WifiMove, FanWithoutServerChoiceGetsOnlyTheJoinAndTheNetworkIsRemembered)
{
    giveStatus(*manager().device(), 14, 0x40, 1);
    manager().addWifi(QStringLiteral("Older"), QStringLiteral("older-pass"));
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    presenter.answerNext(press("btnOK"));
    item->connectBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 2; }));
    orvane::test::spinFor(100);

    EXPECT_EQ(fan.codes(), QList<quint8>{18});
    EXPECT_EQ(presenter.texts,
              (QStringList{orvane::test::text("ov_ap2sta_tip"), orvane::test::text("ov_ap2stp_success")}));
    const QVariantList remembered =
        QXUserDefaults::standardUserDefaults().arrayForKey(QStringLiteral("WifiArray"));
    ASSERT_GE(remembered.size(), 2);
    EXPECT_TRUE(remembered.first().toMap().values().contains(QStringLiteral("Workshop")));
    EXPECT_EQ(manager().pwdOfWifi(QStringLiteral("Workshop")), QStringLiteral("shop-pass"));
    EXPECT_EQ(manager().device()->mode(), QXConnectManager::verifiedMode);
    EXPECT_TRUE(waitUntil([&] { return manager().insSocket()->isDisconnected(); }));
}

TEST_F(WifiMove, FanWithServerChoiceGetsTheServerIndexFirst)
{
    giveStatus(*manager().device(), 15, 0x40, 2);
    item->refreshServer();
    orvane::test::spinFor(10);
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    presenter.answerNext(press("btnOK"));
    item->connectBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 2; }));

    ASSERT_EQ(fan.codes(), (QList<quint8>{49, 18}));
    EXPECT_TRUE(fan.frames().first().bytes.endsWith(QByteArray::fromHex("0002")));
    EXPECT_EQ(manager().device()->status().serverIndex(), 2);
}

TEST_F(WifiMove, FailedServerInstructionStopsTheMoveSilently)
{
    giveStatus(*manager().device(), 15, 0x40, 1);
    item->refreshServer();
    orvane::test::spinFor(10);
    fan.setReply(49, QByteArray::fromHex("00000000"));
    const QList<QXWifi> rememberedBefore = manager().wifiList();
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    item->connectBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return fan.codes().size() == 1; }));
    orvane::test::spinFor(300);

    EXPECT_EQ(fan.codes(), QList<quint8>{49});
    EXPECT_EQ(presenter.texts.size(), 1);
    EXPECT_EQ(manager().device()->mode(), 0);
    EXPECT_EQ(manager().wifiList(), rememberedBefore);
}

TEST_F(WifiMove, CancelSendsNothingAndABusySocketIsLeftAlone)
{
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnCancel"));
    item->connectBtn()->click();
    orvane::test::spinFor(100);
    EXPECT_TRUE(fan.codes().isEmpty());

    fan.setReply(10, FakeFan::Reply{{FakeFan::plainReply(10)}, 400});
    manager().insSocket()->sendInsWithType(QXInsCode::status, 0, nullptr, nullptr);
    ASSERT_TRUE(waitUntil([&] { return manager().insSocket()->currentIns() == 10; }));
    item->connectBtn()->click();
    EXPECT_EQ(presenter.texts.size(), 1);
}

} // namespace
