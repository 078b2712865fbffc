#pragma once

#include <QRectF>

class CollectionViewLayout;

// Base of every collection delegate; a layout asks for its own delegate interface by casting.
class CollectionViewDelegate
{
public:
    virtual ~CollectionViewDelegate() = default;
};

// What a collection layout reads from the view it lays out. The container widget implements
// it; geometry can be computed against any other implementation (for instance in tests).
class CollectionView
{
public:
    virtual ~CollectionView() = default;

    // The visible area in content coordinates; its width is the width items are laid out in.
    virtual QRectF bounds() const = 0;
    virtual int numberOfSections() const = 0;
    virtual int numberOfItemsInSection(int section) const = 0;
    virtual CollectionViewDelegate *delegate() const = 0;
    // Called by the layout when its cached geometry no longer holds; the view prepares it again
    // before the next placement.
    virtual void collectionViewLayoutInvalidated() = 0;
};
