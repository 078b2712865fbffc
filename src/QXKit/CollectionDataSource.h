#pragma once

#include "CollectionViewLayoutAttributes.h"

class QWidget;

// Supplies the sections, items and item widgets of a CollectionContainerView.
class CollectionDataSource
{
public:
    virtual ~CollectionDataSource() = default;

    virtual int numberOfSections() { return 1; }
    virtual int numberOfItemsInSection(int section) = 0;
    // A new widget showing the item; the container takes ownership.
    virtual QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) = 0;
    // A new widget for the header or footer the layout placed (item 0 of the section), or
    // nullptr to leave the space empty; the container takes ownership.
    virtual QWidget *supplementaryViewForKind(const QString &kind, const CollectionIndexPath &indexPath)
    {
        Q_UNUSED(kind);
        Q_UNUSED(indexPath);
        return nullptr;
    }
};
