#include "AccessibilityEvents.h"
#include "ConnectTestSupport.h"
#include "Core/ConnecgViewControllerDelegate.h"
#include "Core/Language.h"
#include "DeviceIntroView.h"
#include "EventLoop.h"
#include "FocusMark.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Connect/DeviceModeSelectView.h"
#include "NetworkingDevice.h"
#include "Shell/HomeViewController.h"
#include "Shell/MasterWindowController.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::press;

class ConnectScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The operator reads texts, not keys, on the screenshots.
        orvane::language::setLanguageWithType(1);
        screen = std::make_unique<ConnectViewController>();
        screen->resize(960, 640);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    }

    // What is on screen now, by role.
    bool shown(QWidget *widget) const { return widget->isVisibleTo(screen.get()); }

    std::unique_ptr<ConnectViewController> screen;
};

// Tab from the screen itself round to it again, checking the ring on each stop.
void expectEveryTabStopMarked(QWidget *screen, const QString &picture)
{
    QApplication::setActiveWindow(screen);
    screen->setFocus();
    const QImage unfocused = screen->grab().toImage();
    int stops = 0;
    for (QWidget *next = screen->nextInFocusChain(); next != screen; next = next->nextInFocusChain()) {
        if (!next->isVisibleTo(screen) || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus))
            continue;
        next->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(qxkit::focusMarkedWidget(), next) << next->metaObject()->className();
        const QImage focused = screen->grab().toImage();
        EXPECT_NE(focused, unfocused) << next->metaObject()->className();
        if (stops++ == 0)
            orvane::test::saveScreenshot(focused, picture);
    }
    EXPECT_GT(stops, 1);
}

TEST_F(ConnectScreenTest, EveryControlShowsTheKeyboardFocus)
{
    expectEveryTabStopMarked(screen.get(), QStringLiteral("connect-focus-cards"));
    screen->modeSelectView()->netBtn()->click();
    expectEveryTabStopMarked(screen.get(), QStringLiteral("connect-focus-sta"));
}

TEST_F(ConnectScreenTest, NothingMovesWhileSearchingOrConnecting)
{
    screen->modeSelectView()->netBtn()->click();
    QCoreApplication::processEvents();
    auto where = [&] {
        QList<QRect> places;
        for (QWidget *widget : {static_cast<QWidget *>(screen->labelDeviceList()),
                                static_cast<QWidget *>(screen->searchComboBoxView()),
                                static_cast<QWidget *>(screen->btnSearchDevice()),
                                static_cast<QWidget *>(screen->btnConnectDevice())})
            places.append(QRect(widget->mapTo(screen.get(), QPoint()), widget->size()));
        return places;
    };
    const QList<QRect> idle = where();

    // Searching swaps the search button for the busy bar (the search itself is not started here).
    screen->btnSearchDevice()->hide();
    screen->circleProgress()->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(where(), idle);
    screen->circleProgress()->hide();
    screen->btnSearchDevice()->show();

    screen->beginConnectView();
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen->circleProgress2()->isVisible());
    EXPECT_EQ(where(), idle);
    screen->endConnectView();
    QCoreApplication::processEvents();
    EXPECT_EQ(where(), idle);
}

TEST_F(ConnectScreenTest, ModeChoiceLeadsToEachViewAndBackAlwaysReturnsToIt)
{
    DeviceModeSelectView *modes = screen->modeSelectView();
    // Every appearance starts at the mode choice.
    EXPECT_TRUE(shown(modes));
    EXPECT_FALSE(shown(screen->btnConnectDevice()));
    EXPECT_FALSE(shown(screen->btnBack()));
    EXPECT_FALSE(shown(screen->searchComboBoxView()));
    EXPECT_FALSE(shown(screen->introView()));
    EXPECT_TRUE(screen->IsApMode());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("connect-mode-choice")).isNull());

    modes->localBtn()->click();
    EXPECT_FALSE(shown(modes));
    EXPECT_TRUE(shown(screen->btnConnectDevice()));
    EXPECT_TRUE(shown(screen->btnBack()));
    EXPECT_FALSE(shown(screen->btnSearchDevice()));
    EXPECT_FALSE(shown(screen->labelDeviceList()));
    EXPECT_TRUE(screen->IsApMode());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("connect-ap")).isNull());

    screen->btnBack()->click();
    EXPECT_TRUE(shown(modes));
    modes->netBtn()->click();
    EXPECT_FALSE(shown(modes));
    for (QWidget *widget : {static_cast<QWidget *>(screen->btnSearchDevice()),
                            static_cast<QWidget *>(screen->searchComboBoxView()),
                            static_cast<QWidget *>(screen->labelDeviceList()),
                            static_cast<QWidget *>(screen->btnConnectDevice()),
                            static_cast<QWidget *>(screen->btnBack())})
        EXPECT_TRUE(shown(widget)) << widget->metaObject()->className();
    EXPECT_FALSE(shown(screen->btnErrorSearch()));
    EXPECT_FALSE(screen->IsApMode());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("connect-sta")).isNull());

    screen->btnBack()->click();
    EXPECT_TRUE(screen->IsApMode());
    modes->helpBtn()->click();
    EXPECT_TRUE(shown(screen->introView()));
    EXPECT_TRUE(shown(screen->btnBack()));
    EXPECT_FALSE(shown(screen->btnConnectDevice()));
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("connect-help")).isNull());
    screen->btnBack()->click();
    modes->forgetBtn()->click();
    EXPECT_TRUE(shown(screen->introView()));

    // Hiding and showing the screen (another screen in between) starts over at the choice.
    screen->hide();
    screen->show();
    EXPECT_TRUE(shown(modes));
    EXPECT_FALSE(shown(screen->btnBack()));
}

