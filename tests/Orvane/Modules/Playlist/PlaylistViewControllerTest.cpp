// The play-list screen against a fan model on loopback: what it reads, sends and uploads, and
// what the operator sees on each path.
#include "AccessibilityEvents.h"
#include "AnsweringPresenter.h"
#include "Core/ContentChildDelegate.h"
#include "Core/Language.h"
#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "FanScreenFixture.h"
#include "FilePanelAnswers.h"
#include "ListAccessibility.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "Modules/Playlist/PlayListCell.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "PlayControlView.h"
#include "QXButton.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "NetworkingDevice.h"
#include "QXDevice.h"
#include "QXView.h"
#include "Screenshots.h"
#include "Widget/Rows/RowColumnView.h"
#include "Widget/UploadBar.h"

#include <QAccessible>
#include <QDrag>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QSemaphore>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::FakeFan;
using orvane::test::manager;
using orvane::test::press;
using orvane::test::text;
using orvane::test::waitUntil;

const QByteArray kThreeEntries = "a.mp4,1.0M,1,\r\nb.mp4,2.0M,2,\r\nmyclip.mp4,3.0M,3,\r\n";

class RecordingDelegate : public ContentChildDelegate
{
public:
    void childVC(QWidget *, int destination) override { destinations.append(destination); }
    void childVC(QWidget *, int destination, const QVariant &) override { destinations.append(destination); }
    QList<int> destinations;
};

class PlaylistScreenTest : public orvane::test::FanScreenFixture
{
protected:
    void SetUp() override
    {
        FanScreenFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        model.setListText(kThreeEntries);
        Utils::shareInstance()->setFilePath();
        orvane::language::setLanguage(QStringLiteral("en"));
        bool connected = false;
        manager().insSocket()->connectedWithSuccess([&](auto &&...) { connected = true; }, nullptr);
        ASSERT_TRUE(waitUntil([&] { return connected; }));
    }

    void TearDown() override
    {
        screen.reset();
        FanScreenFixture::TearDown();
    }

    // The converter copies the source, unless the test holds it.
    bool convertible(const QString &) override
    {
        if (holdConversion)
            conversionHeld.acquire();
        return true;
    }

    void open(int rows = 3)
    {
        screen = std::make_unique<PlaylistViewController>();
        screen->setDelegate(&delegate);
        screen->resize(900, 560);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        ASSERT_TRUE(waitForRows(rows));
    }

    bool waitForRows(int rows)
    {
        return waitUntil([&] {
            return screen->contentArray().size() == rows && screen->btnRefreshItem()->isEnabled()
                && fan.codes().count(46) > 0;
        });
    }

    QStringList names() const { return orvane::test::fileNames(screen->contentArray()); }

    void setPlaying(qint64 index)
    {
        manager().device()->editStatus([index](QXDeviceStatus &status) { status.setPlayingIndex(index); });
    }

    RecordingDelegate delegate;
    std::atomic<bool> holdConversion{false};
    QSemaphore conversionHeld;
    std::unique_ptr<PlaylistViewController> screen;
};

TEST_F(PlaylistScreenTest, RefreshReadsListStatusAndMaskInOrderAndShowsTheRows)
{
    open();
    EXPECT_EQ(fan.codes(), (QList<quint8>{11, 10, 46}));
    EXPECT_EQ(names(), (QStringList{"a.mp4", "b.mp4", "myclip.mp4"}));
    EXPECT_FALSE(screen->btnSave()->isEnabled());
    EXPECT_FALSE(screen->uploadProgress()->isVisible());
    EXPECT_FALSE(screen->btnMultyList()->isVisible());
    EXPECT_EQ(screen->nameLabel()->text(), QStringLiteral("ORVANE_TEST_FAN"));
    screen->playList()->layoutIfNeeded();
    ASSERT_TRUE(screen->cellAt(2));
    EXPECT_EQ(screen->cellAt(2)->itemName()->text(), QStringLiteral("myclip.mp4"));
    EXPECT_GT(screen->cellAt(2)->width(), 600);
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("playlist-screen")).isNull());
}

