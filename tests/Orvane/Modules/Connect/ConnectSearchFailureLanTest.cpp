// A search on the connection screen that cannot run, as another program holds the discovery
// port. A process of its own: the shared discovery socket keeps its port once bound, so the port
// can be held only where no search has bound it yet.
#include "AccessibilityEvents.h"
#include "AnsweringPresenter.h"
#include "ComboBoxView.h"
#include "ConnectTestSupport.h"
#include "EventLoop.h"
#include "FakeFanSsdp.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Connect/DeviceModeSelectView.h"
#include "QXUdpSocket.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

using orvane::test::text;
using orvane::test::waitUntil;

TEST(ConnectSearchFailure, AHeldPortIsShownAndHeardAsAFailedSearchNotAsNoDevice)
{
    orvane::test::FakeFanSsdp router{QHostAddress(QStringLiteral("192.168.1.23"))};
    ASSERT_TRUE(router.start());
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, QXUdpSocket::shared().port(), QAbstractSocket::DontShareAddress));
    orvane::test::AnsweringPresenter presenter;
    ConnectViewController screen;
    screen.show();
    QApplication::setActiveWindow(&screen);
    screen.modeSelectView()->netBtn()->click();
    orvane::test::AccessibilityEvents heard;
    screen.btnSearchDevice()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen.btnSearchDevice(), Qt::Key_Space);
    ASSERT_TRUE(waitUntil([&] { return screen.btnSearchDevice()->isVisibleTo(&screen); }, 9000));

    // The failure comes in a message (heard by its text); the empty box, which has the focus,
    // claims nothing.
    EXPECT_EQ(presenter.texts, QStringList{text("ov_search_failed")});
    EXPECT_TRUE(screen.deviceList().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), screen.searchComboBoxView());
    EXPECT_TRUE(screen.searchComboBoxView()->infoField()->placeholderText().isEmpty());
    EXPECT_EQ(heard.lastFocus().object, screen.searchComboBoxView());
    EXPECT_TRUE(heard.lastFocus().value.isEmpty());
    EXPECT_TRUE(router.searches().isEmpty());
}

} // namespace
