#include "AccessibilityEvents.h"
#include "ComboBoxDropDownWindow.h"
#include "ComboBoxView.h"
#include "EventLoop.h"
#include "Screenshots.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Pick
{
    qint64 index;
    QString value;
};

class RecordingDelegate : public ComboboxDelegate
{
public:
    QStringList strings;
    int asked = 0;
    std::vector<Pick> picks;

    std::optional<QStringList> contentForCombleBox(ComboBoxView *) override
    {
        ++asked;
        return strings;
    }
    void comboBox(ComboBoxView *, qint64 index, const QString &value) override { picks.push_back({index, value}); }
};

class ComboBoxViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setGeometry(100, 100, 400, 300);
        combo = new ComboBoxView(&window);
        combo->setGeometry(20, 30, 200, 30);
        other = new QPushButton(QStringLiteral("elsewhere"), &window);
        other->setGeometry(20, 250, 120, 30);
        combo->setDelegate(&delegate);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QListView *table() const { return combo->dragWC()->dragVC()->infoTable(); }

    // The object a focus event named says it is focused, and neither the box nor the list
    // around a heard row does: a tool that asks which object has the focus gets the one a screen
    // reader was told of, and no other.
    void expectFocusedAsHeard(const orvane::test::AccessibilityEvents::Heard &heard) const
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(heard.object);
        ASSERT_NE(list, nullptr);
        QAccessibleInterface *named = heard.child >= 0 ? list->child(heard.child) : list;
        ASSERT_NE(named, nullptr);
        EXPECT_TRUE(named->state().focused) << heard.name.toStdString();
        if (named != list) {
            EXPECT_FALSE(list->state().focused) << "the list leaves the focus to its row";
        }
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(combo)->state().focused);
    }

    void clickRow(int row)
    {
        QListView *list = table();
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QWidget window;
    RecordingDelegate delegate;
    ComboBoxView *combo = nullptr;
    QPushButton *other = nullptr;
};

TEST_F(ComboBoxViewTest, ListHangsBelowTheFieldAndIsSizedByTheHeightRule)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    combo->setShowFull(true);
    combo->showDragWindow();
    const QPoint fieldBottomLeft = combo->contentView()->mapToGlobal(QPoint(0, combo->contentView()->height()));
    EXPECT_EQ(combo->dragWC()->geometry(), QRect(fieldBottomLeft, QSize(200, 140)));
    combo->hideDragWindow();

    // Without the full rule the list is as tall as the control is wide, whatever it holds.
    combo->setShowFull(false);
    for (const int count : {1, 30}) {
        delegate.strings.clear();
        for (int i = 0; i < count; ++i)
            delegate.strings.append(QString::number(i));
        combo->showDragWindow();
        EXPECT_EQ(combo->dragWC()->geometry().size(), QSize(200, 200)) << count;
        combo->hideDragWindow();
    }
    EXPECT_EQ(combo->dragWC(), nullptr);
}

TEST_F(ComboBoxViewTest, PickShowsTheStringAndReportsTheRowActuallyPicked)
{
    // Equal strings: the index reported to the delegate is the row picked, while selectedIndex
    // is the first equal string. Carriage returns are hidden on screen only.
    delegate.strings = {QStringLiteral("same"), QStringLiteral("two\r"), QStringLiteral("same")};
    combo->showDragWindow();
    EXPECT_EQ(table()->model()->index(1, 0).data().toString(), QStringLiteral("two"));
    clickRow(2);

    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_FALSE(combo->dragWC()->isVisible());
    ASSERT_EQ(delegate.picks.size(), 1u);
    EXPECT_EQ(delegate.picks[0].index, 2);
    EXPECT_EQ(delegate.picks[0].value, QStringLiteral("same"));
    EXPECT_EQ(combo->selectedIndex(), 0);

    combo->showDragWindow();
    clickRow(1);
    ASSERT_EQ(delegate.picks.size(), 2u);
    EXPECT_EQ(delegate.picks[1].value, QStringLiteral("two\r"));
    EXPECT_EQ(combo->selectString(), QStringLiteral("two\r"));
    EXPECT_EQ(combo->getSelectedString(), QStringLiteral("two\r"));
    EXPECT_EQ(combo->selectedIndex(), 1);
    EXPECT_EQ(delegate.asked, 2);
}