TEST_F(PlaylistScreenTest, FailedStatusLeavesTheRowsAndFailedListKeepsThem)
{
    open();
    FakeFan::Script broken = [](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        if (frame.code == 10)
            return FakeFan::Reply::bytes(FakeFan::plainReply(99));
        return std::nullopt;
    };
    model.setListText("z.mp4,1.0M,1,\r\n");
    fan.clearRecords();
    model.setScript(broken);
    screen->btnRefreshItem()->click();
    EXPECT_FALSE(screen->btnAddFile()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return fan.codes().size() == 3 && screen->btnAddFile()->isEnabled(); }));
    orvane::test::spinFor(50);
    EXPECT_EQ(names(), (QStringList{"a.mp4", "b.mp4", "myclip.mp4"}));
}

TEST_F(PlaylistScreenTest, PreviousAndNextWrapAndSendNothingWithoutRowsOrAPlayingEntry)
{
    open();
    struct Case {
        qint64 playing;
        bool next;
        QList<int> sent;
    };
    const QList<Case> cases = {{0, false, {2}}, {2, true, {0}}, {1, true, {2}}, {1, false, {0}}, {-1, true, {}}};
    for (const Case &c : cases) {
        fan.clearRecords();
        setPlaying(c.playing);
        (c.next ? screen->playControlView()->nextBtn() : screen->playControlView()->previousBtn())->click();
        if (c.sent.isEmpty()) {
            orvane::test::spinFor(60);
            EXPECT_TRUE(valuesOf(8).isEmpty()) << c.playing << c.next;
            continue;
        }
        // The played row becomes the playing one before the next case starts from its own.
        EXPECT_TRUE(waitUntil([&] {
            return valuesOf(8) == c.sent && manager().device()->status().playingIndex() == c.sent.first();
        })) << c.playing << c.next;
    }
    // The keyboard plays the focused row with Enter.
    fan.clearRecords();
    screen->playList()->layoutIfNeeded();
    screen->cellAt(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(screen->cellAt(1), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return valuesOf(8) == QList<int>{1}; }));
    // The rows are rebuilt for the new playing entry; the focus and selection stay on the row.
    ASSERT_TRUE(waitUntil([&] { return screen->cellAt(1) && screen->cellAt(1)->isPlaying(); }));
    EXPECT_TRUE(screen->cellAt(1)->hasFocus());
    EXPECT_EQ(screen->selectedRow(), 1);

    // A played entry becomes the playing row.
    setPlaying(1);
    screen->playControlView()->nextBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->cellAt(2) && screen->cellAt(2)->isPlaying(); }));
    EXPECT_EQ(manager().device()->status().playingIndex(), 2);

    model.setListText(QByteArray());
    screen->btnRefreshItem()->click();
    ASSERT_TRUE(waitForRows(0));
    fan.clearRecords();
    setPlaying(0);
    screen->playControlView()->nextBtn()->click();
    screen->playControlView()->previousBtn()->click();
    orvane::test::spinFor(60);
    EXPECT_TRUE(fan.frames().isEmpty());
}

TEST_F(PlaylistScreenTest, SaveFollowsWhetherTheRowsDifferFromTheDevice)
{
    open();
    screen->playList()->layoutIfNeeded();
    // The first row up and the last row down change nothing.
    screen->cellAt(0)->btnUpItem()->click();
    screen->cellAt(2)->btnDownItem()->click();
    orvane::test::spinFor(20);
    ASSERT_EQ(names(), (QStringList{"a.mp4", "b.mp4", "myclip.mp4"}));
    EXPECT_FALSE(screen->btnSave()->isEnabled());

    screen->cellAt(1)->btnDownItem()->click();
    ASSERT_TRUE(waitUntil([&] { return names().value(2) == QStringLiteral("b.mp4"); }));
    EXPECT_TRUE(screen->btnSave()->isEnabled());
    screen->cellAt(2)->btnUpItem()->click();
    ASSERT_TRUE(waitUntil([&] { return names().value(1) == QStringLiteral("b.mp4"); }));
    EXPECT_FALSE(screen->btnSave()->isEnabled());

    screen->cellAt(0)->stepper()->setValue(5);
    EXPECT_TRUE(screen->btnSave()->isEnabled());
    ASSERT_EQ(screen->contentArray().size(), 3);
    EXPECT_EQ(screen->contentArray().at(0)->fileTimes(), QStringLiteral("5"));
    screen->cellAt(0)->stepper()->setValue(1);
    EXPECT_FALSE(screen->btnSave()->isEnabled());
    EXPECT_TRUE(fan.codes().count(8) == 0 && fan.codes().size() == 3) << "nothing is sent before Save";

    // Drops move the one dragged row, and only drags from this list are taken.
    RowColumnView *list = screen->playList();
    EXPECT_FALSE(list->validateDrop(screen->btnSave(), RowColumnView::writeRow(0)));
    EXPECT_TRUE(list->validateDrop(screen->cellAt(0), RowColumnView::writeRow(0)));
    EXPECT_TRUE(list->acceptDrop(RowColumnView::writeRow(0), 3));
    EXPECT_EQ(names(), (QStringList{"b.mp4", "myclip.mp4", "a.mp4"}));
    EXPECT_TRUE(list->acceptDrop(RowColumnView::writeRow(2), 1));
    EXPECT_EQ(names(), (QStringList{"b.mp4", "a.mp4", "myclip.mp4"}));
    EXPECT_FALSE(list->acceptDrop("7", 0));
    EXPECT_FALSE(list->acceptDrop("x", 0));
}

