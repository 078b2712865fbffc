// A whole session with a fan at its hotspot address, inside the private network of
// scripts/in-test-lan: list its videos, make a play list of two of them, save it, make it the
// current list and delete another.
#include "StoredListsFixture.h"

#include "Modules/Playlist/MultyListCell.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Video/VideoListViewController.h"
#include "QXButton.h"
#include "VideoListCell.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

using namespace orvane::test;

class StoredListsLan : public StoredListsFixture
{
protected:
    StoredListsLan() : StoredListsFixture(QHostAddress(QStringLiteral("192.168.2.1"))) {}
};

TEST_F(StoredListsLan, MakeAListOfTwoVideosUseItAndDeleteAnother)
{
    model.setVideos({{"intro.mp4", "1.0M"}, {"waves.mp4", "2.0M"}, {"logo.mp4", "0.5M"}});
    model.setPlayLists({{"playlist.txt", "intro.mp4,1.0M,1,\r\n"}, {"old.txt", "logo.mp4,0.5M,1,\r\n"}});
    model.setListIndex(0);
    auto *lists = showRoot(new MultyListViewController);
    ASSERT_TRUE(waitUntil([&] { return lists->lists().size() == 2 && lists->refreshBtn()->isEnabled(); }));

    // The stored videos.
    lists->videoBtn()->click();
    auto *videos = top<VideoListViewController>();
    ASSERT_TRUE(waitUntil([&] { return videos->videoLists().size() == 3; }));
    videos->backBtn()->click();
    ASSERT_EQ(top<MultyListViewController>(), lists);

    // A new list from the second and the first video, in that order.
    lists->addBtn()->click();
    auto *editor = top<PlayListEditViewController>();
    editor->addBtn()->click();
    videos = top<VideoListViewController>();
    ASSERT_TRUE(waitUntil([&] { return videos->videoLists().size() == 3 && videos->cellAt(1); }));
    videos->cellAt(1)->checkBox()->click();
    videos->cellAt(0)->checkBox()->click();
    videos->sureBtn()->click();
    ASSERT_EQ(top<PlayListEditViewController>(), editor);
    ASSERT_EQ(editor->list().size(), 2);
    editor->nameField()->setText(QStringLiteral("Morning"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return top<MultyListViewController>() == lists; }));
    EXPECT_EQ(*model.playList("Morning.txt"), QByteArray("waves.mp4,2.0M,1,\r\nintro.mp4,1.0M,1,\r\n"));

    // Shown again, the list of lists reads the new list; Use makes it current.
    ASSERT_TRUE(waitUntil([&] { return lists->lists().size() == 3 && lists->refreshBtn()->isEnabled(); }));
    lists->cellAt(2)->useBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return model.listIndex() == 2; }));
    EXPECT_EQ(model.listText(), QByteArray("waves.mp4,2.0M,1,\r\nintro.mp4,1.0M,1,\r\n"));

    // Deleting the list before it moves the current index with it.
    presenter.answerNext(press("btnOK"));
    ASSERT_TRUE(waitUntil([&] { return lists->cellAt(1) && !lists->cellAt(1)->deleteBtn()->isHidden(); }));
    lists->cellAt(1)->deleteBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return lists->lists() == QStringList{"playlist.txt", "Morning.txt"}; }));
    EXPECT_EQ(model.playListNames(), (QList<QByteArray>{"playlist.txt", "Morning.txt"}));
    EXPECT_EQ(model.listIndex(), 1);
    EXPECT_EQ(QXConnect().currentDeviceStatus().listIndex(), 1);
    EXPECT_EQ(valuesOf(52), QList<int>{2});
    EXPECT_EQ(valuesOf(53), QList<int>{1});
}

} // namespace
