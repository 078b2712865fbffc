// A step a focus-in handler defers past its focus event: a screen reader believes the last focus
// event, so a step left over from a focus the operator already moved on from must stay quiet.
#include "AccessibleFocus.h"

#include "AccessibilityEvents.h"
#include "EventLoop.h"
#include "QXEventLoop.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using orvane::test::AccessibilityEvents;
using orvane::test::waitUntil;

// Runs the event loop until every step queued so far has had its turn.
void finishQueuedSteps(QObject *context)
{
    bool reached = false;
    qxNextTurn(context, [&reached] { reached = true; });
    ASSERT_TRUE(waitUntil([&reached] { return reached; }));
}

TEST(AccessibleFocus, AStepAfterTheFocusEventRunsOnlyWhileTheWidgetKeepsTheFocus)
{
    AccessibilityEvents heard;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *first = new QPushButton(QStringLiteral("First"));
    auto *second = new QPushButton(QStringLiteral("Second"));
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Like a handler that hands the focus on, or names a part of its widget.
    int runs = 0;
    const auto step = [&runs, first] {
        ++runs;
        first->setFocus(Qt::OtherFocusReason);
        qxkit::announceFocus(first);
    };
    first->setFocus(Qt::TabFocusReason);
    qxkit::afterFocusEvent(first, step);
    finishQueuedSteps(&window);
    EXPECT_EQ(runs, 1);

    // The operator tabs on before the step's turn comes.
    qxkit::afterFocusEvent(first, step);
    second->setFocus(Qt::TabFocusReason);
    heard.clear();
    finishQueuedSteps(&window);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_TRUE(heard.focusEvents().isEmpty());
}

} // namespace