TEST_F(PlaylistScreenTest, UploadStripsNamesRefusesDuplicatesAndUnsupportedFilesAndAppendsTheRest)
{
    open();
    AnsweringPresenter presenter;
    const QStringList chosen = {makeFile(QStringLiteral("my clip.mp4")), makeFile(QStringLiteral("clip.mp4")),
                                makeFile(QStringLiteral("notes.txt")), makeFile(QStringLiteral("new,one;#.mov"))};
    presenter.answerNext(orvane::test::chooseFiles(chosen));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().size() == 4; }));
    EXPECT_EQ(presenter.texts.mid(1), (QStringList{text("ov_file_name_duplicate") + QStringLiteral("：myclip.mp4"),
                                                   text("ov_file_name_duplicate") + QStringLiteral("：clip.mp4"),
                                                   text("ov_invalid_file") + QStringLiteral("：notes.txt")}));
    EXPECT_EQ(names().last(), QStringLiteral("newone.mp4"));
    EXPECT_EQ(model.listText(), kThreeEntries + "newone.mp4,2.9K,1,\r\n");
    EXPECT_EQ(manager().device()->file()->count(), 4);
    EXPECT_EQ(screen->uploadProgress()->text(), text("ov_add_file_success"));
    EXPECT_TRUE(screen->uploadProgress()->isVisible());
    EXPECT_FALSE(screen->btnSave()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !screen->uploadProgress()->isVisible(); }, 3000));
}

TEST_F(PlaylistScreenTest, SystemFileEndsTheSelectionAndSendsTheOperatorBack)
{
    open();
    AnsweringPresenter presenter;
    presenter.answerNext(orvane::test::chooseFiles(
        {makeFile(QStringLiteral("firmware.bin")), makeFile(QStringLiteral("later.mp4"))}));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return !delegate.destinations.isEmpty(); }));
    EXPECT_EQ(delegate.destinations, QList<int>{100});
    ASSERT_FALSE(presenter.texts.isEmpty());
    EXPECT_EQ(presenter.texts.last(), text("ov_update_success"));
    // A device program gets no answer byte: it is done once the system took its last bytes, and
    // the fan reads them on its own thread, maybe a little later.
    ASSERT_TRUE(waitUntil([&] { return !model.storedNames().isEmpty(); }));
    EXPECT_EQ(model.storedNames(), QList<QByteArray>{"firmware.bin"});
    EXPECT_EQ(screen->contentArray().size(), 3);
}

