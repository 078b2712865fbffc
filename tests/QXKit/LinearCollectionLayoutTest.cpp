#include "CollectionLayoutFixtures.h"
#include "LinearCollectionLayout.h"

#include <QVariant>

#include <gtest/gtest.h>

using orvane::test::FakeCollection;
using orvane::test::itemFrame;

namespace {

struct LinearLayoutTest : ::testing::Test
{
    FakeCollection collection;
    LinearCollectionLayout layout{180};

    void SetUp() override
    {
        collection.viewBounds = QRectF(0, 0, 400, 300);
        layout.setCollectionView(&collection);
        // The settings screen's insets: top 10, left 10, bottom 10, right 0.
        layout.setSectionInsets(QMarginsF(10, 10, 0, 10));
    }
};

TEST_F(LinearLayoutTest, WorkedExampleFillsTwoColumnsRowByRow)
{
    collection.sections = {FakeCollection::heights({100, 120, 80})};
    layout.prepareLayout();

    EXPECT_EQ(layout.columnCount(400, 0), 2);
    EXPECT_EQ(itemFrame(layout, 0, 0), QRectF(10, 10, 180, 100));
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(200, 10, 180, 120));
    // The second row starts below the taller item of the first, in every column.
    EXPECT_EQ(itemFrame(layout, 0, 2), QRectF(10, 140, 180, 80));
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(400, 230));
}

TEST_F(LinearLayoutTest, EmptySectionsStillAddTheirTopInsets)
{
    collection.sections = {{}, FakeCollection::heights({50})};
    layout.setHeaderInsets(QMarginsF(0, 5, 0, 7));
    layout.setFooterInsets(QMarginsF(0, 3, 0, 4));
    layout.prepareLayout();

    // Section 0: header top 5 (no header, so no bottom), section top 10, footer top 3: 18.
    // Section 1's item at 18 + 5 + 10 = 33, then the row spacing and the footer top.
    EXPECT_EQ(itemFrame(layout, 1, 0), QRectF(10, 33, 180, 50));
    EXPECT_EQ(layout.collectionViewContentSize().height(), 33 + 50 + 10 + 3);
    EXPECT_FALSE(layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionHeader, {0, 0}));
    EXPECT_FALSE(layout.layoutAttributesForItemAtIndexPath({0, 0}));
    EXPECT_FALSE(layout.layoutAttributesForItemAtIndexPath({2, 0}));
}

TEST_F(LinearLayoutTest, HeadersAndFootersSpanTheWidthAroundTheirSection)
{
    collection.sections = {FakeCollection::heights({40}), FakeCollection::heights({60})};
    layout.setHeaderHeight(20);
    layout.setHeaderInsets(QMarginsF(5, 2, 15, 3));
    collection.footerHeights[1] = 30;
    layout.prepareLayout();

    const auto header0 = layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionHeader, {0, 7});
    ASSERT_TRUE(header0);
    EXPECT_EQ(header0->frame, QRectF(5, 2, 380, 20));
    EXPECT_EQ(header0->indexPath, (CollectionIndexPath{0, 0}));
    EXPECT_EQ(itemFrame(layout, 0, 0), QRectF(10, 35, 180, 40));
    // Section 1: 85 (row end) + 2 + 20 + 3 + 10.
    EXPECT_EQ(itemFrame(layout, 1, 0), QRectF(10, 120, 180, 60));
    const auto footer1 = layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionFooter, {1, 0});
    ASSERT_TRUE(footer1);
    EXPECT_EQ(footer1->frame, QRectF(0, 190, 400, 30));
    EXPECT_FALSE(layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionFooter, {0, 0}));
    EXPECT_FALSE(layout.layoutAttributesForSupplementaryViewOfKind(QStringLiteral("Badge"), {0, 0}));
    EXPECT_EQ(layout.collectionViewContentSize().height(), 220);

    // A rectangle query lists items first, then headers, then footers.
    const auto all = layout.layoutAttributesForElementsInRect(QRectF(0, 0, 400, 1000));
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(all.at(0).representedElementCategory, CollectionElementCategory::Item);
    EXPECT_EQ(all.at(1).indexPath, (CollectionIndexPath{1, 0}));
    EXPECT_EQ(all.at(2).representedElementKind, CollectionElementKind::SectionHeader);
    EXPECT_EQ(all.at(3).representedElementKind, CollectionElementKind::SectionHeader);
    EXPECT_EQ(all.at(4).representedElementKind, CollectionElementKind::SectionFooter);
}

TEST_F(LinearLayoutTest, DelegateAnswersReplaceTheLayoutsValuesForTheirSectionOnly)
{
    collection.sections = {FakeCollection::heights({10, 10, 10}), FakeCollection::heights({10, 10, 10})};
    collection.rowSpacings[1] = 0;
    collection.columnSpacings[1] = 30;
    layout.prepareLayout();

    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(200, 10, 180, 10));
    EXPECT_EQ(itemFrame(layout, 0, 2), QRectF(10, 30, 180, 10));
    // Section 1 starts at 60: (390 + 30) / 210 = 2 columns, 30 apart, rows without spacing.
    EXPECT_EQ(itemFrame(layout, 1, 1), QRectF(220, 60, 180, 10));
    EXPECT_EQ(itemFrame(layout, 1, 2), QRectF(10, 70, 180, 10));
}

