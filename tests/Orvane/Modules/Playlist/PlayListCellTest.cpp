// The row of a play-list entry: what it shows, when its controls appear, and that every
// action reaches its block.
#include "EventLoop.h"
#include "Modules/Playlist/PlayListCell.h"
#include "CoverBox.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class PlayListCellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The row sits in a list with another control that holds the focus at first.
        auto *layout = new QVBoxLayout(&host);
        layout->addWidget(&elsewhere);
        layout->addWidget(&cell);
        host.resize(700, 120);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        elsewhere.setFocus();
        cell.configData(std::make_shared<QXQFileInfo>(QStringLiteral("a.mp4"), QStringLiteral("1.2M"),
                                                      QStringLiteral("3")),
                        0);
    }

    void hover(bool inside)
    {
        if (inside) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), cell.mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(&cell, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&cell, &leave);
        }
    }

    bool controlsShown() const
    {
        return cell.stepper()->isVisible() && cell.btnUpItem()->isVisible() && cell.btnDownItem()->isVisible();
    }

    QWidget host;
    QLineEdit elsewhere;
    PlayListCell cell;
};

TEST_F(PlayListCellTest, ShowsTheEntryAtItsPosition)
{
    EXPECT_EQ(cell.itemIndexLabel()->text(), QStringLiteral("1"));
    EXPECT_EQ(cell.itemName()->text(), QStringLiteral("a.mp4"));
    EXPECT_EQ(cell.itemSize()->text(), QStringLiteral("1.2M"));
    EXPECT_EQ(cell.itemTimes()->text(), QStringLiteral("3"));
    EXPECT_EQ(cell.stepper()->value(), 3);
    EXPECT_EQ(cell.toolTip(), QStringLiteral("a.mp4"));
    EXPECT_TRUE(cell.btnDeleteItem()->isVisible());
    EXPECT_FALSE(controlsShown());
    EXPECT_FALSE(cell.coverView()->isVisible());
    EXPECT_FALSE(cell.btnDeleteItem()->accessibleName().isEmpty());
    // Every row holds the same icons, read and decoded once, not a copy of its own.
    const PlayListCell other;
    EXPECT_EQ(other.btnDeleteItem()->icon().cacheKey(), cell.btnDeleteItem()->icon().cacheKey());
    EXPECT_EQ(other.itemTypeIcon()->pixmap().cacheKey(), cell.itemTypeIcon()->pixmap().cacheKey());

    // Screen readers see a selectable list item that plays on its press action.
    QAccessibleInterface *row = QAccessible::queryAccessibleInterface(&cell);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("1 a.mp4"));
    EXPECT_TRUE(row->text(QAccessible::Description).contains(QStringLiteral("1.2M")));
    // The playing row says that it plays, not the word of its play button.
    cell.setIsPlaying(true);
    EXPECT_TRUE(row->text(QAccessible::Description)
                    .endsWith(QStringLiteral(", ") + qxLocalized(QStringLiteral("ov_playing"))));
    EXPECT_FALSE(row->state().selected);
    cell.setSelected(true);
    EXPECT_TRUE(row->state().selected);
    int plays = 0;
    cell.setPlayAction([&] { ++plays; });
    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(plays, 1);
}

TEST_F(PlayListCellTest, HoverAndFocusShowTheControlsAndSelectionKeepsTheCover)
{
    hover(true);
    EXPECT_TRUE(controlsShown());
    EXPECT_TRUE(cell.btnPlayItem()->isVisible());
    EXPECT_TRUE(cell.coverView()->isVisible());
    hover(false);
    EXPECT_FALSE(controlsShown());
    EXPECT_FALSE(cell.coverView()->isVisible());

    cell.setSelected(true);
    hover(true);
    hover(false);
    EXPECT_TRUE(cell.coverView()->isVisible());
    EXPECT_FALSE(controlsShown());

    // The keyboard reaches the same controls: focus on the row shows them.
    cell.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(orvane::test::waitUntil([&] { return controlsShown(); }));
    cell.stepper()->setFocus(Qt::TabFocusReason);
    orvane::test::spinFor(10);
    EXPECT_TRUE(controlsShown());

    cell.prepareForReuse();
    elsewhere.setFocus();
    orvane::test::spinFor(10);
    EXPECT_FALSE(cell.isSelected());
    EXPECT_FALSE(cell.isPlaying());
    EXPECT_FALSE(cell.coverView()->isVisible());
    EXPECT_FALSE(controlsShown());
}

TEST_F(PlayListCellTest, ForbiddenPlayNeverShowsItsButton)
{
    cell.setForbidPlay(true);
    hover(true);
    EXPECT_TRUE(controlsShown());
    EXPECT_FALSE(cell.btnPlayItem()->isVisible());
}

TEST_F(PlayListCellTest, EveryActionReachesItsBlockAndMissingBlocksAreSkipped)
{
    hover(true);
    // Without blocks nothing happens.
    cell.btnUpItem()->click();
    cell.btnDeleteItem()->click();
    cell.stepper()->setValue(4);
    EXPECT_EQ(cell.itemTimes()->text(), QStringLiteral("4"));

    QList<bool> moves;
    QList<qint64> times;
    int plays = 0;
    int deletes = 0;
    cell.setMoveItemAction([&](bool up) { moves.append(up); });
    cell.setChangeTimesAction([&](qint64 value) { times.append(value); });
    cell.setPlayAction([&] { ++plays; });
    cell.setDeleteAction([&] { ++deletes; });
    cell.btnUpItem()->click();
    cell.btnDownItem()->click();
    cell.stepper()->stepUp();
    cell.btnDeleteItem()->click();
    cell.btnPlayItem()->click();
    EXPECT_EQ(moves, (QList<bool>{true, false}));
    EXPECT_EQ(times, QList<qint64>{5});
    EXPECT_EQ(cell.itemTimes()->text(), QStringLiteral("5"));
    EXPECT_EQ(plays, 1);
    EXPECT_EQ(deletes, 1);
    EXPECT_FALSE(cell.btnPlayItem()->isVisible());

    // Showing another entry moves the stepper without reporting a change.
    cell.configData(std::make_shared<QXQFileInfo>(QStringLiteral("b.mp4"), QStringLiteral("1M"), QStringLiteral("7")),
                    4);
    EXPECT_EQ(times, QList<qint64>{5});
    EXPECT_EQ(cell.itemIndexLabel()->text(), QStringLiteral("5"));
}

} // namespace
