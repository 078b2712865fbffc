#include "AccessibilityEvents.h"
#include "IntegerFormatter.h"
#include "Time.h"
#include "TimerView.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using orvane::Time;

namespace {

struct RecordingDelegate : TimerViewDelegate
{
    std::vector<std::pair<bool, qint64>> calls;
    void textChanged(bool changed, qint64 tag) override { calls.emplace_back(changed, tag); }
};

struct TimerViewTest : ::testing::Test
{
    QWidget window;
    TimerView *view = new TimerView(&window);
    RecordingDelegate delegate;

    void SetUp() override
    {
        view->setDelegate(&delegate);
        view->setTimeTag(7);
        window.resize(220, 40);
        view->resize(220, 40);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Puts the caret after the digit of the field, as the move from the previous field does.
    void focusField(int tag, int caret = 1)
    {
        QLineEdit *field = view->getObjectFromTag(tag);
        field->setFocus(Qt::OtherFocusReason);
        field->setCursorPosition(caret);
    }

    // Each key goes wherever the focus is at that moment.
    void type(const QString &keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    int focusedTag() const
    {
        for (int tag = 1; tag <= 6; ++tag) {
            if (view->getObjectFromTag(tag)->hasFocus())
                return tag;
        }
        return 0;
    }
};

TEST_F(TimerViewTest, EachFieldKeepsOnlyTheDigitsThatCanStandThere)
{
    focusField(1);
    type(QStringLiteral("99"));
    EXPECT_EQ(view->getTimer(), Time(QStringLiteral("09"), QStringLiteral("00"), QStringLiteral("00")));

    focusField(1);
    type(QStringLiteral("257959"));
    EXPECT_EQ(view->getTimer(), Time(QStringLiteral("25"), QStringLiteral("09"), QStringLiteral("59")));

    focusField(3);
    type(QStringLiteral("5"));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("25:59:59"));

    // The new digit wins whether it went after or before the old one; letters never arrive.
    focusField(4, 0);
    type(QStringLiteral("4x"));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("25:54:59"));
    EXPECT_EQ(focusedTag(), 5);
}

TEST_F(TimerViewTest, TheFocusMovesOnAndWrapsFromTheLastFieldToTheFirst)
{
    focusField(5);
    type(QStringLiteral("1"));
    EXPECT_EQ(focusedTag(), 6);
    type(QStringLiteral("2"));
    EXPECT_EQ(focusedTag(), 1);
    EXPECT_EQ(view->getTimerString(), QStringLiteral("00:00:12"));
    // Retyping the digit a field already holds also moves on.
    type(QStringLiteral("0"));
    EXPECT_EQ(focusedTag(), 2);
}

TEST_F(TimerViewTest, AnEmptiedFieldShowsZeroAgainSilently)
{
    view->setTimerWithString(QStringLiteral("12:34:56"));
    focusField(4);
    QTest::keyClick(view->getObjectFromTag(4), Qt::Key_Backspace);
    EXPECT_EQ(view->getObjectFromTag(4)->text(), QStringLiteral("0"));
    EXPECT_EQ(focusedTag(), 4);
    EXPECT_TRUE(delegate.calls.empty());

    // The next keystroke in that field is read against the "0" it now shows.
    type(QStringLiteral("4"));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("12:34:56"));
}

TEST_F(TimerViewTest, TheDelegateLearnsWhetherTheTimeDiffersFromTheReference)
{
    view->setDefaultTime(QStringLiteral("08:30:00"));
    view->setTimerWithString(QStringLiteral("08:30:00"));
    EXPECT_TRUE(delegate.calls.empty());

    focusField(1);
    type(QStringLiteral("0"));
    type(QStringLiteral("9"));
    focusField(2);
    type(QStringLiteral("8"));
    const std::vector<std::pair<bool, qint64>> expected{{false, 7}, {true, 7}, {false, 7}};
    EXPECT_EQ(delegate.calls, expected);

    // Without a reference every edit counts as a change.
    view->setDefaultTime(QString());
    type(QStringLiteral("3"));
    EXPECT_EQ(delegate.calls.back(), std::make_pair(true, qint64(7)));
}

