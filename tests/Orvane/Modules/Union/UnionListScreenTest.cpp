// The union list screen: rows from the store file, deletion with its confirmation, reloading on
// every write and after a save refused because the file changed, stale rows, selection, the way
// to the editor and the operation screen, and the screen reached after a login.
#include "Core/Dialog/DialogEnsureViewController.h"
#include "CoverBox.h"
#include "FileSizeLimit.h"
#include "Modules/Account/LoginViewController.h"
#include "Modules/Account/User.h"
#include "Modules/Union/UnionConfigViewController.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionEditViewController.h"
#include "Modules/Union/UnionListCell.h"
#include "ListAccessibility.h"
#include "Modules/Union/UnionListViewController.h"
#include "PopoverSupport.h"
#include "QXLocalized.h"
#include "Screenshots.h"
#include "Shell/SpecialBridge.h"
#include "UnionScreenSupport.h"
#include "Widget/Rows/RowColumnView.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using orvane::test::press;
using orvane::test::spinFor;
using orvane::test::storedBytes;
using orvane::test::waitUntil;
using orvane::test::writeStore;

const QByteArray kThreeUnions = "alpha,1,2,0\nA1,10.0.0.1#A2,10.0.0.2\n"
                                "beta,2,3,1,B1\nB1,10.0.1.1#,#,\n,#,#B6,10.0.1.6\n"
                                "gamma,1,1,0\nG1,10.0.2.1";

class UnionListScreenTest : public orvane::test::UnionScreenTest
{
protected:
    void open(const QByteArray &stored)
    {
        writeStore(stored);
        screen = new UnionListViewController;
        showRoot(screen);
    }

    QStringList shownRows() const
    {
        QStringList rows;
        for (qint64 row = 0; UnionListCell *cell = screen->cell(row); ++row)
            rows << cell->indexLabel()->text() + u' ' + cell->nameLabel()->text() + u' ' + cell->sizeLabel()->text();
        return rows;
    }

    // Deletes the row after answering its confirmation with the given button.
    void deleteRow(qint64 row, const char *answer)
    {
        presenter.answerNext(press(answer));
        screen->cell(row)->deleteButton()->click();
        spinFor(30);
    }

    // Runs an operation of the union screen on top, as its button in the strip does.
    void operate(UnionConfigViewController::Operation::Action action)
    {
        auto *config = qobject_cast<UnionConfigViewController *>(navigation->topViewController());
        ASSERT_NE(config, nullptr);
        config->operate({action, {}, true});
        settle();
    }

    // Opens the union of the row on its operation screen, then its editor.
    UnionEditViewController *editRow(qint64 row)
    {
        if (!screen->cell(row))
            return nullptr;
        screen->cell(row)->detailButton()->click();
        settle();
        operate(UnionConfigViewController::Operation::Action::edit);
        return qobject_cast<UnionEditViewController *>(navigation->topViewController());
    }

    UnionListViewController *screen = nullptr;
};

TEST_F(UnionListScreenTest, RowsShowPositionNameAndSize)
{
    open(kThreeUnions);
    EXPECT_EQ(shownRows(), (QStringList{"1 alpha 1 x 2", "2 beta 2 x 3", "3 gamma 1 x 1"}));
    EXPECT_EQ(screen->dataUrl(), UnionDataUtil::localURL());
    UnionListCell *cell = screen->cell(1);
    EXPECT_EQ(cell->height(), 54);
    QAccessibleInterface *row = QAccessible::queryAccessibleInterface(cell);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("2 beta 2 x 3"));
    EXPECT_TRUE(cell->deleteButton()->accessibleName().endsWith(QStringLiteral("beta")));
    EXPECT_TRUE(cell->focusPolicy() & Qt::TabFocus);
    orvane::test::expectAccessibleList(screen->listTable(), qxLocalized("ov_union"), 3);
    EXPECT_FALSE(orvane::test::grabScreenshot(navigation.get(), QStringLiteral("union-list")).isNull());
}

TEST_F(UnionListScreenTest, DeletingRowTwoOfThreeRewritesTheFileAndRenumbers)
{
    open(kThreeUnions);
    presenter.answerNext([](QDialog *dialog) {
        orvane::test::grabScreenshot(dialog, QStringLiteral("union-delete-confirmation"));
        orvane::test::AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
    });
    screen->cell(1)->deleteButton()->click();
    spinFor(30);
    EXPECT_EQ(presenter.texts.value(0), qxLocalized("ov_confirm_delete") + u'?');
    EXPECT_EQ(storedBytes(), QByteArray("alpha,1,2,0\nA1,10.0.0.1#A2,10.0.0.2\ngamma,1,1,0\nG1,10.0.2.1"));
    EXPECT_EQ(shownRows(), (QStringList{"1 alpha 1 x 2", "2 gamma 1 x 1"}));

    // The buttons of the renumbered row act on the union now shown there.
    screen->cell(1)->detailButton()->click();
    settle();
    auto *detail = qobject_cast<UnionConfigViewController *>(navigation->topViewController());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->data(), screen->listData().at(1));
    EXPECT_EQ(detail->data()->name(), QStringLiteral("gamma"));
}

