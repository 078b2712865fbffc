#include "CollectionContainerView.h"
#include "LinearCollectionLayout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Settings-like items of heights 100, 120 and 80 in one section, with a header when the layout
// asks for one.
struct Settings : CollectionDataSource, LinearCollectionLayoutDelegate
{
    QList<qreal> heights{100, 120, 80};
    int itemsMade = 0;

    int numberOfItemsInSection(int) override { return static_cast<int>(heights.size()); }
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override
    {
        ++itemsMade;
        return new QLabel(QStringLiteral("item %1").arg(indexPath.item));
    }
    QWidget *supplementaryViewForKind(const QString &kind, const CollectionIndexPath &) override
    {
        return kind == CollectionElementKind::SectionHeader ? new QLabel(QStringLiteral("Header")) : nullptr;
    }
    QSizeF sizeForItem(CollectionView *, const LinearCollectionLayout *, const CollectionIndexPath &indexPath) override
    {
        return QSizeF(0, heights.at(indexPath.item));
    }
};

struct CollectionContainerViewTest : ::testing::Test
{
    Settings settings;
    CollectionContainerView view;
    LinearCollectionLayout *layout = new LinearCollectionLayout(180);

    void SetUp() override
    {
        layout->setSectionInsets(QMarginsF(10, 10, 0, 10));
        view.setCollectionViewLayout(layout);
        view.setDataSource(&settings);
        view.setDelegate(&settings);
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.reloadData();
        view.layoutIfNeeded();
    }
};

TEST_F(CollectionContainerViewTest, PlacesItemWidgetsWhereTheLayoutSays)
{
    EXPECT_EQ(view.numberOfSections(), 1);
    EXPECT_EQ(view.numberOfItemsInSection(0), 3);
    EXPECT_EQ(view.bounds().width(), 400);
    EXPECT_EQ(view.itemAtIndexPath({0, 0})->geometry(), QRect(10, 10, 180, 100));
    EXPECT_EQ(view.itemAtIndexPath({0, 1})->geometry(), QRect(200, 10, 180, 120));
    EXPECT_EQ(view.itemAtIndexPath({0, 2})->geometry(), QRect(10, 140, 180, 80));
    EXPECT_EQ(view.widget()->height(), 230);
    EXPECT_EQ(view.itemAtIndexPath({0, 3}), nullptr);
}

TEST_F(CollectionContainerViewTest, ANarrowerViewReflowsIntoOneColumn)
{
    view.resize(300, 600);
    EXPECT_EQ(view.itemAtIndexPath({0, 1})->geometry(), QRect(10, 120, 180, 120));
    EXPECT_EQ(view.itemAtIndexPath({0, 2})->geometry(), QRect(10, 250, 180, 80));

    // Narrower than one item: still one column.
    view.resize(60, 600);
    EXPECT_EQ(view.itemAtIndexPath({0, 2})->geometry(), QRect(10, 250, 180, 80));
}

TEST_F(CollectionContainerViewTest, ChangingALayoutSizeOrTheDataReplacesThePlacement)
{
    layout->setHeaderHeight(30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.supplementaryViewForKind(CollectionElementKind::SectionHeader, 0); }));
    EXPECT_EQ(view.supplementaryViewForKind(CollectionElementKind::SectionHeader, 0)->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(view.itemAtIndexPath({0, 0})->geometry(), QRect(10, 40, 180, 100));

    const QPointer<QWidget> old = view.itemAtIndexPath({0, 0});
    settings.heights = {50};
    view.reloadData();
    view.layoutIfNeeded();
    EXPECT_EQ(view.numberOfItemsInSection(0), 1);
    EXPECT_EQ(view.itemAtIndexPath({0, 0})->geometry(), QRect(10, 40, 180, 50));
    EXPECT_TRUE(QTest::qWaitFor([&] { return old.isNull(); }));
    EXPECT_EQ(settings.itemsMade, 4);
}

// A long list of 40-pixel rows, a button each, in a view that reuses them.
struct LongList : CollectionDataSource, LinearCollectionLayoutDelegate
{
    CollectionContainerView *view = nullptr;
    int count = 500;
    int made = 0;

    int numberOfItemsInSection(int) override { return count; }
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override
    {
        auto *row = qobject_cast<QPushButton *>(view->dequeueReusableItem(indexPath));
        if (!row) {
            row = new QPushButton;
            ++made;
        }
        row->setText(QString::number(indexPath.item));
        return row;
    }
    QSizeF sizeForItem(CollectionView *, const LinearCollectionLayout *, const CollectionIndexPath &) override
    {
        return QSizeF(0, 40);
    }
    std::optional<qreal> rowSpacingForSection(CollectionView *, const LinearCollectionLayout *, int) override
    {
        return 0.0;
    }
};

QString rowText(const CollectionContainerView &view, int item)
{
    const auto *row = qobject_cast<QPushButton *>(view.itemAtIndexPath({0, item}));
    return row ? row->text() : QString();
}

TEST(ReusingCollectionView, MakesWidgetsForTheRowsInViewAndGivesThemToOthersAsItScrolls)
{
    LongList rows;
    CollectionContainerView view;
    rows.view = &view;
    view.setReusesItems(true);
    view.setCollectionViewLayout(new LinearCollectionLayout(380));
    view.setDataSource(&rows);
    view.setDelegate(&rows);
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.reloadData();

    // The view and half a view above and below: 600 pixels of 40-pixel rows.
    EXPECT_EQ(view.numberOfItemsInSection(0), 500);
    EXPECT_EQ(view.totalItemCount(), 500);
    EXPECT_GE(rows.made, 8);
    EXPECT_LE(rows.made, 16);
    EXPECT_EQ(rowText(view, 0), QStringLiteral("0"));
    EXPECT_EQ(view.itemAtIndexPath({0, 100}), nullptr);
    EXPECT_EQ(view.widget()->height(), 500 * 40);

    // Scrolling to the end shows the last rows in the widgets of the first.
    const int made = rows.made;
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    EXPECT_EQ(rowText(view, 499), QStringLiteral("499"));
    EXPECT_EQ(view.itemAtIndexPath({0, 499})->geometry(), QRect(0, 499 * 40, 380, 40));
    EXPECT_EQ(view.itemAtIndexPath({0, 0}), nullptr);
    EXPECT_EQ(rows.made, made);

    // A reload keeps each shown row in its widget; a shorter list frees the rest.
    QWidget *last = view.itemAtIndexPath({0, 499});
    view.reloadData();
    EXPECT_EQ(view.itemAtIndexPath({0, 499}), last);
    EXPECT_EQ(rows.made, made);
    rows.count = 3;
    view.reloadData();
    EXPECT_EQ(view.widget()->height(), 120);
    EXPECT_EQ(rowText(view, 2), QStringLiteral("2"));
    EXPECT_EQ(view.itemAtIndexPath({0, 3}), nullptr);
    EXPECT_EQ(view.indexPathForItemWidget(view.itemAtIndexPath({0, 1})), (CollectionIndexPath{0, 1}));
    EXPECT_EQ(rows.made, made);
}

} // namespace