TEST_F(PlaylistScreenTest, LastFailureOfABatchHidesTheBarAndABusySocketAsksToWait)
{
    open();
    AnsweringPresenter presenter;
    holdConversion = true;
    presenter.answerNext(orvane::test::chooseFiles({makeFile(QStringLiteral("one.mp4")), makeFile(QStringLiteral("two.mp4"))}));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->isVisible(); }));
    EXPECT_EQ(screen->uploadProgress()->text(), folder.filePath(QStringLiteral("one.mp4")));
    screen->playList()->layoutIfNeeded();
    screen->selectRow(1);
    screen->cellAt(2)->setFocus();
    orvane::test::spinFor(20);
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("playlist-uploading")).isNull());

    // While the upload runs: a second selection waits, a refresh reads nothing, and a failed
    // delete puts its row back itself.
    screen->btnAddFile()->click();
    ASSERT_FALSE(presenter.texts.isEmpty());
    EXPECT_EQ(presenter.texts.last(), text("ov_wait_for_upload"));
    fan.clearRecords();
    screen->btnRefreshItem()->click();
    FakeFan::Script refuseDelete = [](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        if (frame.code == 4)
            return FakeFan::Reply::bytes(FakeFan::plainReply(99));
        return std::nullopt;
    };
    model.setScript(refuseDelete);
    presenter.answerNext(press("btnOK"));
    screen->playList()->layoutIfNeeded();
    screen->cellAt(1)->btnDeleteItem()->click();
    ASSERT_TRUE(waitUntil([&] { return valuesOf(4) == QList<int>{1}; }));
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().size() == 3; }));
    EXPECT_EQ(names(), (QStringList{"a.mp4", "b.mp4", "myclip.mp4"}));
    EXPECT_EQ(fan.codes(), QList<quint8>{4}) << "no list is read while the upload runs";

    // Both files fail on the way, each said as it fails: the bar goes away after the last one.
    orvane::test::AccessibilityEvents heard;
    files.setDropAfter(40);
    holdConversion = false;
    conversionHeld.release(2);
    ASSERT_TRUE(waitUntil([&] { return screen->uploadProgress()->text() == text("ov_add_file_fail"); }));
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(screen->uploadProgress());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Value), text("ov_progress_failed")) << "said, not only shown";
    ASSERT_TRUE(waitUntil([&] { return !screen->uploadProgress()->isVisible(); }, 4000));
    const auto saysFailed = [&](const auto &event) {
        return event.type == QAccessible::NameChanged && event.name == text("ov_add_file_fail");
    };
    EXPECT_EQ(std::ranges::count_if(heard.eventsOf(screen->uploadProgress()), saysFailed), 2)
        << "each failure is said as it happens";
    EXPECT_EQ(screen->contentArray().size(), 3);
}

TEST(UploadBar, SaysInWordsHowTheUploadStands)
{
    orvane::language::setLanguage(QStringLiteral("en"));
    UploadBar bar;
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(heard, nullptr);
    bar.startFile(QStringLiteral("/videos/lobby.mp4"));
    bar.setProgress(0.3f);
    EXPECT_EQ(heard->text(QAccessible::Name), QStringLiteral("/videos/lobby.mp4"));
    EXPECT_EQ(heard->text(QAccessible::Value), QStringLiteral("30%"));
    EXPECT_EQ(heard->text(QAccessible::Description), QStringLiteral("In progress: 30%"));
    bar.failFile();
    EXPECT_EQ(heard->text(QAccessible::Description), QStringLiteral("Failed"));
    bar.startFile(QStringLiteral("/videos/next.mp4"));
    bar.finishBatch(true);
    EXPECT_EQ(heard->text(QAccessible::Description), QStringLiteral("Complete"));
    orvane::language::setLanguage(std::nullopt);
}

TEST_F(PlaylistScreenTest, DeleteAndClearAskFirstAndAFailedDeleteReadsTheListAgain)
{
    open();
    AnsweringPresenter presenter;
    screen->playList()->layoutIfNeeded();
    presenter.answerNext(press("btnCancel"));
    screen->cellAt(0)->btnDeleteItem()->click();
    orvane::test::spinFor(50);
    EXPECT_EQ(presenter.texts, QStringList{text("ov_delete_file_ensure")});
    EXPECT_TRUE(valuesOf(4).isEmpty());

    presenter.answerNext(press("btnOK"));
    screen->cellAt(2)->btnDeleteItem()->click();
    ASSERT_TRUE(waitUntil([&] { return manager().device()->file()->count() == 2; }));
    EXPECT_EQ(valuesOf(4), QList<int>{2});
    EXPECT_EQ(names(), (QStringList{"a.mp4", "b.mp4"}));

    // The fan keeps the entry: the list comes back as the fan holds it.
    model.setScript([](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        if (frame.code == 4 || frame.code == 5)
            return FakeFan::Reply::bytes(FakeFan::plainReply(99));
        return std::nullopt;
    });
    presenter.answerNext(press("btnOK"));
    screen->playList()->layoutIfNeeded();
    screen->cellAt(0)->btnDeleteItem()->click();
    ASSERT_TRUE(waitUntil([&] { return fan.codes().count(11) == 2 && screen->contentArray().size() == 2; }));
    EXPECT_EQ(names(), (QStringList{"a.mp4", "b.mp4"}));

    presenter.answerNext(press("btnOK"));
    screen->btnClearList()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.last() == text("ov_conn_fail_tip"); }));
    EXPECT_EQ(screen->contentArray().size(), 2);
    model.setScript(nullptr);
    presenter.answerNext(press("btnOK"));
    screen->btnClearList()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().isEmpty(); }));
    EXPECT_EQ(manager().device()->file()->count(), 0);
}

