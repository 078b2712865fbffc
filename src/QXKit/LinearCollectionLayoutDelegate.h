#pragma once

#include "CollectionView.h"
#include "CollectionViewLayoutAttributes.h"

#include <QMarginsF>
#include <QSizeF>

#include <optional>

class LinearCollectionLayout;

// Asked by a LinearCollectionLayout through its collection view's delegate. Only the item size
// must be answered; an empty answer for a section falls back to the layout's own attribute.
class LinearCollectionLayoutDelegate : public virtual CollectionViewDelegate
{
public:
    // Only the height is used: every item is the layout's itemWidth wide.
    virtual QSizeF sizeForItem(CollectionView *collectionView, const LinearCollectionLayout *layout,
                               const CollectionIndexPath &indexPath) = 0;
    virtual std::optional<qreal> headerHeightForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> footerHeightForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> sectionInsetsForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> headerInsetsForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> footerInsetsForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> rowSpacingForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> columnSpacingForSection(CollectionView *, const LinearCollectionLayout *, int)
    {
        return std::nullopt;
    }
};
