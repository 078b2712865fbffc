// The device video list against a fan model: reading, ticking, deleting, clearing, uploading
// and handing picked rows to the editor.
#include "StoredListsFixture.h"

#include "AccessibilityEvents.h"
#include "FilePanelAnswers.h"
#include "ListAccessibility.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Video/VideoListViewController.h"
#include "QXButton.h"
#include "Screenshots.h"
#include "VideoListCell.h"
#include "Widget/UploadBar.h"
#include "Widget/UploadRun.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

namespace {

using namespace orvane::test;

class VideoListTest : public StoredListsFixture
{
protected:
    VideoListViewController *open(int rows)
    {
        screen = showRoot(new VideoListViewController);
        EXPECT_TRUE(waitForRows(rows));
        return screen;
    }

    bool waitForRows(int rows)
    {
        return waitUntil([&] { return screen->videoLists().size() == rows && screen->refreshBtn()->isEnabled(); });
    }

    void tick(int row, bool on)
    {
        QCheckBox *box = screen->cellAt(row)->checkBox();
        if (box->isChecked() != on)
            box->click();
    }

    void setVideos(int count)
    {
        QList<FakeFanModel::Video> videos;
        for (int i = 0; i < count; ++i)
            videos.append({"v" + QByteArray::number(i) + ".mp4", "1.0M"});
        model.setVideos(videos);
    }

    VideoListViewController *screen = nullptr;
};

TEST_F(VideoListTest, ShowsTheStoredFilesInTheFansOrder)
{
    model.setVideos({{"a.mp4", "1.2M"}, {"bc.mp4", "3M"}});
    open(2);
    EXPECT_EQ(screen->cellAt(1)->indexLabel()->text(), QStringLiteral("2"));
    EXPECT_EQ(screen->cellAt(1)->nameLabel()->text(), QStringLiteral("bc.mp4"));
    EXPECT_EQ(screen->cellAt(1)->sizeLabel()->text(), QStringLiteral("3M"));
    // Each delete button tells which video it deletes.
    for (const int row : {0, 1}) {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(screen->cellAt(row)->deleteButton());
        EXPECT_EQ(button->text(QAccessible::Description), screen->cellAt(row)->nameLabel()->text());
    }
    EXPECT_TRUE(screen->sureBtn()->isHidden());
    expectAccessibleList(screen->listTable(), text("ov_video_list"), 2);
    screen->listTable()->layoutIfNeeded();
    grabScreenshot(navigation.get(), QStringLiteral("video-list"));

    // A failed read keeps the rows and gives Refresh back.
    fan.setScript([](const FakeFan::Frame &) { return FakeFan::Reply::bytes("xx-bad-head"); });
    screen->refreshAction();
    EXPECT_FALSE(screen->refreshBtn()->isEnabled());
    ASSERT_TRUE(waitForRows(2));
}

TEST(VideoListNames, SplitFileNameKeepsEveryDotButTheLast)
{
    const QList<std::pair<QString, QStringList>> cases = {
        {QStringLiteral("/home/me/my clip.part1.mov"), {"myclip.part1", "mov"}},
        {QStringLiteral("clip"), {"clip"}},
        {QStringLiteral("/a.b/clip.mp4"), {"clip", "mp4"}},
        {QStringLiteral("a.b.c.d"), {"a.b.c", "d"}},
    };
    for (const auto &[path, pieces] : cases)
        EXPECT_EQ(VideoListViewController::splitFileName(path), pieces) << path.toStdString();
}

TEST_F(VideoListTest, UploadLeavesOutNamesTheFanAlreadyHas)
{
    model.setVideos({{"clip.mp4", "1.0M"}, {"other.mov", "1.0M"}});
    open(2);
    const QList<QXFileRef> files = screen->makeUploadFiles(
        {makeFile(QStringLiteral("clip.mov")), makeFile(QStringLiteral("other.mov")),
         makeFile(QStringLiteral("my, clip#2.avi"))});
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0)->name(), QStringLiteral("other"));
    // The name is cleaned as on the play-list screen before the test.
    EXPECT_EQ(files.at(1)->name(), QStringLiteral("myclip2"));
    EXPECT_EQ(presenter.texts, QStringList{text("ov_file_name_duplicate") + QStringLiteral(":clip.mp4")});
}