TEST_F(PlaylistScreenTest, SaveWritesTheLocalFileThenUploadsUnderTheListName)
{
    open();
    screen->playList()->layoutIfNeeded();
    screen->cellAt(0)->stepper()->setValue(4);
    ASSERT_TRUE(screen->btnSave()->isEnabled());
    const QByteArray edited = "a.mp4,1.0M,4,\r\nb.mp4,2.0M,2,\r\nmyclip.mp4,3.0M,3,\r\n";

    // A fan with a single list takes it as "playlist.txt".
    screen->btnSave()->click();
    EXPECT_FALSE(screen->btnSave()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return model.storedFile("playlist.txt") == std::optional(edited); }));
    QFile local(Utils::shareInstance()->fileListPath());
    ASSERT_TRUE(local.open(QIODevice::ReadOnly));
    EXPECT_EQ(local.readAll(), edited);
    EXPECT_FALSE(screen->checkContentChanged());

    // A fan with several lists names its current one; an empty name uploads nothing.
    model.setListIndex(0);
    model.setListName("evening");
    screen->btnRefreshItem()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->btnMultyList()->isVisible(); }));
    screen->playList()->layoutIfNeeded();
    screen->cellAt(1)->stepper()->setValue(9);
    screen->btnSave()->click();
    ASSERT_TRUE(waitUntil([&] { return model.storedFile("evening").has_value(); }));
    EXPECT_EQ(model.listText(), model.storedFile("evening").value());

    model.setListName(QByteArray());
    screen->cellAt(1)->stepper()->setValue(8);
    const QList<QByteArray> storedBefore = model.storedNames();
    screen->btnSave()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->btnSave()->isEnabled(); }));
    orvane::test::spinFor(50);
    EXPECT_EQ(model.storedNames(), storedBefore);
    EXPECT_EQ(files.transfers().size(), 2);
}

TEST_F(PlaylistScreenTest, NameFollowsTheCurrentRecordAndSeveralListsPushTheirScreen)
{
    model.setListIndex(0);
    NSNavigationController *navigation = nullptr;
    auto *root = new PlaylistViewController;
    navigation = new NSNavigationController(root);
    navigation->resize(900, 560);
    navigation->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(navigation));
    ASSERT_TRUE(waitUntil([&] { return root->btnMultyList()->isVisible() && root->contentArray().size() == 3; }));
    EXPECT_EQ(root->btnMultyList()->width(), PlaylistViewController::kMultyListWidth);
    orvane::test::spinFor(30);
    EXPECT_FALSE(orvane::test::grabScreenshot(navigation, QStringLiteral("playlist-several-lists")).isNull());
    EXPECT_EQ(root->nameLabel()->text(), QStringLiteral("ORVANE_TEST_FAN"));
    manager().device()->setWifiName(QStringLiteral("renamed"));
    ASSERT_TRUE(waitUntil([&] { return root->nameLabel()->text() == QStringLiteral("renamed"); }));

    root->btnMultyList()->click();
    navigation->finishTransition();
    auto *next = qobject_cast<MultyListViewController *>(navigation->topViewController());
    ASSERT_TRUE(next);
    EXPECT_EQ(next->device(), root->device());
    navigation->popViewControllerAnimated(false);

    // A new connection makes a new record: the label follows it when the screen appears again.
    navigation->hide();
    const quint16 port = quint16(manager().insSocket()->port());
    manager().configDeviceWithWifiName(QStringLiteral("ORVANE_OTHER_FAN"));
    manager().device()->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("127.0.0.1")}});
    manager().insSocket()->setPort(port);
    navigation->show();
    ASSERT_TRUE(waitUntil([&] { return root->nameLabel()->text() == QStringLiteral("ORVANE_OTHER_FAN"); }));
    manager().device()->setWifiName(QStringLiteral("other-renamed"));
    ASSERT_TRUE(waitUntil([&] { return root->nameLabel()->text() == QStringLiteral("other-renamed"); }));
    delete navigation;
}

