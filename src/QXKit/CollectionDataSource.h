#pragma once

#include "CollectionViewLayoutAttributes.h"

#include <QString>

class QWidget;

// Supplies the sections, items and item widgets of a CollectionContainerView.
class CollectionDataSource
{
public:
    virtual ~CollectionDataSource() = default;

    virtual int numberOfSections() { return 1; }
    virtual int numberOfItemsInSection(int section) = 0;
    // A widget showing the item; the container takes ownership. A new one, or for a view that
    // reuses its items one the view gives back (CollectionContainerView::dequeueReusableItem),
    // filled for this item.
    virtual QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) = 0;
    // A new widget for the header or footer the layout placed (item 0 of the section), or
    // nullptr to leave the space empty; the container takes ownership.
    virtual QWidget *supplementaryViewForKind(const QString &kind, const CollectionIndexPath &indexPath)
    {
        Q_UNUSED(kind);
        Q_UNUSED(indexPath);
        return nullptr;
    }
    // What assistive technology calls an item that has no widget now (one far from the visible
    // area of a view that reuses its items).
    virtual QString accessibleNameForItem(const CollectionIndexPath &indexPath)
    {
        Q_UNUSED(indexPath);
        return {};
    }
};