TEST_F(LinearLayoutTest, UnionRectanglesCoverRunsOfTwentyElements)
{
    QList<QSizeF> items;
    for (int i = 0; i < 43; ++i)
        items.append(QSizeF(0, 10));
    collection.sections = {items};
    layout.setHeaderHeight(5);
    layout.setFooterHeight(5);
    layout.prepareLayout();

    // 45 elements: header, 43 items, footer.
    const QList<QRectF> unions = layout.unionRects();
    ASSERT_EQ(unions.size(), 3);
    EXPECT_EQ(unions.at(0), QRectF(0, 0, 400, 5).united(itemFrame(layout, 0, 18)));
    EXPECT_EQ(unions.at(1), itemFrame(layout, 0, 19).united(itemFrame(layout, 0, 38)));
    const auto footer = layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionFooter, {0, 0});
    EXPECT_EQ(unions.at(2), itemFrame(layout, 0, 39).united(footer->frame));

    EXPECT_TRUE(layout.layoutAttributesForElementsInRect(QRectF(0, 5000, 400, 100)).isEmpty());
    // Rows 11 and 12 (items 22 to 25) from the middle run only.
    const auto middle = layout.layoutAttributesForElementsInRect(QRectF(0, 225, 400, 35));
    ASSERT_EQ(middle.size(), 4);
    EXPECT_EQ(middle.first().indexPath.item, 22);
    EXPECT_EQ(middle.last().indexPath.item, 25);
}

TEST_F(LinearLayoutTest, OnlyAChangedColumnCountInvalidatesOnABoundsChange)
{
    collection.sections = {FakeCollection::heights({10}), {}};
    layout.prepareLayout();

    EXPECT_FALSE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 400, 900)));
    EXPECT_FALSE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 560, 300)));
    EXPECT_TRUE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 580, 300)));
    EXPECT_TRUE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 370, 300)));

    collection.sections.clear();
    layout.prepareLayout();
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(400, 0));
    EXPECT_FALSE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 50, 300)));
}

TEST_F(LinearLayoutTest, AViewNarrowerThanOneItemGivesOneColumn)
{
    collection.sections = {FakeCollection::heights({10, 20})};
    collection.viewBounds = QRectF(0, 0, 100, 300);
    layout.prepareLayout();
    EXPECT_EQ(layout.columnCount(100, 0), 1);
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(10, 30, 180, 20));

    // No width per column at all: still one column, no division by zero.
    layout.setItemWidth(0);
    layout.setColumnSpacing(0);
    layout.prepareLayout();
    EXPECT_EQ(layout.columnCount(100, 0), 1);
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(10, 30, 0, 20));
}

TEST_F(LinearLayoutTest, SizeAttributesInvalidateOnEveryStoreButInsetsDoNot)
{
    layout.setItemWidth(180);
    layout.setHeaderHeight(0);
    layout.setFooterHeight(0);
    layout.setRowSpacing(10);
    layout.setColumnSpacing(10);
    EXPECT_EQ(collection.invalidations, 5);

    layout.setProperty("rowSpacing", QVariant(4.0));
    EXPECT_EQ(collection.invalidations, 6);
    EXPECT_EQ(layout.rowSpacing(), 4.0);

    layout.setSectionInsets(QMarginsF(1, 1, 1, 1));
    layout.setHeaderInsets(QMarginsF(1, 1, 1, 1));
    layout.setFooterInsets(QMarginsF(1, 1, 1, 1));
    layout.setProperty("minimumContentHeight", QVariant(900.0));
    EXPECT_EQ(collection.invalidations, 6);

    // The minimum content height is stored only.
    collection.sections = {FakeCollection::heights({10})};
    layout.prepareLayout();
    EXPECT_EQ(layout.collectionViewContentSize().height(), 1 + 1 + 10 + 4 + 1);
}

TEST(LinearLayoutWithoutView, PreparesNothing)
{
    LinearCollectionLayout layout(100);
    layout.prepareLayout();
    EXPECT_EQ(layout.columnCount(400, 0), 0);
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(0, 0));
    EXPECT_TRUE(layout.layoutAttributesForElementsInRect(QRectF(0, 0, 100, 100)).isEmpty());
    EXPECT_FALSE(layout.layoutAttributesForItemAtIndexPath({0, 0}));
}

TEST(LinearLayoutWithoutDelegate, UsesZeroHeightsAndItsOwnValues)
{
    FakeCollection collection;
    collection.answersAsDelegate = false;
    collection.viewBounds = QRectF(0, 0, 200, 100);
    collection.sections = {FakeCollection::heights({50, 50})};
    collection.rowSpacings[0] = 99;
    LinearCollectionLayout layout(90);
    layout.setCollectionView(&collection);
    layout.prepareLayout();
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(100, 0, 90, 0));
    EXPECT_EQ(layout.collectionViewContentSize().height(), 10);
}

} // namespace