// A fan with hundreds of clips: the list makes widgets only for the rows in and near view,
// and the keyboard, a screen reader and a drag still reach every row.
class LongPlaylistTest : public PlaylistScreenTest
{
protected:
    static constexpr int kRows = 150;

    void SetUp() override
    {
        PlaylistScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        QByteArray text;
        for (int i = 0; i < kRows; ++i)
            text += clip(i).toUtf8() + ",1.0M,1,\r\n";
        model.setListText(text);
        open(kRows);
        ASSERT_FALSE(HasFatalFailure());
        list = screen->playList();
        list->layoutIfNeeded();
    }

    static QString clip(int i) { return QStringLiteral("clip%1.mp4").arg(i, 3, 10, QLatin1Char('0')); }
    QList<PlayListCell *> rowWidgets() const
    {
        return list->widget()->findChildren<PlayListCell *>(Qt::FindDirectChildrenOnly);
    }
    int focusedRow() const { return list->rowOf(QApplication::focusWidget()); }
    bool inView(const QWidget *widget) const
    {
        return list->viewport()->rect().contains(widget->mapTo(list->viewport(), widget->rect().center()));
    }

    RowColumnView *list = nullptr;
};

TEST_F(LongPlaylistTest, TabAndTheArrowKeysReachEveryRowAndLeaveAtTheEnd)
{
    EXPECT_LT(rowWidgets().size(), 40);
    EXPECT_EQ(screen->cellAt(kRows - 1), nullptr);

    // Tab from the control before the list lands on its first row, then goes through each row's
    // controls in turn.
    QWidget *before = list->widget()->previousInFocusChain();
    while (before->focusPolicy() == Qt::NoFocus || !before->isEnabled() || !before->isVisible())
        before = before->previousInFocusChain();
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return focusedRow() == 0; }));
    QList<int> visited{0};
    for (int press = 0; press < kRows * 8 && focusedRow() >= 0; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (focusedRow() >= 0 && focusedRow() != visited.last())
            visited.append(focusedRow());
    }
    ASSERT_EQ(visited.size(), kRows);
    for (int row = 0; row < kRows; ++row)
        EXPECT_EQ(visited.at(row), row);
    // Past the last row the focus leaves the list; Shift+Tab comes back to the last row.
    EXPECT_FALSE(list->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedRow(), kRows - 1);
    PlayListCell *last = screen->cellAt(kRows - 1);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->itemName()->text(), clip(kRows - 1));
    EXPECT_TRUE(inView(last));

    // Home, End, Up and Down move between rows, the row they reach in view.
    screen->cellAt(kRows - 1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    // Shift+Tab from the first row leaves the list the way Tab came in.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == before; }));
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(screen->cellAt(0));
    screen->cellAt(0)->setFocus(Qt::OtherFocusReason);
    for (int row = 1; row <= 40; ++row)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focusedRow(), 40);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(focusedRow(), 39);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(focusedRow(), kRows - 1);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_LT(rowWidgets().size(), 40) << "rows that scrolled away gave their widgets to the others";

    // Page Up and Page Down move the focus by the rows a page shows whole, and show where it went.
    const int page = int(list->viewport()->height() / PlaylistViewController::kRowHeight);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(focusedRow(), kRows - 1 - page);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(focusedRow(), kRows - 1 - 2 * page);
    EXPECT_TRUE(inView(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(focusedRow(), kRows - 1 - page);
    // Less than a page from either end, they stop at the end row.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(focusedRow(), kRows - 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(focusedRow(), 0);
    // On the list itself, as a screen reader may leave the focus, Down enters the first row in view.
    list->widget()->setFocus(Qt::OtherFocusReason);
    const int firstInView = int(list->verticalScrollBar()->value() / PlaylistViewController::kRowHeight);
    QTest::keyClick(list->widget(), Qt::Key_Down);
    EXPECT_EQ(focusedRow(), firstInView);

    // The middle of the list, for a person to look at.
    list->scrollToRow(kRows / 2);
    screen->selectRow(kRows / 2);
    orvane::test::spinFor(20);
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("playlist-long-middle")).isNull());
}

