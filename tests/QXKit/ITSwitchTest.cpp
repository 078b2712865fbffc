#include "ITSwitch.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ITSwitchTest : ::testing::Test
{
    QWidget window;
    ITSwitch *toggle = new ITSwitch(&window);
    QSignalSpy actions{toggle, &ITSwitch::action};

    void SetUp() override
    {
        toggle->resize(50, 30);
        window.resize(100, 60);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void drag(int fromX, int toX)
    {
        QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(fromX, 15));
        QTest::mouseMove(toggle, QPoint(toX, 15));
        QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(toX, 15));
    }
};

void expectRect(const QRectF &actual, qreal x, qreal y, qreal width, qreal height)
{
    EXPECT_NEAR(actual.x(), x, 1e-3);
    EXPECT_NEAR(actual.y(), y, 1e-3);
    EXPECT_NEAR(actual.width(), width, 1e-3);
    EXPECT_NEAR(actual.height(), height, 1e-3);
}

TEST_F(ITSwitchTest, TheKnobTakesTheGoldenShareAndWidensWhilePressed)
{
    expectRect(toggle->rectForKnob(), 1, 1, 29.666, 28);
    toggle->setChecked(true);
    expectRect(toggle->rectForKnob(), 19.334, 1, 29.666, 28);

    QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_TRUE(toggle->isActive());
    EXPECT_NEAR(toggle->rectForKnob().width(), 34.783, 1e-3);
    EXPECT_NEAR(toggle->rectForKnob().right(), 49, 1e-9);
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_FALSE(toggle->isActive());
    EXPECT_EQ(ITSwitch::knobHeightForSize(QSizeF(50, 30)), 28);
}

TEST_F(ITSwitchTest, AClickTogglesAndSendsOneActionWithTheNewState)
{
    bool stateSeenByAction = false;
    QObject::connect(toggle, &ITSwitch::action, toggle, [&] { stateSeenByAction = toggle->checked(); });
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(10, 15));
    EXPECT_TRUE(toggle->checked());
    ASSERT_EQ(actions.count(), 1);
    EXPECT_EQ(actions.at(0).at(0).toBool(), true);
    EXPECT_TRUE(stateSeenByAction);

    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(10, 15));
    EXPECT_FALSE(toggle->checked());
    EXPECT_EQ(actions.count(), 2);
}

TEST_F(ITSwitchTest, ADragDecidesByTheHalfItEndsIn)
{
    drag(5, 20);
    EXPECT_FALSE(toggle->checked());
    EXPECT_EQ(actions.count(), 0);
    EXPECT_FALSE(toggle->hasDragged());

    drag(5, 40);
    EXPECT_TRUE(toggle->checked());
    EXPECT_EQ(actions.count(), 1);

    drag(40, 25);
    EXPECT_TRUE(toggle->checked());
    EXPECT_EQ(actions.count(), 1);
}

TEST_F(ITSwitchTest, SetCheckedIsSilentAndWorksWhileDisabled)
{
    QSignalSpy changes(toggle, &ITSwitch::checkedChanged);
    toggle->setChecked(true);
    toggle->setChecked(true);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(actions.count(), 0);

    toggle->setEnabled(false);
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(10, 15));
    drag(40, 5);
    EXPECT_TRUE(toggle->checked());
    EXPECT_EQ(actions.count(), 0);
    toggle->setChecked(false);
    EXPECT_FALSE(toggle->checked());
}

TEST_F(ITSwitchTest, ArrowsMoveToASideAndSpaceToggles)
{
    toggle->setFocus();
    ASSERT_TRUE(toggle->hasFocus());
    QTest::keyClick(toggle, Qt::Key_Left);
    EXPECT_EQ(actions.count(), 0);
    QTest::keyClick(toggle, Qt::Key_Right);
    EXPECT_TRUE(toggle->checked());
    QTest::keyClick(toggle, Qt::Key_Right);
    EXPECT_EQ(actions.count(), 1);
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->checked());
    QTest::keyClick(toggle, Qt::Key_Left);
    EXPECT_EQ(actions.count(), 2);
}

TEST_F(ITSwitchTest, AssistiveTechnologySeesACheckBoxItCanToggle)
{
    toggle->setAccessibleName(QStringLiteral("Timer"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(toggle);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Timer"));
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_FALSE(accessible->state().checked);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("0"));

    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(toggle->checked());
    EXPECT_TRUE(accessible->state().checked);
    EXPECT_EQ(actions.count(), 1);
}

} // namespace