TEST_F(UnionListScreenTest, DeletingTheLastUnionLeavesAnEmptyFile)
{
    open("solo,1,1,0\nS,10.0.0.1");
    deleteRow(0, "btnOK");
    EXPECT_TRUE(QFile::exists(UnionDataUtil::localURL()));
    EXPECT_EQ(storedBytes(), QByteArray());
    EXPECT_TRUE(screen->listData().empty());
    EXPECT_EQ(screen->cell(0), nullptr);
    // An empty list is still a list, of no items, and the keyboard can stop on it.
    orvane::test::expectAccessibleList(screen->listTable(), qxLocalized("ov_union"), 0);
    EXPECT_TRUE(screen->listTable()->widget()->focusPolicy() & Qt::TabFocus);
}

TEST_F(UnionListScreenTest, CancellingOrAnUnshownConfirmationChangesNothing)
{
    open(kThreeUnions);
    deleteRow(2, "btnCancel");
    presenter.setRefusing(true);
    screen->cell(2)->deleteButton()->click();
    spinFor(30);
    EXPECT_EQ(presenter.presented().size(), 2);
    EXPECT_EQ(storedBytes(), kThreeUnions);
    EXPECT_EQ(screen->listData().size(), 3u);
}

TEST_F(UnionListScreenTest, AnyWriteToTheStoreIsShownAtOnce)
{
    open(kThreeUnions);
    auto added = std::make_shared<UnionData>(QStringLiteral("delta"), 1, 1, false, UnionDataUtil::localURL());
    ASSERT_EQ(UnionDataUtil::append(added, UnionDataUtil::localURL()), std::nullopt);
    spinFor(20);
    EXPECT_EQ(shownRows().value(3), QStringLiteral("4 delta 1 x 1"));
}

TEST_F(UnionListScreenTest, ARowFilledBeforeTheListChangedDoesNothing)
{
    open(kThreeUnions);
    UnionListCell *stale = screen->cell(2);
    QPointer<UnionListCell> guard(stale);
    ASSERT_EQ(UnionDataUtil::saveList({screen->listData().at(0)}, UnionDataUtil::localURL()), std::nullopt);
    ASSERT_TRUE(guard) << "the old row is deleted only from the event loop";
    stale->deleteButton()->click();
    stale->detailButton()->click();
    EXPECT_TRUE(presenter.presented().isEmpty());
    EXPECT_EQ(navigation->viewControllers().size(), 1);

    // The list is read again while the confirmation is open: OK then removes nothing.
    presenter.answerNext([&](QDialog *dialog) {
        writeStore(kThreeUnions);
        ASSERT_EQ(UnionDataUtil::saveList(UnionDataUtil::fetchLocalDataList(UnionDataUtil::localURL()),
                                          UnionDataUtil::localURL()),
                  std::nullopt);
        orvane::test::AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
    });
    screen->cell(0)->deleteButton()->click();
    spinFor(30);
    EXPECT_EQ(storedBytes(), kThreeUnions);
    EXPECT_EQ(screen->listData().size(), 3u);
}

TEST_F(UnionListScreenTest, AFailedWriteSaysSoAndKeepsTheRow)
{
    open(kThreeUnions);
    {
        const orvane::test::FileSizeLimit full(8);
        deleteRow(1, "btnOK");
    }
    EXPECT_EQ(presenter.texts.value(1), qxLocalized("ov_fail"));
    EXPECT_EQ(storedBytes(), kThreeUnions);
    EXPECT_EQ(shownRows().size(), 3);
}

TEST_F(UnionListScreenTest, DeletingKeepsTheUnionsTheListCannotShow)
{
    // Too wide for the screens, and named in a way the writer would refuse.
    const QByteArray kept = "wide,1,33,0\n" + QByteArray("W,1#").repeated(32) + "W,1\nha#ll,1,1,0\nH,10.0.0.1\n";
    open(kept + "gamma,1,1,0\nG1,10.0.2.1");
    ASSERT_EQ(shownRows(), (QStringList{"1 ha#ll 1 x 1", "2 gamma 1 x 1"}));
    deleteRow(1, "btnOK");
    EXPECT_EQ(storedBytes(), kept.chopped(1));
    EXPECT_EQ(shownRows(), (QStringList{"1 ha#ll 1 x 1"}));
}

TEST_F(UnionListScreenTest, SelectionMovesAndSurvivesAReload)
{
    open(kThreeUnions);
    emit screen->cell(0)->activated();
    emit screen->cell(2)->activated();
    EXPECT_EQ(screen->selectedRow(), 2);
    EXPECT_FALSE(screen->cell(0)->isSelected());
    EXPECT_TRUE(screen->cell(2)->isSelected());
    screen->reloadData();
    EXPECT_TRUE(screen->cell(2)->isSelected());
    EXPECT_FALSE(screen->cell(2)->coverView()->isHidden());
}