// The list passes the focus on when Tab enters it or Shift+Tab leaves it; a screen reader hears
// the control that gets the focus last, never the list it passed through (Space there would act
// on a control the operator did not hear).
TEST_F(PlaylistScreenTest, TabIntoAndShiftTabOutOfTheRowsIsHeardOnTheControlThatGetsTheFocus)
{
    open();
    ASSERT_FALSE(HasFatalFailure());
    RowColumnView *list = screen->playList();
    list->layoutIfNeeded();
    ASSERT_TRUE(screen->cellAt(0));
    QApplication::setActiveWindow(screen.get());
    orvane::test::AccessibilityEvents heard;
    screen->cellAt(0)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(waitUntil([&] { return !list->isAncestorOf(QApplication::focusWidget()); }));
    QWidget *before = QApplication::focusWidget();
    orvane::test::expectLastFocusOnFocusWidget(heard);

    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return list->rowOf(QApplication::focusWidget()) == 0; }));
    orvane::test::expectLastFocusOnFocusWidget(heard);
}

TEST_F(LongPlaylistTest, AScreenReaderCountsEveryRowAndCanMoveToOneFarAway)
{
    orvane::test::expectAccessibleList(list, text("ov_playlist"), kRows);
    QAccessibleInterface *far = orvane::test::accessibleList(list)->child(kRows - 1);
    ASSERT_TRUE(far && !far->object());
    EXPECT_EQ(far->text(QAccessible::Name), QStringLiteral("%1 %2").arg(kRows).arg(clip(kRows - 1)));
    EXPECT_TRUE(far->state().offscreen);
    ASSERT_TRUE(far->actionInterface());
    far->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(focusedRow(), kRows - 1);
    ASSERT_TRUE(screen->cellAt(kRows - 1));
    EXPECT_EQ(orvane::test::accessibleList(list)->child(kRows - 1)->object(), screen->cellAt(kRows - 1));
}

TEST_F(LongPlaylistTest, ADragWaitingAtTheBottomScrollsToTheEndWhereTheDropMovesTheRow)
{
    QMimeData mime;
    mime.setData(QString::fromLatin1(RowColumnView::kRowMimeType), RowColumnView::writeRow(1));
    QDragEnterEvent atBottom(QPoint(20, list->viewport()->height() - 3), Qt::MoveAction, &mime, Qt::LeftButton,
                             Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &atBottom);
    QScrollBar *bar = list->verticalScrollBar();
    ASSERT_TRUE(waitUntil([&] { return bar->value() == bar->maximum(); }));
    QDragLeaveEvent leave;
    QApplication::sendEvent(list->viewport(), &leave);
    const int end = list->dropRowAt(QPoint(20, list->widget()->height() - 2));
    EXPECT_EQ(end, kRows);
    EXPECT_TRUE(list->acceptDrop(RowColumnView::writeRow(1), end));
    ASSERT_EQ(names().size(), kRows);
    EXPECT_EQ(names().last(), clip(1));
    EXPECT_EQ(names().at(1), clip(2));
    EXPECT_TRUE(screen->btnSave()->isEnabled());
    ASSERT_TRUE(screen->cellAt(kRows - 1));
    EXPECT_EQ(screen->cellAt(kRows - 1)->itemName()->text(), clip(1));
}