TEST_F(TimerViewTest, SignsAndBlanksNeverReachTheTime)
{
    view->setTimerWithString(QStringLiteral("11:11:11"));
    focusField(2, 0);
    type(QStringLiteral("-"));
    focusField(6, 0);
    type(QStringLiteral(" "));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("10:11:10"));
}

TEST_F(TimerViewTest, MalformedTimesShowOnlyDigits)
{
    view->setTimerWithString(QStringLiteral("ab:7"));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("00:07:00"));
    view->setTimer(Time(QStringLiteral("1"), QStringLiteral("+5"), QStringLiteral("123")));
    EXPECT_EQ(view->getTimerString(), QStringLiteral("01:05:12"));
    EXPECT_TRUE(delegate.calls.empty());
}

TEST_F(TimerViewTest, FieldTagsAndAccessibility)
{
    EXPECT_EQ(view->getObjectFromTag(7), view->getObjectFromTag(1));
    EXPECT_EQ(view->getObjectFromTag(0), nullptr);
    EXPECT_EQ(view->getObjectFromTag(8), nullptr);

    view->setAccessibleName(QStringLiteral("Switch-on time"));
    view->setTimerWithString(QStringLiteral("06:45:00"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Grouping);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Switch-on time"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("06:45:00"));
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(view->getObjectFromTag(3));
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_FALSE(field->text(QAccessible::Name).isEmpty());
}

// Moving between the digits, by Tab or by typing, a screen reader hears each digit field take the
// focus and nothing about selections.
TEST_F(TimerViewTest, MovingBetweenTheDigitsAnnouncesEachDigitWithoutSelectionNoise)
{
    focusField(1);
    orvane::test::AccessibilityEvents log;
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusedTag(), 4);
    type(QStringLiteral("12"));
    ASSERT_EQ(focusedTag(), 6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);

    std::vector<QObject *> focused;
    for (const auto &event : log.events()) {
        EXPECT_NE(event.type, QAccessible::TextSelectionChanged) << event.object->objectName().toStdString();
        if (event.type == QAccessible::Focus)
            focused.push_back(event.object);
    }
    std::vector<QObject *> expected;
    for (int tag : {2, 3, 4, 5, 6, 5})
        expected.push_back(view->getObjectFromTag(tag));
    EXPECT_EQ(focused, expected);
    // With no selection to carry it, each field is heard with its digit, the typed ones too.
    for (const auto &[tag, digit] : {std::pair{3, "0"}, std::pair{4, "1"}, std::pair{5, "2"}}) {
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(view->getObjectFromTag(tag));
        EXPECT_EQ(field->text(QAccessible::Description), QString::fromLatin1(digit)) << tag;
    }
}

TEST(TimeText, MissingOrShortPartsReadAsZero)
{
    EXPECT_EQ(Time::fromString(QString()).getTimeString(), QStringLiteral("00:00:00"));
    EXPECT_EQ(Time::fromString(QStringLiteral("12")).getTimeString(), QStringLiteral("12:00:00"));
    EXPECT_EQ(Time::fromString(QStringLiteral("1:2:3")).getTimeString(), QStringLiteral("01:02:03"));
    EXPECT_EQ(Time::fromString(QStringLiteral("123:45:678:9")).getTime().size(), 6);
    EXPECT_EQ(Time::fromString(QStringLiteral("08:30:15")).getMinute(), (QStringList{QStringLiteral("3"), QStringLiteral("0")}));
}

TEST(IntegerFormatterCheck, LetsThroughOnlyEmptyTextOrOneInteger)
{
    for (const char *valid : {"", "0", "42", " 7", "-3", "+4", "123456789012345678901234"})
        EXPECT_TRUE(IntegerFormatter::isPartialStringValid(QString::fromLatin1(valid))) << valid;
    for (const char *invalid : {"a", "1a", "-", " ", "7 ", "1.5", "--1"})
        EXPECT_FALSE(IntegerFormatter::isPartialStringValid(QString::fromLatin1(invalid))) << invalid;
}

} // namespace