TEST_F(ComboBoxViewTest, IndexSetFromCodeRefreshesStringsButNeverTellsTheDelegate)
{
    delegate.strings = {QStringLiteral("cn"), QStringLiteral("sg"), QStringLiteral("eu")};
    EXPECT_EQ(combo->selectedIndex(), -1);
    combo->setStringOfIndex(1);
    EXPECT_EQ(combo->getSelectedString(), QStringLiteral("sg"));
    EXPECT_EQ(combo->selectedIndex(), 1);

    // Past the end: the strings are refreshed, the choice stays.
    delegate.strings.append(QStringLiteral("us"));
    combo->setStringOfIndex(4);
    EXPECT_EQ(combo->contentArray().size(), 4);
    EXPECT_EQ(combo->selectedIndex(), 1);

    // Clearing empties the field only.
    combo->clearSelectedValue();
    EXPECT_EQ(combo->getSelectedString(), QString());
    EXPECT_EQ(combo->selectedIndex(), 1);

    // A choice no longer offered reads as none.
    delegate.strings = {QStringLiteral("x")};
    combo->setStringOfIndex(5);
    EXPECT_EQ(combo->selectedIndex(), -1);
    EXPECT_TRUE(delegate.picks.empty());
}

TEST_F(ComboBoxViewTest, IndexSetFromAWorkerThreadReachesTheFieldOnTheGuiThread)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b")};
    std::unique_ptr<QThread> worker(QThread::create([this] { combo->setStringOfIndex(1); }));
    worker->start();
    ASSERT_TRUE(worker->wait(5000));
    EXPECT_TRUE(orvane::test::waitUntil([this] { return combo->getSelectedString() == QStringLiteral("b"); }));
    EXPECT_EQ(combo->selectedIndex(), 1);
}

TEST_F(ComboBoxViewTest, WithoutADelegateTheLastStringsAreOfferedAndAPickStillCounts)
{
    delegate.strings = {QStringLiteral("kept")};
    combo->setStringOfIndex(5);
    {
        RecordingDelegate shortLived;
        combo->setDelegate(&shortLived);
        EXPECT_EQ(combo->delegate(), &shortLived);
    }
    EXPECT_EQ(combo->delegate(), nullptr);

    combo->showDragWindow();
    ASSERT_EQ(table()->model()->rowCount(), 1);
    clickRow(0);
    EXPECT_EQ(combo->getSelectedString(), QStringLiteral("kept"));
    EXPECT_EQ(combo->selectedIndex(), 0);
}

TEST_F(ComboBoxViewTest, ClicksOnTheFieldKeepTheListOpenWhileClicksElsewhereCloseIt)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b")};
    QTest::mouseClick(combo->btnDragDown(), Qt::LeftButton);
    ASSERT_TRUE(combo->isDragWindowShow());

    QTest::mouseClick(combo->infoField(), Qt::LeftButton);
    EXPECT_TRUE(combo->isDragWindowShow());

    // Another widget of the same window.
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_EQ(combo->dragWC(), nullptr);

    // Another window of the application.
    QWidget second;
    second.setGeometry(600, 100, 200, 100);
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    QApplication::setActiveWindow(&window);
    combo->showDragWindow();
    ASSERT_TRUE(combo->isDragWindowShow());
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_TRUE(delegate.picks.empty());
    EXPECT_EQ(combo->getSelectedString(), QString());
}

TEST_F(ComboBoxViewTest, ButtonTogglesTheListWithoutPicking)
{
    delegate.strings = {QStringLiteral("a")};
    combo->setStringOfIndex(0);
    QTest::mouseClick(combo->btnDragDown(), Qt::LeftButton);
    ASSERT_TRUE(combo->isDragWindowShow());
    QTest::mouseClick(combo->btnDragDown(), Qt::LeftButton);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_EQ(combo->dragWC(), nullptr);
    EXPECT_EQ(combo->getSelectedString(), QStringLiteral("a"));
    EXPECT_TRUE(delegate.picks.empty());
    QTest::mouseClick(combo->btnDragDown(), Qt::LeftButton);
    EXPECT_TRUE(combo->isDragWindowShow());
}

