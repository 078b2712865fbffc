#include "CollectionContainerView.h"
#include "LinearCollectionLayout.h"

#include <QLabel>
#include <QPointer>
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

} // namespace
