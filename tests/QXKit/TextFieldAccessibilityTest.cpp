#include "AccessibilityEvents.h"
#include "PasswordAccessibility.h"
#include "QXView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using orvane::test::AccessibilityEvents;

// A text field that gets the focus, by Tab, by Shift+Tab or from its screen when the control
// before it goes away, is heard as the focus with its name and role: its focus event comes before
// any selection or caret event of the field. The text is still selected on a Tab, as Qt does.
TEST(TextFieldAccessibility, AFieldTakingTheFocusIsHeardBeforeItsSelection)
{
    AccessibilityEvents heard;
    qxkit::guardTextFieldAccessibility();
    QWidget window;
    auto *before = new QPushButton(QStringLiteral("Search"));
    auto *name = new QLineEdit(QStringLiteral("hall12"));
    name->setAccessibleName(QStringLiteral("Union name"));
    auto *password = new QLineEdit;
    qxkit::setPasswordEntry(password);
    password->setAccessibleName(QStringLiteral("Wi-Fi password"));
    password->setText(QStringLiteral("secret12"));
    auto *after = new QPushButton(QStringLiteral("Save"));
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *control : {static_cast<QWidget *>(before), static_cast<QWidget *>(name),
                             static_cast<QWidget *>(password), static_cast<QWidget *>(after)})
        layout->addWidget(control);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const auto expectHeardFirst = [&heard](QLineEdit *field, const char *step) {
        ASSERT_EQ(QApplication::focusWidget(), field) << step;
        const QList<AccessibilityEvents::Heard> own = heard.eventsOf(field);
        ASSERT_FALSE(own.isEmpty()) << step;
        EXPECT_EQ(own.first().type, QAccessible::Focus) << step << ": first heard " << int(own.first().type);
        EXPECT_EQ(own.first().name, field->accessibleName()) << step;
        EXPECT_EQ(own.first().role, QAccessible::EditableText) << step;
        heard.clear();
    };

    before->setFocus(Qt::OtherFocusReason);
    heard.clear();
    QTest::keyClick(before, Qt::Key_Tab);
    expectHeardFirst(name, "Tab");
    EXPECT_EQ(name->selectedText(), name->text());
    QTest::keyClick(name, Qt::Key_Tab);
    expectHeardFirst(password, "Tab into a password");
    QTest::keyClick(password, Qt::Key_Tab);
    heard.clear();
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    expectHeardFirst(password, "Shift+Tab");

    before->setFocus(Qt::OtherFocusReason);
    heard.clear();
    before->hide();
    expectHeardFirst(name, "the control before goes away");
}

} // namespace