// A choice made by keyboard hides the choice; the focus goes into the view it opened, straight
// there, and Back hands it to the choices again.
TEST_F(ConnectScreenTest, AViewChosenByKeyboardTakesTheFocusStraightAway)
{
    DeviceModeSelectView *modes = screen->modeSelectView();
    QApplication::setActiveWindow(screen.get());
    orvane::test::AccessibilityEvents heard;
    const auto choose = [&](QPushButton *button) {
        button->setFocus(Qt::TabFocusReason);
        heard.clear();
        QTest::keyClick(button, Qt::Key_Space);
        ASSERT_EQ(heard.focusEvents().size(), 1) << "the focus went nowhere else on the way";
        orvane::test::expectLastFocusOnFocusWidget(heard);
    };
    screen->setDeviceList({});
    choose(modes->netBtn());
    EXPECT_EQ(QApplication::focusWidget(), screen->btnSearchDevice()) << "nothing to choose yet";
    choose(screen->btnBack());
    EXPECT_TRUE(modes->isAncestorOf(QApplication::focusWidget()));

    screen->setDeviceList({std::make_shared<NetworkingDevice>(QStringLiteral("Fan_kvi_01"), QStringLiteral("10.0.0.5"))});
    choose(modes->netBtn());
    EXPECT_EQ(QApplication::focusWidget(), screen->searchComboBoxView());
    EXPECT_EQ(heard.lastFocus().value, QStringLiteral("Fan_kvi_01"));
    choose(screen->btnBack());
    choose(modes->localBtn());
    EXPECT_EQ(QApplication::focusWidget(), screen->btnConnectDevice());
}

TEST_F(ConnectScreenTest, ControlsAreNamedForAssistiveTechnologyAndReachableByKeyboard)
{
    EXPECT_EQ(screen->labelDeviceList()->buddy(), screen->searchComboBoxView());
    for (QWidget *control : {static_cast<QWidget *>(screen->modeSelectView()->localBtn()),
                             static_cast<QWidget *>(screen->modeSelectView()->netBtn()),
                             static_cast<QWidget *>(screen->languageBox())}) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_TRUE(accessible);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_EQ(screen->modeSelectView()->localBtn()->accessibleName(), orvane::test::text("ov_device_is_ap"));
}

TEST_F(ConnectScreenTest, DeviceListOffersTheFoundNamesAndSelectsTheFirstWhenShown)
{
    screen->setDeviceList(
        {std::make_shared<NetworkingDevice>(QStringLiteral("Fan_kvi_01"), QStringLiteral("10.0.0.5")),
         std::make_shared<NetworkingDevice>(QStringLiteral("Fan_kvd_02"), QStringLiteral("10.0.0.6"))});
    screen->changeToSearchView();
    EXPECT_TRUE(screen->IsReadyForNetworkConnect());
    ASSERT_TRUE(screen->selectedDevice());
    EXPECT_EQ(screen->selectedDevice()->name(), QStringLiteral("Fan_kvi_01"));
    EXPECT_EQ(screen->searchComboBoxView()->selectString(), QStringLiteral("Fan_kvi_01"));
    screen->beginConnectView();
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("connect-sta-connecting")).isNull());
    screen->endConnectView();

    // The operator picks the second row.
    orvane::test::pickRow(screen->searchComboBoxView(), 1);
    EXPECT_EQ(screen->selectedDevice()->ip(), QStringLiteral("10.0.0.6"));
    EXPECT_FALSE(screen->IsApMode());

    // Back to the mode choice clears the choice; coming back selects the first again.
    screen->btnBack()->click();
    EXPECT_FALSE(screen->IsReadyForNetworkConnect());
    screen->changeToSearchView();
    EXPECT_EQ(screen->selectedDevice()->name(), QStringLiteral("Fan_kvi_01"));
}

TEST_F(ConnectScreenTest, ConnectWithNothingSelectedSaysSoAndEndsIdle)
{
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    screen->setDeviceList({});
    screen->changeToSearchView();
    screen->btnConnectDevice()->click();

    EXPECT_EQ(presenter.texts, QStringList{orvane::test::text("ov_not_selected_device")});
    EXPECT_FALSE(screen->connecting());
    EXPECT_TRUE(shown(screen->btnConnectDevice()));
    EXPECT_FALSE(shown(screen->circleProgress2()));
}