TEST_F(ComboBoxViewTest, LosingTheActiveWindowClosesTheList)
{
    delegate.strings = {QStringLiteral("a")};
    QApplication::setActiveWindow(&window);
    combo->showDragWindow();
    orvane::test::spinFor(20);
    ASSERT_TRUE(combo->isDragWindowShow()) << "showing the list must not count as leaving the window";

    QWidget second;
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    second.activateWindow();
    QApplication::setActiveWindow(&second);
    EXPECT_TRUE(orvane::test::waitUntil([this] { return !combo->isDragWindowShow(); }, 2000));

    // Switching to another application: no window of ours is active any more.
    QApplication::setActiveWindow(&window);
    combo->showDragWindow();
    ASSERT_TRUE(combo->isDragWindowShow());
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(orvane::test::waitUntil([this] { return !combo->isDragWindowShow(); }, 2000));
    EXPECT_TRUE(delegate.picks.empty());
}

TEST_F(ComboBoxViewTest, KeyboardOpensMovesPicksAndCancels)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Space);
    ASSERT_TRUE(combo->isDragWindowShow());
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_TRUE(combo->isDragWindowShow()) << "moving through the list is not a pick";
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(combo->isDragWindowShow());
    ASSERT_EQ(delegate.picks.size(), 1u);
    EXPECT_EQ(delegate.picks[0].index, 1);

    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->isDragWindowShow());
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_EQ(delegate.picks.size(), 1u);
    EXPECT_EQ(combo->getSelectedString(), QStringLiteral("b"));
}

// Held, the Space that opens the list neither picks nor closes it as it repeats, nor opens it
// again when the desktop closed it at once (as Weston does when it refuses the list). The keys
// reach the window, as the platform sends them.
TEST_F(ComboBoxViewTest, AHeldSpaceOpensTheListOnce)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b")};
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo->setFocus();
    const auto space = [this](bool press, bool repeat) {
        QTest::simulateEvent(window.windowHandle(), press, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
    };
    space(true, false);
    ASSERT_TRUE(combo->isDragWindowShow());
    for (int repeat = 0; repeat < 3; ++repeat)
        space(true, true);
    EXPECT_TRUE(combo->isDragWindowShow());
    combo->dragWC()->close();
    space(true, true);
    space(false, false);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_TRUE(delegate.picks.empty());
}

// A screen reader hears the list open at the value the box shows, each row the keys move to,
// and the box again, with its value, once the list is gone.
TEST_F(ComboBoxViewTest, TheOpenListIsHeardFromTheCurrentValueAndEscapeReturnsToTheBox)
{
    orvane::test::AccessibilityEvents heard;
    combo->setAccessibleName(QStringLiteral("Region"));
    delegate.strings = {QStringLiteral("cn"), QStringLiteral("sg"), QStringLiteral("us")};
    combo->setStringOfIndex(1);
    QApplication::setActiveWindow(&window);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->isDragWindowShow());
    EXPECT_EQ(table()->currentIndex().row(), 1);
    const auto opened = heard.lastFocus();
    EXPECT_EQ(opened.object, table());
    EXPECT_EQ(opened.role, QAccessible::ListItem);
    EXPECT_EQ(opened.name, QStringLiteral("sg"));
    expectFocusedAsHeard(heard.lastFocus());
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(heard.lastFocus().name, QStringLiteral("us"));
    expectFocusedAsHeard(heard.lastFocus());

    const QPointer<QListView> closing = table();
    QTest::keyClick(combo, Qt::Key_Escape);
    ASSERT_FALSE(combo->isDragWindowShow());
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(QApplication::focusWidget(), combo);
    EXPECT_EQ(heard.lastFocus().value, QStringLiteral("sg"));
    EXPECT_GT(heard.lastIndexOf(QAccessible::Focus), heard.lastIndexOf(QAccessible::StateChanged)) << "heard after the list closed";

    // The row a screen reader was on still answers while it takes up the box: it takes a row
    // that is gone as a jump from nowhere and names the window and dialog around the box.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(closing);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(closing.data())->child(2)->isValid());
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(closing) << "gone once the next list opens";
}

