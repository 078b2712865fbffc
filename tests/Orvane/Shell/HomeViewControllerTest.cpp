#include "Shell/HomeViewController.h"
#include "Core/Language.h"
#include "Core/NSNavigationController.h"
#include "Modules/Union/UnionListViewController.h"
#include "AnsweringPresenter.h"
#include "Loopback.h"

#include "EventLoop.h"
#include "FakeFan.h"
#include "FocusMark.h"
#include "QXLocalized.h"
#include "Screenshots.h"
#include "HomeMenuCell.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXInsSocket.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedLayout>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <thread>

using orvane::test::AnsweringPresenter;
using orvane::test::waitUntil;

namespace {

// A screen that records what the home screen hands it.
class ConfigurableScreen : public QWidget
{
    Q_OBJECT
public:
    QList<QVariantMap> received;
    Q_INVOKABLE void configData(const QVariantMap &data) { received.append(data); }
    Q_INVOKABLE void configWithData(const QVariantMap &data) { received.append(data); }
};

class HomeViewControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        orvane::language::setLanguage(QStringLiteral("en"));
        // The settings screen reads the device as it appears; dialogs it raises are refused.
        quietDialogs.setRefusing(true);
        home = std::make_unique<HomeViewController>();
        home->resize(1000, 700);
        home->show();
    }

    void TearDown() override
    {
        Modalia::DialogPresenter::setCurrent(&quietDialogs);
        bool down = false;
        QXConnect::connectManager().insSocket()->disconnectWtihBlock([&down](qint64, const QVariant &) { down = true; });
        waitUntil([&] { return down; }, 3000);
        // The requests the closing link failed have posted their outcomes (a settings screen's
        // failed read shows a dialog) before the block above ran: they are answered here, not by
        // the next test's presenter.
        QCoreApplication::sendPostedEvents();
    }

    QWidget *shownScreen() const
    {
        auto *layout = static_cast<QStackedLayout *>(home->contentView()->layout());
        return layout->currentWidget();
    }

    int selectedRow() const
    {
        const auto selected = home->menuView()->selectedItems();
        return selected.isEmpty() ? -1 : home->menuView()->row(selected.first());
    }

    HomeMenuCell *cellAt(int row) const
    {
        return qobject_cast<HomeMenuCell *>(home->menuView()->itemWidget(home->menuView()->item(row)));
    }

    // A click on a menu row, as the operator makes it.
    void clickRow(int row)
    {
        QListWidget *menu = home->menuView();
        const QPoint at = menu->visualItemRect(menu->item(row)).center();
        const QPoint global = menu->viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(menu->viewport(), &press);
        QApplication::sendEvent(menu->viewport(), &release);
    }

    // The current device answers on loopback at the port (target mode 11: no password step).
    // The manager puts the record's address on the socket before each connection; the port is
    // the socket's own.
    static void pointDeviceAt(quint16 port)
    {
        QXConnectManager &manager = QXConnect::connectManager();
        manager.configDeviceWithWifiName(QStringLiteral("ORVANE_TEST_FAN"));
        manager.device()->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("127.0.0.1")}});
        manager.insSocket()->setPort(port);
    }

    AnsweringPresenter quietDialogs;
    std::unique_ptr<HomeViewController> home;
};

} // namespace

TEST_F(HomeViewControllerTest, StartsOnTheConnectionScreenWithFiveKeyedRows)
{
    EXPECT_EQ(home->currentContentViewType(), 100);
    EXPECT_EQ(shownScreen(), home->connectViewController());
    EXPECT_EQ(selectedRow(), 0);
    ASSERT_EQ(home->menuView()->count(), 5);
    const QStringList titles = {"Connect device", "Play list", "Settings", "Sample videos", "Unions"};
    for (int row = 0; row < 5; ++row) {
        ASSERT_NE(cellAt(row), nullptr);
        EXPECT_EQ(cellAt(row)->titleLabel()->text(), titles.at(row));
        EXPECT_EQ(home->menuView()->item(row)->data(Qt::AccessibleTextRole).toString(), titles.at(row));
    }
    EXPECT_EQ(home->currentCell(), cellAt(0));
}