TEST_F(ConnectScreenTest, LanguageBoxListsTheTenLanguagesAndMarksTheOneInUse)
{
    const QList<QVariantMap> languages = screen->languageList();
    QStringList names;
    QList<int> types;
    for (const QVariantMap &item : languages) {
        names.append(item.value(QStringLiteral("name")).toString());
        types.append(item.value(QStringLiteral("type")).toInt());
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("English"),
                                  QStringLiteral("日本語"), QStringLiteral("Deutsch"), QStringLiteral("русский"),
                                  QStringLiteral("Le français"), QStringLiteral("Português"), QStringLiteral("Espanol"),
                                  QStringLiteral("العربية")}));
    EXPECT_EQ(types, (QList<int>{10, 11, 1, 3, 4, 6, 8, 9, 7, 2}));
    EXPECT_TRUE(screen->languageBox()->showFull());
    const int current = orvane::language::currentLanguage();
    EXPECT_EQ(types.at(screen->languageBox()->selectedIndex()), current);
}

struct PlainConnectDelegate : ConnecgViewControllerDelegate
{
    void connectViewControllerSucceededConnectAtMode(QWidget *, int) override {}
    void connectViewControllerFailedConnectAtMode(QWidget *, int) override {}
};

struct ObjectConnectDelegate : QObject, PlainConnectDelegate
{
};

// A QObject delegate is held weakly and reads as none once destroyed (the screen must not look
// into the dead object to find out); any other delegate is the caller's to keep alive.
TEST_F(ConnectScreenTest, DelegateReadsAsNoneOnceItsObjectIsDestroyed)
{
    PlainConnectDelegate plain;
    screen->setConnectDelegate(&plain);
    EXPECT_EQ(screen->connectDelegate(), &plain);

    auto *object = new ObjectConnectDelegate;
    screen->setConnectDelegate(object);
    EXPECT_EQ(screen->connectDelegate(), object);
    delete object;
    EXPECT_EQ(screen->connectDelegate(), nullptr);

    screen->setConnectDelegate(nullptr);
    EXPECT_EQ(screen->connectDelegate(), nullptr);
}

TEST(ConnectScreenLanguage, PickingAnotherLanguageRebuildsTheHomeScreenAndTheSameOneChangesNothing)
{
    orvane::language::setLanguageWithType(1);
    MasterWindowController window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPointer<HomeViewController> home = window.homeViewController();
    ASSERT_TRUE(home);
    auto *screen = qobject_cast<ConnectViewController *>(home->connectViewController());
    ASSERT_TRUE(screen) << "the home screen's type 100 is the connection screen";
    screen->loadViewIfNeeded();

    screen->comboBox(screen->languageBox(), 2, QStringLiteral("English"));
    orvane::test::spinFor(50);
    EXPECT_EQ(window.homeViewController(), home.data());
    EXPECT_EQ(orvane::language::installedLanguage(), QStringLiteral("en"));

    screen->comboBox(screen->languageBox(), 4, QStringLiteral("Deutsch"));
    ASSERT_TRUE(orvane::test::waitUntil([&] { return window.homeViewController() != home.data(); }));
    EXPECT_EQ(orvane::language::currentLanguage(), 4);
    auto *rebuilt = qobject_cast<ConnectViewController *>(window.homeViewController()->connectViewController());
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(window.homeViewController()->currentContentViewType(), 100);
    orvane::language::setLanguageWithType(1);
}

// Chosen by keyboard, a language rebuilds the screens; the focus stays on the language box, heard
// in the new language with the new value.
TEST(ConnectScreenLanguage, TheFocusStaysOnTheLanguageBoxInTheNewLanguage)
{
    orvane::language::setLanguageWithType(1);
    MasterWindowController window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QPointer<HomeViewController> home = window.homeViewController();
    auto *screen = qobject_cast<ConnectViewController *>(home->connectViewController());
    ASSERT_TRUE(screen);
    orvane::test::AccessibilityEvents heard;
    screen->languageBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen->languageBox(), Qt::Key_Down, Qt::AltModifier);
    // The list opens at English; two rows down is Deutsch.
    QTest::keyClick(screen->languageBox(), Qt::Key_Down);
    QTest::keyClick(screen->languageBox(), Qt::Key_Down);
    QTest::keyClick(screen->languageBox(), Qt::Key_Return);
    ASSERT_TRUE(orvane::test::waitUntil([&] { return window.homeViewController() != home.data(); }));
    auto *rebuilt = qobject_cast<ConnectViewController *>(window.homeViewController()->connectViewController());
    ASSERT_TRUE(rebuilt);
    ASSERT_TRUE(orvane::test::waitUntil([&] { return window.focusWidget() == rebuilt->languageBox(); }));
    // The offscreen platform lets the window go inactive as the old screens' windows go; back in
    // it, the focus is where the rebuild put it.
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(QApplication::focusWidget(), rebuilt->languageBox());
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().name, QStringLiteral("Sprache"));
    EXPECT_EQ(heard.lastFocus().value, QStringLiteral("Deutsch"));
    orvane::language::setLanguageWithType(1);
}

} // namespace
