// What a screen reader hears: every name translated, none a class name, in more than one language;
// the menu heard at its current row.
#include "AccessibilityEvents.h"
#include "Core/Dialog/DialogInputViewController.h"
#include "Core/Language.h"
#include "Modules/Account/LoginViewController.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Settings/ConnectServerItem.h"
#include "Modules/Settings/HotSpotItem.h"
#include "QXLocalized.h"
#include "Shell/HomeViewController.h"

#include "Dialog.h"
#include "InputDialogViewController.h"

#include "ComboBoxView.h"
#include "PlayControlView.h"
#include "TimerView.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

QString nameOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// Every class name a widget of the tree has, down from QObject.
QSet<QString> classNames(QWidget *root)
{
    QSet<QString> names;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.append(root);
    for (QWidget *widget : widgets) {
        for (const QMetaObject *meta = widget->metaObject(); meta; meta = meta->superClass())
            names.insert(QString::fromLatin1(meta->className()));
    }
    return names;
}

void visit(QAccessibleInterface *node, const std::function<void(QAccessibleInterface *)> &check, int depth = 0)
{
    if (!node || depth > 40)
        return;
    check(node);
    for (int index = 0; index < node->childCount(); ++index)
        visit(node->child(index), check, depth + 1);
}

struct Names
{
    QString menu, status, language, previous, play, next, hoursTens;
};

Names namesIn(const QString &language)
{
    orvane::language::setLanguage(language);
    HomeViewController home;
    home.show();
    auto *connect = qobject_cast<ConnectViewController *>(home.connectViewController());
    PlayControlView play;
    TimerView time;

    // Nothing in the home screen is read out by its class name.
    const QSet<QString> classes = classNames(&home);
    visit(QAccessible::queryAccessibleInterface(&home), [&](QAccessibleInterface *node) {
        const QString name = node->text(QAccessible::Name);
        EXPECT_FALSE(classes.contains(name)) << name.toStdString();
    });

    return {nameOf(home.menuView()),
            nameOf(home.textOperationInfo()),
            nameOf(connect->languageBox()),
            nameOf(play.previousBtn()),
            nameOf(play.playBtn()),
            nameOf(play.nextBtn()),
            nameOf(time.findChildren<QLineEdit *>().value(0))};
}

TEST(Accessibility, NamesFollowTheLanguage)
{
    const Names english = namesIn(QStringLiteral("en"));
    EXPECT_EQ(english.menu, QStringLiteral("Menu"));
    EXPECT_EQ(english.status, QStringLiteral("Status"));
    EXPECT_EQ(english.language, QStringLiteral("Language"));
    EXPECT_EQ(english.previous, QStringLiteral("Previous"));
    EXPECT_EQ(english.play, QStringLiteral("Play"));
    EXPECT_EQ(english.next, QStringLiteral("Next"));
    EXPECT_EQ(english.hoursTens, QStringLiteral("Hours, tens digit"));

    const Names german = namesIn(QStringLiteral("de"));
    EXPECT_EQ(german.menu, QStringLiteral("Menü"));
    EXPECT_EQ(german.status, QStringLiteral("Status"));
    EXPECT_EQ(german.language, QStringLiteral("Sprache"));
    EXPECT_EQ(german.previous, QStringLiteral("Zurück"));
    EXPECT_EQ(german.play, QStringLiteral("Abspielen"));
    EXPECT_EQ(german.next, QStringLiteral("Weiter"));
    EXPECT_EQ(german.hoursTens, QStringLiteral("Stunden, Zehnerstelle"));

    const Names japanese = namesIn(QStringLiteral("ja"));
    EXPECT_EQ(japanese.language, QStringLiteral("言語"));
    EXPECT_EQ(japanese.play, QStringLiteral("再生"));
    orvane::language::setLanguage(QStringLiteral("en"));
}