TEST_F(VideoListTest, TicksKeepTheirOrderAndSelectAllTakesRowOrder)
{
    setVideos(4);
    open(4);
    tick(2, true);
    tick(0, true);
    tick(2, true);
    tick(1, false);
    EXPECT_EQ(fileNames(screen->selectedList()), (QStringList{"v2.mp4", "v0.mp4"}));

    screen->checkBox()->click();
    tick(1, false);
    EXPECT_EQ(fileNames(screen->selectedList()), (QStringList{"v0.mp4", "v2.mp4", "v3.mp4"}));
    screen->checkBox()->click();
    EXPECT_TRUE(screen->selectedList().isEmpty());

    // Refresh reads the list again and forgets the ticks.
    tick(3, true);
    screen->refreshAction();
    ASSERT_TRUE(waitForRows(4));
    EXPECT_TRUE(screen->selectedList().isEmpty());
}

TEST_F(VideoListTest, DeletingAFileRemovesItsRowAndItsTick)
{
    setVideos(3);
    open(3);
    tick(1, true);
    presenter.answerNext(press("btnOK"));
    screen->cellAt(1)->deleteButton()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->videoLists().size() == 2; }));
    EXPECT_EQ(fileNames(screen->videoLists()), (QStringList{"v0.mp4", "v2.mp4"}));
    EXPECT_TRUE(screen->selectedList().isEmpty());
    EXPECT_EQ(model.videoNames(), (QList<QByteArray>{"v0.mp4", "v2.mp4"}));
    ASSERT_FALSE(fan.frames().isEmpty());
    EXPECT_EQ(fan.frames().last().bytes.mid(3, 3), QByteArray("\x04\x01\x01", 3));

    // Cancelled: nothing sent.
    const int frames = int(fan.frames().size());
    presenter.answerNext(press("btnCancel"));
    screen->cellAt(0)->deleteButton()->click();
    spinFor(100);
    EXPECT_EQ(fan.frames().size(), frames);
}

TEST_F(VideoListTest, DeletesAnsweredLateRemoveTheFilesTheyWereFor)
{
    setVideos(3);
    open(3);
    fan.setDelay(300);
    presenter.answerNext(press("btnOK"));
    screen->cellAt(0)->deleteButton()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 1; }));
    presenter.answerNext(press("btnOK"));
    screen->cellAt(1)->deleteButton()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->videoLists().size() == 1; }, 5000));
    // The second delete went out after the first was answered, for the row v1 then had.
    EXPECT_EQ(fileNames(screen->videoLists()), QStringList{"v2.mp4"});
    EXPECT_EQ(model.videoNames(), QList<QByteArray>{"v2.mp4"});
}

TEST_F(VideoListTest, RowsPastTheOneByteIndexAreRefusedNotMistaken)
{
    setVideos(258);
    open(258);
    presenter.answerNext(press("btnOK"));
    // A row that far down gets its widget once it is scrolled to.
    ASSERT_TRUE(screen->listTable()->scrollToRow(256));
    screen->cellAt(256)->deleteButton()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 1; }));
    EXPECT_EQ(presenter.texts.first(), text("ov_delete_row_out_of_range"));
    spinFor(100);
    EXPECT_TRUE(valuesOf(4).isEmpty());
    EXPECT_EQ(model.videoNames().size(), 258);
}

TEST_F(VideoListTest, ClearingEmptiesTheStoreAndRestoresTheReadTimeOut)
{
    setVideos(2);
    open(2);
    tick(0, true);
    presenter.answerNext(press("btnOK"));
    screen->clearBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->videoLists().isEmpty(); }));
    EXPECT_TRUE(screen->selectedList().isEmpty());
    EXPECT_TRUE(model.videoNames().isEmpty());
    EXPECT_EQ(manager().insSocket()->readTimeout(), 3);

    // A refused clear keeps the rows and also restores the time-out.
    setVideos(1);
    screen->refreshAction();
    ASSERT_TRUE(waitForRows(1));
    fan.setScript([](const FakeFan::Frame &) { return FakeFan::Reply::bytes("\x35\xA4\x09\x00"); });
    fan.clearRecords();
    presenter.answerNext(press("btnOK"));
    screen->clearBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return fan.codes().contains(5); }));
    spinFor(200);
    EXPECT_EQ(screen->videoLists().size(), 1);
    EXPECT_EQ(manager().insSocket()->readTimeout(), 3);
}