TEST_F(UnionListScreenTest, AUnionSavedInTheEditorAppearsInTheList)
{
    open("");
    screen->addBtn()->click();
    settle();
    auto *editor = qobject_cast<UnionEditViewController *>(navigation->topViewController());
    ASSERT_NE(editor, nullptr);
    editor->nameTF()->setText(QStringLiteral("new"));
    presenter.answerNext(press("confirmBtn"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->listData().size() == 1; }));
    settle();
    EXPECT_EQ(shownRows(), (QStringList{"1 new 2 x 2"}));
    EXPECT_EQ(navigation->topViewController(), screen);
}

// Back on the list the focus is on a row: the saved union's after the editor's Save, the one the
// operator came from after Back from a union's screen.
TEST_F(UnionListScreenTest, TheFocusComesBackToTheUnionsRow)
{
    open(kThreeUnions);
    navigation->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(navigation.get()));
    screen->addBtn()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen->addBtn(), Qt::Key_Space);
    settle();
    auto *editor = qobject_cast<UnionEditViewController *>(navigation->topViewController());
    ASSERT_NE(editor, nullptr);
    editor->nameTF()->setText(QStringLiteral("hall12"));
    presenter.answerNext(press("confirmBtn"));
    editor->saveBtn()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor->saveBtn(), Qt::Key_Space);
    ASSERT_TRUE(waitUntil([&] { return screen->listData().size() == 4; }));
    settle();
    ASSERT_EQ(navigation->topViewController(), screen);
    EXPECT_EQ(QApplication::focusWidget(), screen->cell(3)) << "on the saved union";

    screen->cell(1)->detailButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen->cell(1)->detailButton(), Qt::Key_Space);
    settle();
    operate(UnionConfigViewController::Operation::Action::back);
    ASSERT_EQ(navigation->topViewController(), screen);
    EXPECT_EQ(QApplication::focusWidget(), screen->cell(1)) << "on the row of the union left";
}

// Another program rewrote the file while a union was open in the editor: the refused save sends
// the operator back to a list that shows the file as it is, where the change can be repeated.
TEST_F(UnionListScreenTest, AfterASaveRefusedAsStaleTheListShowsWhatTheFileHolds)
{
    open("duo,1,2,0\nD1,10.0.0.1#D2,10.0.0.2\nbeta,1,1,0\nB1,10.0.1.1");
    UnionEditViewController *editor = editRow(0);
    ASSERT_NE(editor, nullptr);
    const QByteArray rewritten = "beta,1,1,0\nB1,10.0.1.1";
    writeStore(rewritten);
    editor->nameTF()->setText(QStringLiteral("renamed"));
    presenter.answerNext(press("confirmBtn"));
    presenter.answerNext(press("btnOK"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_union_list_changed")); }));
    EXPECT_EQ(storedBytes(), rewritten);
    editor->cancelBtn()->click();
    settle();
    operate(UnionConfigViewController::Operation::Action::back);
    ASSERT_EQ(navigation->topViewController(), screen);
    EXPECT_EQ(shownRows(), (QStringList{"1 beta 1 x 1"}));

    // The union now first is the one its editor opens, and saving it replaces it.
    editor = editRow(0);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->nameTF()->text(), QStringLiteral("beta"));
    editor->nameTF()->setText(QStringLiteral("gamma"));
    presenter.answerNext(press("confirmBtn"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return navigation->viewControllers().size() == 2; }));
    settle();
    operate(UnionConfigViewController::Operation::Action::back);
    EXPECT_EQ(shownRows(), (QStringList{"1 gamma 1 x 1"}));
    EXPECT_TRUE(storedBytes().startsWith("gamma,1,1,0"));
}

TEST_F(UnionListScreenTest, TheListFollowsALoginAndStaysAfterLogOut)
{
    orvane::User::setCurrent(orvane::User(1, QStringLiteral("ann")));
    showRoot(SpecialBridge::fetchLoginVCForUnion());
    settle();
    auto *list = qobject_cast<UnionListViewController *>(navigation->topViewController());
    ASSERT_NE(list, nullptr);
    list->logOutBtn()->click();
    EXPECT_FALSE(orvane::User::isLoggedIn());
    settle();
    EXPECT_EQ(navigation->topViewController(), list);
}

TEST_F(UnionListScreenTest, TheDeleteConfirmationIsAnsweredFromTheKeyboard)
{
    open(kThreeUnions);
    presenter.setShowing(true);
    QToolButton *remove = screen->cell(1)->deleteButton();
    remove->setFocus(Qt::TabFocusReason);
    auto *ensure = orvane::test::openByKeyboard<DialogEnsureViewController>(
        remove, navigation.get(), [](DialogEnsureViewController *ensure) { return ensure->btnOK(); });
    ASSERT_NE(ensure, nullptr) << "the confirmation takes the focus on its default button";
    orvane::test::saveScreenshot(orvane::test::grabWithPopover(navigation.get(), ensure->window()),
                                 QStringLiteral("union-delete-confirmation-keyboard"));
    QTest::keyClick(ensure->btnOK(), Qt::Key_Return);
    EXPECT_TRUE(waitUntil([this] { return screen->listData().size() == 2; }));
    EXPECT_EQ(shownRows(), (QStringList{"1 alpha 1 x 2", "2 gamma 1 x 1"}));
}

} // namespace
