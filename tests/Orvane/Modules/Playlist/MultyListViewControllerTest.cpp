// The play lists of one fan against a fan model: names and marks, use, delete with the shift
// of the current index, and the editor and video list opened from here.
#include "StoredListsFixture.h"

#include "AccessibilityEvents.h"
#include "CoverBox.h"
#include "ListAccessibility.h"
#include "Modules/Playlist/MultyListCell.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Video/VideoListViewController.h"
#include "QXButton.h"
#include "Screenshots.h"
#include "Shell/HomeViewController.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

using namespace orvane::test;

qint64 listIndex()
{
    return QXConnect().currentDeviceStatus().listIndex();
}

class MultyListTest : public StoredListsFixture
{
protected:
    void open(const QList<QByteArray> &names, quint8 current)
    {
        QList<FakeFanModel::NamedList> lists;
        for (const QByteArray &name : names)
            lists.append({name, "a.mp4,1.0M,1,\r\n" + name + ",2.0M,3,\r\n"});
        model.setPlayLists(lists);
        model.setListIndex(current);
        screen = showRoot(new MultyListViewController);
        ASSERT_TRUE(waitForNames(int(names.size())));
        ASSERT_EQ(listIndex(), current);
    }

    bool waitForNames(int count)
    {
        return waitUntil([&] { return screen->lists().size() == count && screen->refreshBtn()->isEnabled(); });
    }

    MultyListViewController *screen = nullptr;
};

TEST_F(MultyListTest, RowsShowNamesNumbersAndWhatCanBeDone)
{
    open({"playlist.txt", "party.txt", "my list.txt"}, 2);
    EXPECT_EQ(screen->lists(), (QStringList{"playlist.txt", "party.txt", "mylist.txt"}));

    MultyListCell *defaultRow = screen->cellAt(0);
    EXPECT_EQ(defaultRow->indexLabel()->text(), QStringLiteral("1"));
    EXPECT_FALSE(defaultRow->useBtn()->isHidden());
    EXPECT_TRUE(defaultRow->deleteBtn()->isHidden());
    EXPECT_TRUE(defaultRow->markLabel()->isHidden());
    EXPECT_EQ(defaultRow->detailLeading(), 90.0);

    MultyListCell *other = screen->cellAt(1);
    EXPECT_FALSE(other->deleteBtn()->isHidden());
    EXPECT_FALSE(other->useBtn()->isHidden());

    MultyListCell *current = screen->cellAt(2);
    EXPECT_FALSE(current->markLabel()->isHidden());
    EXPECT_TRUE(current->useBtn()->isHidden());
    EXPECT_TRUE(current->deleteBtn()->isHidden());
    EXPECT_EQ(current->detailLeading(), 10.0);
    EXPECT_LT(current->detailBtn()->x(), other->detailBtn()->x());
    expectAccessibleList(screen->listTable(), text("ov_multi_list"), 3);
    screen->listTable()->layoutIfNeeded();
    grabScreenshot(navigation.get(), QStringLiteral("multy-list"));
}

// Use by keys: the list becomes current, and the operator, still on the row, hears that it is in
// use (the row's Use goes away with it, so the focus is on the row's Detail).
TEST_F(MultyListTest, UseMakesTheRowsListCurrent)
{
    AccessibilityEvents heard;
    open({"playlist.txt", "party.txt", "morning.txt"}, 0);
    navigation->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(navigation.get()));
    auto *use = screen->cellAt(2)->useBtn();
    use->setFocus(Qt::TabFocusReason);
    heard.clear();
    QTest::keyClick(use, Qt::Key_Space);
    ASSERT_TRUE(waitUntil([&] { return listIndex() == 2; }));
    EXPECT_EQ(valuesOf(52), QList<int>{2});
    EXPECT_EQ(model.listIndex(), 2);
    ASSERT_TRUE(waitUntil([&] { return screen->cellAt(2) && !screen->cellAt(2)->markLabel()->isHidden(); }));
    EXPECT_TRUE(screen->cellAt(0)->markLabel()->isHidden());

    MultyListCell *row = screen->cellAt(2);
    EXPECT_TRUE(row->isAncestorOf(QApplication::focusWidget()));
    expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().description, QStringLiteral("morning.txt, ") + text("ov_using"));
}