TEST_F(HomeViewControllerTest, TheMenuShowsTheKeyboardFocus)
{
    QApplication::setActiveWindow(home.get());
    home->setFocus();
    const QImage unfocused = home->grab().toImage();
    home->menuView()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(qxkit::focusMarkedWidget(), home->menuView());
    EXPECT_NE(orvane::test::grabScreenshot(home.get(), QStringLiteral("home-menu-focus")), unfocused);
}

TEST_F(HomeViewControllerTest, MenuRowsAndScreenTypesFollowEachOther)
{
    const QList<QPair<int, int>> typesAndRows = {{101, 1}, {103, 2}, {110, 3}, {100, 0}, {107, 1}, {108, 1}, {109, 1}};
    for (const auto &[type, row] : typesAndRows) {
        home->switchToViewControllerType(type);
        EXPECT_EQ(home->currentContentViewType(), type);
        EXPECT_EQ(selectedRow(), row) << type;
        EXPECT_EQ(home->currentCell(), cellAt(row));
    }
    EXPECT_EQ(shownScreen(), home->listEditVC());

    // Unions keep the menu where it is unless the row itself was clicked.
    home->switchToViewControllerType(111);
    EXPECT_EQ(shownScreen(), home->unionNavi());
    EXPECT_NE(qobject_cast<UnionListViewController *>(home->unionNavi()->rootViewController()), nullptr);
    EXPECT_EQ(selectedRow(), 1);

    clickRow(3);
    EXPECT_EQ(home->currentContentViewType(), 110);
    EXPECT_EQ(shownScreen(), home->materialVC());
    clickRow(4);
    EXPECT_EQ(home->currentContentViewType(), 111);
    EXPECT_EQ(selectedRow(), 4);
    EXPECT_EQ(home->currentCell(), cellAt(4));
    clickRow(0);
    EXPECT_EQ(home->currentContentViewType(), 100);
}

TEST_F(HomeViewControllerTest, SwitchingToTheShownTypeChangesNothingAndUnknownTypesAreOnlyRecorded)
{
    home->textOperationInfo()->setText(QStringLiteral("busy"));
    home->switchToViewControllerType(100);
    EXPECT_EQ(home->textOperationInfo()->text(), "busy");

    home->switchToViewControllerType(105);
    EXPECT_EQ(home->currentContentViewType(), 105);
    EXPECT_TRUE(home->textOperationInfo()->text().isEmpty());
    EXPECT_EQ(shownScreen(), home->connectViewController());
    EXPECT_EQ(selectedRow(), 0);

    home->textOperationInfo()->setText(QStringLiteral("busy"));
    home->switchToViewControllerType(105);
    EXPECT_EQ(home->textOperationInfo()->text(), "busy");
    home->switchToViewControllerType(110);
    EXPECT_EQ(shownScreen(), home->materialVC());
}

TEST_F(HomeViewControllerTest, EditorAndVideoListReceiveOnlyTheDataTheyCanTake)
{
    auto *editor = new ConfigurableScreen;
    auto *videos = new ConfigurableScreen;
    home->setListEditVC(editor);
    home->setVideoListVC(videos);

    home->childVC(nullptr, 109, QVariantList{1, 2});
    EXPECT_EQ(home->currentContentViewType(), 109);
    EXPECT_EQ(shownScreen(), editor);
    EXPECT_TRUE(editor->received.isEmpty());

    home->childVC(nullptr, 100);
    const QVariantMap data{{QStringLiteral("appendList"), QVariantList{}}};
    home->childVC(nullptr, 109, data);
    ASSERT_EQ(editor->received.size(), 1);
    EXPECT_EQ(editor->received.first(), data);

    home->childVC(nullptr, 108, QVariantMap{{QStringLiteral("isSelecting"), true}});
    EXPECT_EQ(shownScreen(), videos);
    ASSERT_EQ(videos->received.size(), 1);
    EXPECT_TRUE(videos->received.first().value(QStringLiteral("isSelecting")).toBool());
}

