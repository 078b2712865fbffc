// The focus ring: every control that can hold the keyboard focus shows it, whatever draws it.
#include "ComboBoxView.h"
#include "FocusMark.h"
#include "ITSwitch.h"
#include "PlayControlView.h"
#include "QXButton.h"
#include "QXDashboard.h"
#include "TimerView.h"

#include "Screenshots.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusFrame>
#include <QHBoxLayout>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Panel
{
    Panel()
    {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(0x1B, 0x1D, 0x28));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto *row = new QHBoxLayout(&window);
        row->setContentsMargins(12, 12, 12, 12);
        row->setSpacing(12);
        combo->setFixedSize(160, 30);
        dial->setFixedSize(120, 120);
        time->setFixedSize(160, 30);
        for (QWidget *control : std::initializer_list<QWidget *>{combo, play, toggle, time, dial, button})
            row->addWidget(control);
        window.resize(900, 150);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Every widget Tab reaches, in order, once round the window.
    QList<QWidget *> tabStops() const
    {
        QList<QWidget *> stops;
        for (QWidget *next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain()) {
            if (next->isVisibleTo(&window) && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus))
                stops.append(next);
        }
        return stops;
    }

    QImage picture() { return window.grab().toImage(); }

    QWidget window;
    ComboBoxView *combo = new ComboBoxView;
    PlayControlView *play = new PlayControlView;
    ITSwitch *toggle = new ITSwitch;
    TimerView *time = new TimerView;
    QXDashboard *dial = new QXDashboard(QXDashboardConfig{});
    QXButton *button = new QXButton(QStringLiteral("Send"));
};

TEST(FocusMark, EveryTabStopDrawsTheRingAroundItself)
{
    Panel panel;
    panel.window.setFocus();
    const QImage unfocused = panel.picture();
    EXPECT_EQ(qxkit::focusMarkedWidget(), nullptr);

    const QList<QWidget *> stops = panel.tabStops();
    ASSERT_GE(stops.size(), 8) << "combo, three play buttons, switch, time fields, dial, button";
    for (QWidget *stop : stops) {
        stop->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(stop->hasFocus()) << stop->metaObject()->className();
        EXPECT_EQ(qxkit::focusMarkedWidget(), stop) << stop->metaObject()->className();
        const QImage focused = panel.picture();
        EXPECT_NE(focused, unfocused) << stop->metaObject()->className() << " " << stop->objectName().toStdString();
        // The ring lies on the control's edge.
        const QPoint edge = stop->mapTo(&panel.window, QPoint(stop->width() / 2, 0));
        EXPECT_NE(focused.pixel(edge), unfocused.pixel(edge)) << stop->metaObject()->className() << " " << stop->objectName().toStdString();
    }
    orvane::test::saveScreenshot(panel.picture(), QStringLiteral("focus-mark"));

    panel.window.setFocus();
    EXPECT_EQ(qxkit::focusMarkedWidget(), nullptr);
    EXPECT_EQ(panel.picture(), unfocused);
}

TEST(FocusMark, TheRingTakesNoClicksAndIsNotReadOut)
{
    Panel panel;
    panel.button->setFocus(Qt::TabFocusReason);
    auto *ring = panel.window.findChild<QFocusFrame *>();
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(ring->testAttribute(Qt::WA_TransparentForMouseEvents));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&panel.window);
    for (int index = 0; index < window->childCount(); ++index)
        EXPECT_NE(window->child(index)->object(), ring);

    // A focused control that goes away takes the ring with it, and the next one gets it.
    delete panel.button;
    panel.toggle->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(qxkit::focusMarkedWidget(), panel.toggle);
}

} // namespace