// Focusing the menu (on start, by Tab, or when a screen change leaves the focus there) names its
// current row, as a list does, after the menu itself.
TEST(Accessibility, FocusingTheMenuIsHeardAtItsCurrentRow)
{
    orvane::language::setLanguage(QStringLiteral("en"));
    HomeViewController home;
    home.show();
    QApplication::setActiveWindow(&home);
    ASSERT_TRUE(home.isActiveWindow());
    orvane::test::AccessibilityEvents heard;
    home.menuView()->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    const auto last = heard.lastFocus();
    EXPECT_EQ(last.object, home.menuView());
    EXPECT_EQ(last.child, 0);
    EXPECT_EQ(last.role, QAccessible::ListItem);
    EXPECT_EQ(last.name, qxLocalized("ov_connect_device"));

    // A row selected for a screen while the focus is elsewhere is not heard as the focus.
    auto *connect = qobject_cast<ConnectViewController *>(home.connectViewController());
    connect->languageBox()->setFocus(Qt::TabFocusReason);
    home.switchToViewController(connect, 3);
    orvane::test::expectLastFocusOnFocusWidget(heard);
}

TEST(Accessibility, TheLanguageBoxReportsTheChosenLanguageAsItsValue)
{
    orvane::language::setLanguageWithType(4);
    HomeViewController home;
    home.show();
    auto *connect = qobject_cast<ConnectViewController *>(home.connectViewController());
    EXPECT_EQ(connect->languageBox()->getSelectedString(), QStringLiteral("Deutsch"));
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(connect->languageBox());
    EXPECT_EQ(box->text(QAccessible::Value), connect->languageBox()->getSelectedString());
    EXPECT_FALSE(box->text(QAccessible::Value).isEmpty());
    ASSERT_NE(box->textInterface(), nullptr);
    EXPECT_EQ(box->textInterface()->text(0, -1), box->text(QAccessible::Value));
    orvane::language::setLanguageWithType(1);
}

// Whatever is typed into a password field, a screen reader is never told a character of it: not
// by the text events the field sends while typing, deleting, being filled or cleared, not by its
// value, text or selection read back.
TEST(Accessibility, PasswordFieldsNeverTellTheirCharacters)
{
    orvane::test::AccessibilityEvents log;
    QWidget window;
    window.show();
    Modalia::Dialog::showPasswordInput(QStringLiteral("Password"), {}, {}, &window, nullptr);
    auto *dialog = window.findChild<Modalia::InputDialogViewController *>();
    ASSERT_NE(dialog, nullptr);
    DialogInputViewController olderDialog;
    ConnectServerItem wifi;
    HotSpotItem hotspot;
    LoginViewController cloud([] { return new QWidget; });

    const QString typed = QStringLiteral("7q9z5k");
    const auto tells = [&typed](const QString &text) {
        return std::any_of(typed.cbegin(), typed.cend(), [&text](QChar c) { return text.contains(c); });
    };
    for (QLineEdit *field : {dialog->valueText(), olderDialog.inputField(), wifi.pwdInput(), hotspot.passwordTF(),
                             cloud.pwdTF()}) {
        log.clear();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Backspace);
        field->selectAll();
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(field);
        QAccessibleTextInterface *text = node->textInterface();
        ASSERT_NE(text, nullptr);
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        EXPECT_FALSE(tells(node->text(QAccessible::Value))) << node->text(QAccessible::Value).toStdString();
        EXPECT_FALSE(tells(text->text(0, text->characterCount())));
        EXPECT_FALSE(tells(text->text(start, end)));
        EXPECT_FALSE(tells(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end)));
        field->setText(typed);
        field->setText(typed.left(2));
        field->clear();

        const auto own = log.eventsOf(field);
        EXPECT_GE(std::count_if(own.cbegin(), own.cend(),
                                [](const auto &event) { return event.type == QAccessible::TextInserted; }),
                  typed.size());
        for (const auto &event : log.events()) {
            for (const QString &carried : event.texts)
                EXPECT_FALSE(tells(carried)) << int(event.type) << " " << carried.toStdString();
        }
    }
}

} // namespace
