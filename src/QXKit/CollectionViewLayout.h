#pragma once

#include "CollectionView.h"
#include "CollectionViewLayoutAttributes.h"

#include <QList>
#include <QObject>
#include <QSizeF>

#include <map>
#include <optional>

// Base of the collection layouts: the cache of computed attributes that every prepare
// rebuilds, the look-ups served from it, and the rectangle query narrowed by union rectangles
// of `unionSize` consecutive elements.
class CollectionViewLayout : public QObject
{
    Q_OBJECT

public:
    static constexpr int unionSize = 20;

    explicit CollectionViewLayout(QObject *parent = nullptr);

    // The view being laid out; set by the view when it takes the layout.
    CollectionView *collectionView() const { return m_collectionView; }
    void setCollectionView(CollectionView *view) { m_collectionView = view; }

    // Tells the collection view that the cache is stale; it prepares the layout again.
    void invalidateLayout();

    virtual void prepareLayout() = 0;
    virtual QSizeF collectionViewContentSize() const = 0;
    virtual bool shouldInvalidateLayoutForBoundsChange(const QRectF &newBounds) const = 0;

    // Elements whose frames meet the rectangle: items, then headers, then footers, then
    // decorations, each group ordered by index path. Everything when nothing is cached yet.
    QList<CollectionViewLayoutAttributes> layoutAttributesForElementsInRect(const QRectF &rect) const;
    std::optional<CollectionViewLayoutAttributes> layoutAttributesForItemAtIndexPath(
        const CollectionIndexPath &indexPath) const;
    std::optional<CollectionViewLayoutAttributes> layoutAttributesForSupplementaryViewOfKind(
        const QString &kind, const CollectionIndexPath &indexPath) const;
    // Union rectangle k covers the frames of elements unionSize·k up to unionSize·(k+1)-1.
    QList<QRectF> unionRects() const { return m_unionRects; }

protected:
    // Columns of `itemWidth` with `spacing` between them that fit into `availableWidth`. At least
    // one, so a view narrower than one item still shows its items (in one column), and a zero or
    // non-finite quotient never reaches a division.
    static int columnsFitting(qreal availableWidth, qreal spacing, qreal itemWidth);

    // Cache building, in layout order: for each section its header, `beginSection`, its items,
    // its footer; `buildUnionRects` once at the end.
    void clearCache();
    void addHeader(int section, const QRectF &frame);
    void beginSection();
    void addItem(const CollectionIndexPath &indexPath, const QRectF &frame);
    void addFooter(int section, const QRectF &frame);
    void buildUnionRects();

    qreal m_collectionWidth = 0;
    QList<int> m_columnCounts;

private:
    CollectionView *m_collectionView = nullptr;
    QList<QList<CollectionViewLayoutAttributes>> m_sectionItemAttributes;
    QList<CollectionViewLayoutAttributes> m_allItemAttributes;
    std::map<int, CollectionViewLayoutAttributes> m_headerAttributes;
    std::map<int, CollectionViewLayoutAttributes> m_footerAttributes;
    QList<QRectF> m_unionRects;
};