TEST_F(VideoListTest, ABatchEndsWithTheOutcomeOfItsLastFile)
{
    open(0);
    AccessibilityEvents heard;
    presenter.answerNext(chooseFiles({makeFile(QStringLiteral("a.mov")), makeFile(QStringLiteral("bad.mov")),
                                      makeFile(QStringLiteral("c.mov"))}));
    screen->addBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->text() == text("ov_add_file_success"); }, 15000));
    EXPECT_TRUE(std::ranges::none_of(heard.eventsOf(screen->uploadProgress()),
                                     [&](const auto &event) { return event.name == text("ov_add_file_fail"); }))
        << "a file failing before the last one is never reported";
    EXPECT_EQ(fileNames(screen->videoLists()), (QStringList{"a.mp4", "c.mp4"}));
    EXPECT_TRUE(screen->uploadProgress()->hideProgressLabel());
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->isHidden(); }));

    presenter.answerNext(chooseFiles({makeFile(QStringLiteral("d.mov")), makeFile(QStringLiteral("bad2.mov"))}));
    screen->addBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->text() == text("ov_add_file_fail"); }, 15000));
    EXPECT_EQ(fileNames(screen->videoLists()), (QStringList{"a.mp4", "c.mp4", "d.mp4"}));
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->isHidden(); }));
    EXPECT_EQ(model.videoNames(), (QList<QByteArray>{"a.mp4", "c.mp4", "d.mp4"}));
}

TEST_F(VideoListTest, TheBarHoldsAFilesProgressUntilTheNextFileStarts)
{
    open(0);
    UploadBar *bar = screen->uploadProgress();
    QList<float> shownAsSent;
    UploadRun::start(screen, bar, *manager().fileSocket(),
                     {std::make_shared<QXFile>(makeFile(QStringLiteral("a.mov")), QStringLiteral("a")),
                      std::make_shared<QXFile>(makeFile(QStringLiteral("c.mov")), QStringLiteral("c"))},
                     UploadRun::FileEnds::LastOnly, [&](const QVariant &) { shownAsSent.append(bar->progress()); });
    ASSERT_TRUE(waitUntil([&] { return shownAsSent.size() == 2; }, 15000));
    // Full as the first file is taken, never back at 0 before the second one starts; the
    // batch's end then clears it.
    EXPECT_EQ(shownAsSent, (QList<float>{1.0f, 0.0f}));
    EXPECT_EQ(bar->text(), text("ov_add_file_success"));
}

TEST_F(VideoListTest, ConfirmHandsTheTicksToTheEditorBeneath)
{
    setVideos(3);
    auto *editor = showRoot(new PlayListEditViewController);
    editor->configData({{QStringLiteral("list"), QVariant::fromValue(QList<QXQFileInfoRef>{
                                                     std::make_shared<QXQFileInfo>("x.mp4", "1M", "2")})}});
    editor->addBtn()->click();
    screen = top<VideoListViewController>();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(waitForRows(3));
    EXPECT_TRUE(screen->isSelecting());
    EXPECT_FALSE(screen->sureBtn()->isHidden());
    tick(2, true);
    tick(0, true);
    screen->sureBtn()->click();
    EXPECT_EQ(top<PlayListEditViewController>(), editor);
    ASSERT_EQ(fileNames(editor->list()), (QStringList{"x.mp4", "v2.mp4", "v0.mp4"}));
    EXPECT_EQ(editor->list().at(1)->fileTimes(), QStringLiteral("1"));

    // Nothing ticked hands an empty list and still goes back.
    editor->addBtn()->click();
    screen = top<VideoListViewController>();
    ASSERT_TRUE(waitForRows(3));
    screen->sureBtn()->click();
    EXPECT_EQ(top<PlayListEditViewController>(), editor);
    EXPECT_EQ(editor->list().size(), 3);
}

} // namespace
