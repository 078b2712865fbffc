// What a screen reader hears: every name translated, none a class name, in more than one language;
// the menu heard at its current row.
#include "AccessibilityEvents.h"
#include "Core/HomeViewController.h"
#include "Core/Language.h"
#include "Modules/Connect/ConnectViewController.h"

#include "ComboBoxView.h"
#include "PlayControlView.h"
#include "TimerView.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>

#include <gtest/gtest.h>

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
    EXPECT_EQ(last.name, qtTrId("ov_connect_device"));

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

} // namespace
