#include "AccessibilityEvents.h"
#include "AccessibilityGuard.h"
#include "EventLoop.h"
#include "QXView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <optional>

namespace {

using orvane::test::AccessibilityEvents;

// A form of a plain field, a password field and a field with an input mask after a button, each
// field named as a screen reader would say it.
class TextFieldAccessibility : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qxkit::guardAccessibility();
        name->setAccessibleName(QStringLiteral("Union name"));
        qxkit::setPasswordEntry(password);
        password->setAccessibleName(QStringLiteral("Wi-Fi password"));
        password->setText(QStringLiteral("secret12"));
        address->setInputMask(QStringLiteral("000.000.000.000"));
        address->setAccessibleName(QStringLiteral("Fan address"));
        address->setText(QStringLiteral("192.168.004.001"));
        // As the operator left it who went back to mend a digit. A Tab into a masked field
        // selects nothing but moves the caret to the first blank, a caret event of its own.
        address->setCursorPosition(8);
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *control : {static_cast<QWidget *>(before), static_cast<QWidget *>(name),
                                 static_cast<QWidget *>(password), static_cast<QWidget *>(address)})
            layout->addWidget(control);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The field has the focus and a screen reader heard that first, with its name and role.
    void expectHeardFirst(QLineEdit *field, const char *step)
    {
        ASSERT_EQ(QApplication::focusWidget(), field) << step;
        const QList<AccessibilityEvents::Heard> own = heard.eventsOf(field);
        ASSERT_FALSE(own.isEmpty()) << step;
        EXPECT_EQ(own.first().type, QAccessible::Focus) << step << ": first heard " << int(own.first().type);
        EXPECT_EQ(own.first().name, field->accessibleName()) << step;
        EXPECT_EQ(own.first().role, QAccessible::EditableText) << step;
        heard.clear();
    }

    // The first event of the type heard of the field since the last clear.
    std::optional<AccessibilityEvents::Heard> firstHeard(const QLineEdit *field, QAccessible::Event type) const
    {
        for (const AccessibilityEvents::Heard &event : heard.eventsOf(field)) {
            if (event.type == type)
                return event;
        }
        return std::nullopt;
    }

    AccessibilityEvents heard; // made first: the guard the fields install stands in front of it
    QWidget window;
    QPushButton *before = new QPushButton(QStringLiteral("Search"));
    QLineEdit *name = new QLineEdit(QStringLiteral("hall12"));
    QLineEdit *password = new QLineEdit;
    QLineEdit *address = new QLineEdit;
};

// A text field that gets the focus, by Tab, by Shift+Tab or from its screen when the control
// before it goes away, is heard as the focus with its name and role: its focus event comes before
// any selection or caret event of the field. The text is still selected, or the caret moved to
// a mask's first blank, on a Tab, as Qt does.
TEST_F(TextFieldAccessibility, AFieldTakingTheFocusIsHeardBeforeItsSelectionAndCaret)
{
    before->setFocus(Qt::OtherFocusReason);
    heard.clear();
    QTest::keyClick(before, Qt::Key_Tab);
    expectHeardFirst(name, "Tab");
    EXPECT_EQ(name->selectedText(), name->text());
    QTest::keyClick(name, Qt::Key_Tab);
    expectHeardFirst(password, "Tab into a password");
    QTest::keyClick(password, Qt::Key_Tab);
    expectHeardFirst(address, "Tab moving the caret");
    EXPECT_EQ(address->cursorPosition(), 0);
    QTest::keyClick(address, Qt::Key_Backtab, Qt::ShiftModifier);
    expectHeardFirst(password, "Shift+Tab");

    before->setFocus(Qt::OtherFocusReason);
    heard.clear();
    before->hide();
    expectHeardFirst(name, "the control before goes away");
}

// Once a field is heard focused, a screen reader follows what the operator does in it: it hears
// nothing of arrow keys or typing in a field whose caret and selection events stay held. A
// password field is followed as closely, but what is typed into it reaches it masked.
TEST_F(TextFieldAccessibility, AFocusedFieldIsHeardAsItsCaretMovesAndTextIsTyped)
{
    before->setFocus(Qt::OtherFocusReason);
    heard.clear();
    for (QLineEdit *field : {name, password}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        expectHeardFirst(field, "Tab");
        const std::string what = field->accessibleName().toStdString();

        QTest::keyClick(field, Qt::Key_Left);
        EXPECT_TRUE(firstHeard(field, QAccessible::TextCaretMoved)) << what << ": Left";
        heard.clear();
        QTest::keyClick(field, '7');
        const auto typed = firstHeard(field, QAccessible::TextInserted);
        ASSERT_TRUE(typed) << what << ": typing";
        // Heard as the field shows it: the character itself, or a password's bullet.
        EXPECT_EQ(typed->texts, QStringList{field->displayText().mid(field->cursorPosition() - 1, 1)}) << what;
        EXPECT_TRUE(firstHeard(field, QAccessible::TextCaretMoved)) << what << ": caret after typing";
        heard.clear();
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        EXPECT_TRUE(firstHeard(field, QAccessible::TextSelectionChanged)) << what << ": Shift+Left";
        EXPECT_EQ(field->selectedText(), u"7") << what;
    }
}

// A drop-down list or popover takes the platform's keyboard focus from the window it opens over,
// which stays the active window all along. A screen reader told of the window's activation then
// would move to the window, away from the list the operator is on.
TEST(WindowAccessibility, APopupTakingTheKeyboardLeavesTheWindowsActivationUntold)
{
    AccessibilityEvents heard;
    qxkit::guardAccessibility();
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Language"), &window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    heard.clear();

    QWidget popup(&window, Qt::Popup);
    popup.resize(80, 80);
    popup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    ASSERT_TRUE(orvane::test::waitUntil([&] { return QGuiApplication::focusWindow() == popup.windowHandle(); }));
    popup.close();
    EXPECT_TRUE(window.isActiveWindow());
    for (const AccessibilityEvents::Heard &event : heard.eventsOf(&window))
        EXPECT_NE(event.type, QAccessible::StateChanged) << "the window's state was told while it stayed active";
}

} // namespace