// A box that shows no value opens its list at no row: the list itself is heard, named after the
// box, so that a screen reader does not land on a list it cannot name.
TEST_F(ComboBoxViewTest, AListOpenedFromABoxWithoutAValueIsHeardAsItself)
{
    orvane::test::AccessibilityEvents heard;
    combo->setAccessibleName(QStringLiteral("Region"));
    delegate.strings = {QStringLiteral("cn"), QStringLiteral("sg")};
    QApplication::setActiveWindow(&window);
    combo->setFocus();
    heard.clear();
    QTest::keyClick(combo, Qt::Key_Space);
    ASSERT_TRUE(combo->isDragWindowShow());
    EXPECT_FALSE(table()->currentIndex().isValid());
    const auto opened = heard.lastFocus();
    EXPECT_EQ(opened.object, table());
    EXPECT_EQ(opened.child, -1);
    EXPECT_EQ(opened.role, QAccessible::List);
    EXPECT_EQ(opened.name, QStringLiteral("Region"));
    expectFocusedAsHeard(opened);
}

// While the list is open the platform hands every key and press to the list's popup window,
// whichever window they were meant for; the box answers them as if they had come to it.
TEST_F(ComboBoxViewTest, KeysAndPressesThatReachTheOpenListWorkTheBox)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    QApplication::setActiveWindow(&window);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Space);
    ASSERT_TRUE(combo->isDragWindowShow());
    QWindow *platformWindow = window.windowHandle();
    const auto row = [this] { return table()->currentIndex().row(); };
    QTest::keyClick(platformWindow, Qt::Key_End);
    EXPECT_EQ(row(), 3);
    QTest::keyClick(platformWindow, Qt::Key_Home);
    EXPECT_EQ(row(), 0);
    QTest::keyClick(platformWindow, Qt::Key_Down);
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), combo) << "the box keeps the focus";

    // A press on the field keeps the list open; one elsewhere closes it without a pick.
    const QPoint field = combo->infoField()->mapTo(&window, QPoint(5, 5));
    QTest::mousePress(platformWindow, Qt::LeftButton, {}, field);
    QCoreApplication::processEvents();
    QTest::mouseRelease(platformWindow, Qt::LeftButton, {}, field);
    EXPECT_TRUE(combo->isDragWindowShow());
    const QPoint outside(window.width() - 10, 10);
    QTest::mousePress(platformWindow, Qt::LeftButton, {}, outside);
    QCoreApplication::processEvents();
    QTest::mouseRelease(platformWindow, Qt::LeftButton, {}, outside);
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_TRUE(delegate.picks.empty());

    QTest::keyClick(platformWindow, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->isDragWindowShow());
    QTest::keyClick(platformWindow, Qt::Key_End);
    QTest::keyClick(platformWindow, Qt::Key_Return);
    EXPECT_FALSE(combo->isDragWindowShow());
    ASSERT_EQ(delegate.picks.size(), 1u);
    EXPECT_EQ(delegate.picks[0].value, QStringLiteral("d"));
    EXPECT_EQ(QApplication::focusWidget(), combo);
}

// Return picks and closes the list: the last thing heard is the box with the picked value, not
// the row of a list that is gone.
TEST_F(ComboBoxViewTest, APickByReturnIsHeardOnTheBoxThatKeptTheFocus)
{
    orvane::test::AccessibilityEvents heard;
    delegate.strings = {QStringLiteral("cn"), QStringLiteral("sg")};
    QApplication::setActiveWindow(&window);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_F4);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    ASSERT_FALSE(combo->isDragWindowShow());
    ASSERT_EQ(delegate.picks.size(), 1u);
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().value, QStringLiteral("sg"));
    EXPECT_GT(heard.lastIndexOf(QAccessible::Focus), heard.lastIndexOf(QAccessible::StateChanged));
}