TEST_F(HomeViewControllerTest, ConnectionOutcomesSwitchOnTheGuiThreadFromAnyThread)
{
    std::thread worker([this] { home->connectViewControllerSucceededConnectAtMode(nullptr, 12); });
    worker.join();
    EXPECT_EQ(home->currentContentViewType(), 100) << "the switch waits for the event loop";
    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 101; }, 2000));
    EXPECT_EQ(shownScreen(), home->playlistNavi());

    home->connectViewControllerFailedConnectAtMode(nullptr, 11);
    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 100; }, 2000));
}

TEST_F(HomeViewControllerTest, PlaylistRowWithTheFanUnreachableShowsTheFailureThenTheConnectionScreen)
{
    AnsweringPresenter presenter;
    presenter.setRefusing(true);
    pointDeviceAt(orvane::test::closedPort());
    home->switchToViewControllerType(110);

    clickRow(1);
    // The menu keeps its row until the outcome, and ignores clicks meanwhile.
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_TRUE(home->isReconnecting());
    clickRow(4);
    EXPECT_EQ(home->currentContentViewType(), 110);

    ASSERT_TRUE(waitUntil([&] { return !home->isReconnecting(); }, 5000));
    ASSERT_EQ(presenter.texts.size(), 1);
    EXPECT_TRUE(presenter.texts.first().contains(qxLocalized("ov_conn_fail_tip")));
    EXPECT_EQ(home->currentContentViewType(), 100);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(shownScreen(), home->connectViewController());
}

TEST_F(HomeViewControllerTest, SettingsRowWithTheFanAnsweringReconnectsAndSwitches)
{
    AnsweringPresenter presenter;
    presenter.setRefusing(true);
    QTcpServer fan;
    ASSERT_TRUE(fan.listen(QHostAddress::LocalHost, 0));
    pointDeviceAt(fan.serverPort());

    clickRow(2);
    EXPECT_EQ(home->currentContentViewType(), 100);
    ASSERT_TRUE(waitUntil([&] { return home->currentContentViewType() == 103; }, 5000));
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_FALSE(home->isReconnecting());
    EXPECT_TRUE(presenter.texts.isEmpty());
    EXPECT_TRUE(QXConnect::connectManager().insSocket()->isConnected());

    // Connected, the play-list row switches at once.
    clickRow(1);
    EXPECT_EQ(home->currentContentViewType(), 101);
    EXPECT_EQ(shownScreen(), home->playlistNavi());
}

TEST_F(HomeViewControllerTest, ALinkThatNeverPassedThePasswordStepIsNotTakenAsConnected)
{
    AnsweringPresenter presenter;
    presenter.setRefusing(true);
    orvane::test::FakeFan fan;
    fan.requirePassword("12345678");
    pointDeviceAt(fan.port());
    QXConnectManager &manager = QXConnect::connectManager();
    manager.device()->setTargetMode(QXConnectManager::verifiedMode);
    manager.device()->setWifiPwd(QStringLiteral("wrong-pass"));
    const std::shared_ptr<QXInsSocket> socket = manager.insSocket();
    socket->setShouldVerify(true);
    socket->setVerifyData("wrong-pass");
    bool failed = false;
    socket->connectedWithSuccess(nullptr, [&](auto &&...) { failed = true; });
    ASSERT_TRUE(waitUntil([&] { return failed; }, 3000));
    ASSERT_TRUE(socket->isConnected()) << "the fan keeps the refused link open";

    clickRow(1);
    EXPECT_EQ(home->currentContentViewType(), 100);
    EXPECT_TRUE(home->isReconnecting());
    ASSERT_TRUE(waitUntil([&] { return !home->isReconnecting(); }, 5000));
    EXPECT_EQ(home->currentContentViewType(), 100);
    ASSERT_EQ(presenter.texts.size(), 1);
    EXPECT_TRUE(presenter.texts.first().contains(qxLocalized("ov_conn_fail_tip")));
    EXPECT_EQ(fan.passwordAttempts(), 2) << "the reconnection tried the password again";
    manager.device()->setTargetMode(QXConnectManager::plainMode);
}

#include "HomeViewControllerTest.moc"
