#include "EventLoop.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

namespace {

using orvane::test::waitUntil;

// The desktop may hand the keyboard to another window while a popup is open: the window beneath
// a file panel confirmed while the completion list of its name field still shows goes back to
// the window beneath. Once the popup is gone the window the desktop chose is the active one,
// the focus back where the operator was, and Tab moves it on.
TEST(WindowActivation, TheWindowFocusedWhileAPopupWasOpenTakesTheKeyboardOnceItCloses)
{
    qxkit::keepActiveWindowInStep();
    QWidget window;
    auto *add = new QPushButton(QStringLiteral("Add"));
    auto *clear = new QPushButton(QStringLiteral("Clear"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(add);
    layout->addWidget(clear);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    add->setFocus();

    QDialog panel;
    auto *name = new QLineEdit(&panel);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    name->setFocus();
    QWidget completions(name, Qt::Popup);
    completions.resize(120, 60);
    completions.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&completions));

    QWindowSystemInterface::handleWindowActivated(window.windowHandle(), Qt::ActiveWindowFocusReason);
    ASSERT_TRUE(waitUntil([&] { return QGuiApplication::focusWindow() == window.windowHandle(); }));
    completions.close();

    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(QApplication::focusWidget(), add);
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), clear);
}

} // namespace
