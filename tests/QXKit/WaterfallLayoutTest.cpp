#include "CollectionLayoutFixtures.h"
#include "WaterfallLayout.h"

#include <gtest/gtest.h>

using orvane::test::FakeCollection;
using orvane::test::itemFrame;

namespace {

struct WaterfallLayoutTest : ::testing::Test
{
    FakeCollection collection;
    WaterfallLayout layout{190};

    void SetUp() override
    {
        collection.viewBounds = QRectF(0, 0, 400, 300);
        layout.setCollectionView(&collection);
        layout.setScreenScale(2.0);
    }
};

TEST_F(WaterfallLayoutTest, WorkedExampleDealsItemsToColumnsInTurn)
{
    collection.sections = {{QSizeF(380, 190), QSizeF(190, 380), QSizeF(100, 100), QSizeF(100, 100)}};
    layout.prepareLayout();

    EXPECT_EQ(itemFrame(layout, 0, 0), QRectF(0, 0, 190, 95));
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(200, 0, 190, 380));
    EXPECT_EQ(itemFrame(layout, 0, 2), QRectF(0, 105, 190, 190));
    // Column 1 although column 0 is shorter.
    EXPECT_EQ(itemFrame(layout, 0, 3), QRectF(200, 390, 190, 190));
    // The section ends below the longest column, column 1.
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(400, 580));
}

TEST_F(WaterfallLayoutTest, HeightsKeepTheAspectRatioOnThePixelGrid)
{
    // 2 x 190 / 3 = 126.67: 126.5 on a double-density screen, 126 on a plain one.
    collection.sections = {{QSizeF(3, 2), QSizeF(-5, 40), QSizeF(100, -3)}};
    layout.prepareLayout();
    EXPECT_EQ(itemFrame(layout, 0, 0).height(), 126.5);
    // A natural size without a positive width and height keeps its height unscaled.
    EXPECT_EQ(itemFrame(layout, 0, 1).height(), 40);
    EXPECT_EQ(itemFrame(layout, 0, 2).height(), -3);

    // Unset, the scale is the screen's: 1 on the offscreen platform.
    layout.setScreenScale(std::nullopt);
    layout.prepareLayout();
    EXPECT_EQ(itemFrame(layout, 0, 0).height(), 126);
}

TEST_F(WaterfallLayoutTest, TheLongestColumnIsFoundOnWholePoints)
{
    collection.sections = {FakeCollection::heights({100.2, 100.7}), FakeCollection::heights({10})};
    layout.setSectionInsets(QMarginsF(0, 0, 0, 5));
    layout.prepareLayout();

    // Both columns end at 110 whole points: the first one counts, and the next section starts
    // below it although the second is longer.
    EXPECT_NEAR(itemFrame(layout, 1, 0).y(), 100.2 + 5, 1e-9);
    EXPECT_EQ(layout.longestColumnIndex(7), 0);
}

TEST_F(WaterfallLayoutTest, SectionsStackWithHeadersFootersAndEmptySections)
{
    collection.sections = {{}, FakeCollection::heights({30, 40})};
    layout.setSectionInsets(QMarginsF(0, 7, 0, 5));
    layout.setHeaderInsets(QMarginsF(4, 1, 6, 2));
    collection.headerHeights[1] = 20;
    collection.footerHeights[1] = 15;
    layout.prepareLayout();

    // Section 0 has no items: it ends at its top (1 + 7) - spacing + bottom inset = 3.
    const auto header = layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionHeader, {1, 0});
    ASSERT_TRUE(header);
    EXPECT_EQ(header->frame, QRectF(4, 4, 390, 20));
    EXPECT_EQ(itemFrame(layout, 1, 0), QRectF(0, 33, 190, 30));
    EXPECT_EQ(itemFrame(layout, 1, 1), QRectF(200, 33, 190, 40));
    const auto footer = layout.layoutAttributesForSupplementaryViewOfKind(CollectionElementKind::SectionFooter, {1, 0});
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->frame, QRectF(0, 78, 400, 15));
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(400, 93));
}

TEST_F(WaterfallLayoutTest, InvalidatesWhenNarrowerOrWiderByMoreThanAnItem)
{
    collection.sections = {FakeCollection::heights({10})};
    layout.prepareLayout();
    EXPECT_TRUE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 390, 300)));
    EXPECT_FALSE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 500, 300)));
    EXPECT_TRUE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 600, 300)));
    EXPECT_FALSE(layout.shouldInvalidateLayoutForBoundsChange(QRectF(0, 0, 400, 900)));
    // Assigning attributes leaves invalidation to the owner.
    layout.setItemWidth(50);
    layout.setMinimumColumnSpacing(3);
    EXPECT_EQ(collection.invalidations, 0);
}

TEST_F(WaterfallLayoutTest, ContentHeightIsRaisedToTheMinimum)
{
    collection.sections = {FakeCollection::heights({10})};
    layout.setMinimumContentHeight(1000);
    layout.prepareLayout();
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(400, 1000));
}

TEST_F(WaterfallLayoutTest, AViewNarrowerThanOneItemGivesOneColumn)
{
    collection.viewBounds = QRectF(0, 0, 50, 300);
    collection.sections = {FakeCollection::heights({10, 20})};
    layout.prepareLayout();
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(0, 20, 190, 20));

    layout.setItemWidth(0);
    layout.setMinimumColumnSpacing(0);
    layout.prepareLayout();
    EXPECT_EQ(itemFrame(layout, 0, 1), QRectF(0, 20, 0, 20));
}

TEST_F(WaterfallLayoutTest, ALayoutWithoutElementsAnswersEmpty)
{
    layout.prepareLayout();
    EXPECT_EQ(layout.collectionViewContentSize(), QSizeF(0, 0));
    EXPECT_TRUE(layout.layoutAttributesForElementsInRect(QRectF(0, 0, 400, 400)).isEmpty());

    collection.sections = {{}};
    layout.prepareLayout();
    EXPECT_TRUE(layout.layoutAttributesForElementsInRect(QRectF(0, 0, 400, 400)).isEmpty());
}

} // namespace
