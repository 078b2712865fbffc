#pragma once

#include "CollectionView.h"
#include "CollectionViewLayout.h"
#include "LinearCollectionLayoutDelegate.h"
#include "WaterfallLayoutDelegate.h"

#include <QList>
#include <QMarginsF>
#include <QSizeF>

#include <map>
#include <optional>

namespace orvane::test {

// The frame the layout gives the item; (-1, -1, -1, -1) when it gives none.
inline QRectF itemFrame(const CollectionViewLayout &layout, int section, int item)
{
    const auto attributes = layout.layoutAttributesForItemAtIndexPath({section, item});
    return attributes ? attributes->frame : QRectF(-1, -1, -1, -1);
}

// A collection of sections of item sizes, a bounds width, and a delegate that answers the
// item sizes and, per section, whatever a test put into its tables.
class FakeCollection : public CollectionView,
                       public LinearCollectionLayoutDelegate,
                       public WaterfallLayoutDelegate
{
public:
    QList<QList<QSizeF>> sections;
    QRectF viewBounds;
    bool answersAsDelegate = true;
    int invalidations = 0;

    std::map<int, qreal> headerHeights;
    std::map<int, qreal> footerHeights;
    std::map<int, QMarginsF> sectionInsets;
    std::map<int, QMarginsF> headerInsets;
    std::map<int, QMarginsF> footerInsets;
    // Row spacing of the linear layout, interitem spacing of the waterfall.
    std::map<int, qreal> rowSpacings;
    std::map<int, qreal> columnSpacings;

    // Items of the given heights, all of the given natural width.
    static QList<QSizeF> heights(std::initializer_list<qreal> values, qreal width = 0)
    {
        QList<QSizeF> sizes;
        for (qreal height : values)
            sizes.append(QSizeF(width, height));
        return sizes;
    }

    QRectF bounds() const override { return viewBounds; }
    int numberOfSections() const override { return static_cast<int>(sections.size()); }
    int numberOfItemsInSection(int section) const override { return static_cast<int>(sections.at(section).size()); }
    CollectionViewDelegate *delegate() const override
    {
        return answersAsDelegate ? static_cast<LinearCollectionLayoutDelegate *>(const_cast<FakeCollection *>(this))
                                 : nullptr;
    }
    void collectionViewLayoutInvalidated() override { ++invalidations; }

    QSizeF sizeForItem(CollectionView *, const LinearCollectionLayout *, const CollectionIndexPath &path) override
    {
        return sections.at(path.section).at(path.item);
    }
    QSizeF sizeForItem(CollectionView *, const WaterfallLayout *, const CollectionIndexPath &path) override
    {
        return sections.at(path.section).at(path.item);
    }

    std::optional<qreal> headerHeightForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(headerHeights, s); }
    std::optional<qreal> footerHeightForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(footerHeights, s); }
    std::optional<QMarginsF> sectionInsetsForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(sectionInsets, s); }
    std::optional<QMarginsF> headerInsetsForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(headerInsets, s); }
    std::optional<QMarginsF> footerInsetsForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(footerInsets, s); }
    std::optional<qreal> rowSpacingForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(rowSpacings, s); }
    std::optional<qreal> columnSpacingForSection(CollectionView *, const LinearCollectionLayout *, int s) override { return find(columnSpacings, s); }

    std::optional<qreal> headerHeightForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(headerHeights, s); }
    std::optional<qreal> footerHeightForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(footerHeights, s); }
    std::optional<QMarginsF> sectionInsetsForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(sectionInsets, s); }
    std::optional<QMarginsF> headerInsetsForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(headerInsets, s); }
    std::optional<QMarginsF> footerInsetsForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(footerInsets, s); }
    std::optional<qreal> interitemSpacingForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(rowSpacings, s); }
    std::optional<qreal> columnSpacingForSection(CollectionView *, const WaterfallLayout *, int s) override { return find(columnSpacings, s); }

private:
    template <typename T>
    static std::optional<T> find(const std::map<int, T> &table, int section)
    {
        const auto found = table.find(section);
        return found == table.end() ? std::nullopt : std::optional<T>(found->second);
    }
};

} // namespace orvane::test