TEST_F(MultyListTest, DeleteAfterConfirmingShiftsTheCurrentIndex)
{
    open({"playlist.txt", "a.txt", "b.txt", "c.txt"}, 3);
    presenter.answerNext(press("btnCancel"));
    screen->cellAt(1)->deleteBtn()->click();
    spinFor(100);
    EXPECT_TRUE(valuesOf(53).isEmpty());

    presenter.answerNext(press("btnOK"));
    screen->cellAt(1)->deleteBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->lists().size() == 3; }));
    EXPECT_EQ(valuesOf(53), QList<int>{1});
    EXPECT_EQ(screen->lists(), (QStringList{"playlist.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(listIndex(), 2);
    EXPECT_EQ(model.playListNames(), (QList<QByteArray>{"playlist.txt", "b.txt", "c.txt"}));

    // A list after the current one leaves the index alone.
    screen->cellAt(0)->useBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return listIndex() == 0; }));
    presenter.answerNext(press("btnOK"));
    screen->cellAt(1)->deleteBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->lists().size() == 2; }));
    EXPECT_EQ(listIndex(), 0);

    // Refresh reads both again.
    screen->refreshBtnAction();
    ASSERT_TRUE(waitForNames(2));
    EXPECT_EQ(listIndex(), 0);
}

TEST_F(MultyListTest, DetailOpensTheEditorOnThatList)
{
    open({"playlist.txt", "party.txt"}, 0);
    screen->cellAt(1)->detailBtn()->click();
    auto *editor = top<PlayListEditViewController>();
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->isAdd());
    EXPECT_FALSE(editor->isCurrent());
    EXPECT_EQ(editor->originName(), QStringLiteral("party.txt"));
    EXPECT_EQ(editor->listIndex(), 1);
    EXPECT_EQ(editor->existingNames(), (QStringList{"playlist.txt", "party.txt"}));
    ASSERT_TRUE(waitUntil([&] { return editor->list().size() == 2; }));
    EXPECT_EQ(editor->list().at(1)->fileName(), QStringLiteral("party.txt"));
    EXPECT_FALSE(editor->nameField()->isReadOnly());
    grabScreenshot(navigation.get(), QStringLiteral("list-editor"));

    // The current list keeps its name.
    editor->backBtn()->click();
    ASSERT_EQ(top<MultyListViewController>(), screen);
    screen->cellAt(0)->detailBtn()->click();
    editor = top<PlayListEditViewController>();
    EXPECT_TRUE(editor->isCurrent());
    EXPECT_TRUE(editor->nameField()->isReadOnly());
}

TEST_F(MultyListTest, NewListAndVideoListOpenAsAsked)
{
    open({"playlist.txt"}, 0);
    screen->addBtn()->click();
    auto *editor = top<PlayListEditViewController>();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isAdd());
    EXPECT_EQ(editor->nameField()->text(), QStringLiteral("demo"));
    EXPECT_TRUE(editor->list().isEmpty());
    EXPECT_FALSE(editor->listIndex().has_value());
    EXPECT_TRUE(editor->copyBtn()->isHidden());
    editor->backBtn()->click();

    ASSERT_EQ(top<MultyListViewController>(), screen);
    screen->videoBtn()->click();
    auto *videos = top<VideoListViewController>();
    ASSERT_TRUE(videos);
    EXPECT_FALSE(videos->isSelecting());
    EXPECT_TRUE(videos->sureBtn()->isHidden());
}

} // namespace

namespace {

using namespace orvane::test;

class HomeScreensTest : public StoredListsFixture
{
};

TEST_F(HomeScreensTest, TheHomeScreenHandsItsDataToTheVideoListAndTheEditor)
{
    model.setVideos({{"a.mp4", "1.0M"}});
    HomeViewController home;
    home.resize(1000, 600);
    home.show();
    home.switchToViewControllerType(HomeViewController::videoListType, QVariantMap{{"isSelecting", true}});
    auto *videos = qobject_cast<VideoListViewController *>(home.videoListVC());
    ASSERT_TRUE(videos);
    EXPECT_TRUE(videos->isSelecting());
    ASSERT_TRUE(waitUntil([&] { return videos->videoLists().size() == 1; }));

    home.switchToViewControllerType(HomeViewController::listEditType,
                                    QVariantMap{{"isAdd", false},
                                                {"name", "party.txt"},
                                                {"existingNames", QVariantList{"party.txt", "b.txt"}}});
    auto *editor = qobject_cast<PlayListEditViewController *>(home.listEditVC());
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->isAdd());
    EXPECT_EQ(editor->existingNames(), (QStringList{"party.txt", "b.txt"}));
    EXPECT_TRUE(qobject_cast<MultyListViewController *>(home.multyListVC()));
}

} // namespace