TEST_F(ComboBoxViewTest, AccessibilityReportsRoleNameValueAndExpansion)
{
    combo->setAccessibleName(QStringLiteral("Region"));
    delegate.strings = {QStringLiteral("cn"), QStringLiteral("sg")};
    combo->setStringOfIndex(1);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(combo);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Region"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("sg"));
    EXPECT_TRUE(iface->state().collapsed);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_EQ(iface->childCount(), 0);

    QAccessibleActionInterface *actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(combo->isDragWindowShow());
    EXPECT_TRUE(iface->state().expanded);
    // The open list is the box's child, named after it, and its rows are the strings: a tool
    // that walks the tree from the box finds them, and from a row finds the box above.
    ASSERT_EQ(iface->childCount(), 1);
    QAccessibleInterface *list = iface->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->object(), table());
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Region"));
    EXPECT_EQ(list->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(list), 0);
    ASSERT_EQ(list->childCount(), 2);
    QAccessibleInterface *row = list->child(1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("sg"));
    EXPECT_EQ(row->parent(), list);
    EXPECT_EQ(list->indexOfChild(row), 1);
    EXPECT_EQ(list->childAt(row->rect().center().x(), row->rect().center().y()), row);
    // Pressing a row picks it, as a click does.
    ASSERT_NE(row->actionInterface(), nullptr);
    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(combo->isDragWindowShow());
    EXPECT_EQ(iface->childCount(), 0);

    // The value reads as text as well.
    QAccessibleTextInterface *text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 2);
    EXPECT_EQ(text->text(0, 2), QStringLiteral("sg"));
    EXPECT_EQ(text->text(1, 9), QStringLiteral("g"));
    EXPECT_TRUE(text->characterRect(0).isValid());
    EXPECT_FALSE(text->characterRect(5).isValid());
}

TEST_F(ComboBoxViewTest, APointOnAViewLessItsRightEndCounts)
{
    const QPoint origin = combo->mapToGlobal(QPoint(0, 0));
    const std::vector<std::pair<QPoint, bool>> points = {
        {QPoint(0, 0), true},     {QPoint(179, 29), true}, {QPoint(180, 10), false},
        {QPoint(-1, 10), false},  {QPoint(10, 30), false}};
    for (const auto &[offset, inside] : points)
        EXPECT_EQ(combo->isPoint(origin + offset, combo), inside) << offset.x() << "," << offset.y();
    EXPECT_FALSE(combo->isPoint(origin, nullptr));
}

TEST_F(ComboBoxViewTest, TheOpenListFollowsItsWindow)
{
    delegate.strings = {QStringLiteral("a"), QStringLiteral("b")};
    combo->showDragWindow();
    ASSERT_TRUE(combo->isDragWindowShow());
    const QPoint before = combo->dragWC()->pos();
    window.move(window.pos() + QPoint(40, 25));
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->dragWC()->pos(), combo->contentView()->mapToGlobal(QPoint(0, combo->contentView()->height())));
    EXPECT_NE(combo->dragWC()->pos(), before);
}

// Draws the control's window and, when open, the list window where they sit on screen.
QImage screenshot(QWidget &window, ComboBoxView *combo)
{
    QRect area = window.geometry();
    if (combo->isDragWindowShow())
        area = area.united(combo->dragWC()->geometry());
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    if (combo->isDragWindowShow())
        painter.drawPixmap(combo->dragWC()->geometry().topLeft() - area.topLeft(), combo->dragWC()->grab());
    return image;
}

TEST_F(ComboBoxViewTest, ClosedAndOpenControlCanBeDrawn)
{
    window.setPalette(QPalette(QColor(43, 45, 60)));
    delegate.strings = {QStringLiteral("Server China"), QStringLiteral("Server Singapore"),
                        QStringLiteral("Server Europe")};
    combo->setShowFull(true);
    combo->setStringOfIndex(0);
    const QImage closed = screenshot(window, combo);
    combo->setFocus();
    // The list opens at the shown value, the first row; the row below is reached from the keyboard.
    QTest::keyClick(combo, Qt::Key_F4);
    QTest::keyClick(combo, Qt::Key_Down);
    const QImage open = screenshot(window, combo);
    // The field's background is the control colour; the row reached from the keyboard is highlighted.
    const QPoint fieldPoint = combo->mapTo(&window, QPoint(3, 3));
    EXPECT_EQ(closed.pixelColor(fieldPoint), QColor(48, 51, 68));
    const QPoint rowPoint = combo->mapTo(&window, QPoint(3, combo->height() + 35 + 3));
    EXPECT_EQ(open.pixelColor(rowPoint), QColor(17, 108, 214));
    EXPECT_NE(closed.pixelColor(rowPoint), QColor(17, 108, 214));

    orvane::test::saveScreenshot(closed, QStringLiteral("combobox-closed"));
    orvane::test::saveScreenshot(open, QStringLiteral("combobox-open"));
}

} // namespace