// As a person clicks: the pointer moves there, the button goes down and, a moment later, up.
TEST_F(LongPlaylistTest, AClickOnARowTheListEdgeCutsActsOnceAndMovesNothing)
{
    // The row under the bottom edge shows its upper two thirds, its delete button partly.
    const int rowHeight = int(PlaylistViewController::kRowHeight);
    const int row = 12;
    QScrollBar *bar = list->verticalScrollBar();
    bar->setValue((row + 1) * rowHeight - rowHeight / 3 - list->viewport()->height());
    orvane::test::spinFor(50);
    QToolButton *button = screen->cellAt(row)->btnDeleteItem();
    const int edge = list->viewport()->height();
    ASSERT_GT(button->mapTo(list->viewport(), button->rect().bottomLeft()).y(), edge) << "the edge cuts the button";
    // Just above the edge: where the button would no longer be, had the list moved the row up.
    const QPoint inViewport(button->mapTo(list->viewport(), button->rect().center()).x(), edge - 2);
    const QPoint at = list->viewport()->mapTo(screen->window(), inViewport);
    ASSERT_EQ(screen->window()->childAt(at), button);
    const int scrolled = bar->value();

    AnsweringPresenter presenter;
    presenter.answerNext(press("btnCancel"));
    QWindow *window = screen->window()->windowHandle();
    QTest::mouseMove(window, at);
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    orvane::test::spinFor(100);
    EXPECT_EQ(bar->value(), scrolled) << "the rows stay where they were pressed";
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    ASSERT_TRUE(waitUntil([&] { return !presenter.texts.isEmpty(); }));
    orvane::test::spinFor(50);
    EXPECT_EQ(presenter.texts, QStringList{text("ov_delete_file_ensure")});
    EXPECT_EQ(bar->value(), scrolled);
}

// A scroll between the press and the drag gives the pressed row's widget to another row.
TEST_F(LongPlaylistTest, ADragCarriesTheRowThatWasPressed)
{
    PlayListCell *pressed = screen->cellAt(1);
    QWindow *window = screen->window()->windowHandle();
    const QPoint at = pressed->itemName()->mapTo(screen->window(), pressed->itemName()->rect().center());
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QWheelEvent wheel(QPointF(10, 10), list->viewport()->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120 * 20),
                      Qt::LeftButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
    ASSERT_NE(list->rowOf(pressed), 1) << "the pressed widget shows another row now";
    // The drag is read while it exists: offscreen it has ended by the time the move returns and
    // goes at the next turn of the event loop; a windowing system runs it in a loop of its own,
    // where it is read and ended.
    QByteArray carried;
    const auto readDrag = [&] {
        if (const QDrag *drag = list->findChild<QDrag *>())
            carried = drag->mimeData()->data(QString::fromLatin1(RowColumnView::kRowMimeType));
    };
    bool moveReturned = false;
    QTimer::singleShot(0, list, [&] {
        if (!moveReturned) {
            readDrag();
            QDrag::cancel();
        }
    });
    const QPoint moved = pressed->itemName()->rect().center() + QPoint(0, 20);
    QMouseEvent move(QEvent::MouseMove, moved, pressed->itemName()->mapToGlobal(moved), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(pressed->itemName(), &move);
    moveReturned = true;
    if (carried.isEmpty())
        readDrag();
    EXPECT_EQ(carried, RowColumnView::writeRow(1));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
}

TEST_F(LongPlaylistTest, ARefreshOfTheSameEntriesKeepsEveryRowWidgetAndTheFocus)
{
    screen->cellAt(3)->btnDeleteItem()->setFocus(Qt::TabFocusReason);
    const QList<PlayListCell *> before = rowWidgets();
    fan.clearRecords();
    screen->btnRefreshItem()->click();
    ASSERT_TRUE(waitForRows(kRows));
    orvane::test::spinFor(30);
    EXPECT_EQ(rowWidgets(), before);
    EXPECT_EQ(QApplication::focusWidget(), screen->cellAt(3)->btnDeleteItem());
}

} // namespace

namespace {

TEST(PlaylistMemberScreenTest, MemberScreenWorksOnThatFansPooledConnection)
{
    const auto member = std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvi_J9"), QStringLiteral("127.0.0.1"));
    std::unique_ptr<PlaylistViewController> screen(PlaylistViewController::initWithDevice(member));
    EXPECT_EQ(screen->device(), member);
    EXPECT_EQ(screen->insSocket(), manager().fetchInsSocketWithDevice(member, QXConnectManager::verifiedMode));
    EXPECT_EQ(screen->fileSocket(), manager().fetchFileSocketWithDevice(member, QXConnectManager::verifiedMode));
    EXPECT_NE(screen->insSocket(), manager().insSocket());
    EXPECT_EQ(screen->currentDevice(), manager().fethcDeviceFor(screen->insSocket().get()));
}

} // namespace
