#pragma once

#include "CollectionView.h"
#include "CollectionViewLayoutAttributes.h"

#include <QMarginsF>
#include <QSizeF>

#include <optional>

class WaterfallLayout;

// Asked by a WaterfallLayout through its collection view's delegate. Only the item size
// must be answered; an empty answer for a section falls back to the layout's own attribute.
class WaterfallLayoutDelegate : public virtual CollectionViewDelegate
{
public:
    // The item's natural size: the item keeps its aspect ratio at the layout's itemWidth.
    virtual QSizeF sizeForItem(CollectionView *collectionView, const WaterfallLayout *layout,
                               const CollectionIndexPath &indexPath) = 0;
    virtual std::optional<qreal> headerHeightForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> footerHeightForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> sectionInsetsForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> headerInsetsForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<QMarginsF> footerInsetsForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> interitemSpacingForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
    virtual std::optional<qreal> columnSpacingForSection(CollectionView *, const WaterfallLayout *, int)
    {
        return std::nullopt;
    }
};
