#pragma once

#include "CollectionViewLayout.h"
#include "WaterfallLayoutDelegate.h"

#include <QMarginsF>

#include <optional>

// Places the items of each section in equal-width columns that stack without row alignment:
// item i goes to column i mod the column count, and keeps the aspect ratio of its natural size
// (from the delegate) at the item width, rounded down to the screen's pixel grid. Sections are
// stacked vertically, each with an optional full-width header and footer. Assigning an
// attribute does not invalidate: the owner calls invalidateLayout() itself.
class WaterfallLayout : public CollectionViewLayout
{
    Q_OBJECT

public:
    explicit WaterfallLayout(qreal itemWidth, QObject *parent = nullptr);

    qreal itemWidth() const { return m_itemWidth; }
    void setItemWidth(qreal width) { m_itemWidth = width; }
    qreal headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(qreal height) { m_headerHeight = height; }
    qreal footerHeight() const { return m_footerHeight; }
    void setFooterHeight(qreal height) { m_footerHeight = height; }
    QMarginsF sectionInsets() const { return m_sectionInsets; }
    void setSectionInsets(const QMarginsF &insets) { m_sectionInsets = insets; }
    QMarginsF headerInsets() const { return m_headerInsets; }
    void setHeaderInsets(const QMarginsF &insets) { m_headerInsets = insets; }
    QMarginsF footerInsets() const { return m_footerInsets; }
    void setFooterInsets(const QMarginsF &insets) { m_footerInsets = insets; }
    // Gap below each item in its column.
    qreal minimumInteritemSpacing() const { return m_minimumInteritemSpacing; }
    void setMinimumInteritemSpacing(qreal spacing) { m_minimumInteritemSpacing = spacing; }
    // Gap between columns.
    qreal minimumColumnSpacing() const { return m_minimumColumnSpacing; }
    void setMinimumColumnSpacing(qreal spacing) { m_minimumColumnSpacing = spacing; }
    // Lower bound of the reported content height.
    qreal minimumContentHeight() const { return m_minimumContentHeight; }
    void setMinimumContentHeight(qreal height) { m_minimumContentHeight = height; }

    // Device pixels per point used to round item heights (positive). Unset, it is the primary
    // screen's ratio, or 2.0 without a screen.
    std::optional<qreal> screenScale() const { return m_screenScale; }
    void setScreenScale(std::optional<qreal> scale) { m_screenScale = scale; }

    void prepareLayout() override;
    QSizeF collectionViewContentSize() const override;
    // True when the view narrows, or widens by more than one item width.
    bool shouldInvalidateLayoutForBoundsChange(const QRectF &newBounds) const override;

    // The lowest column whose height, truncated to whole points, is the section's largest.
    int longestColumnIndex(int section) const;

private:
    template <typename T>
    using SectionQuestion = std::optional<T> (WaterfallLayoutDelegate::*)(
        CollectionView *, const WaterfallLayout *, int);

    // The delegate's answer for the section, or the layout's own value when there is none.
    template <typename T>
    T sectionValue(SectionQuestion<T> question, int section, const T &own) const;
    int columnCount(int section) const;
    qreal itemHeight(const CollectionIndexPath &indexPath, qreal scale) const;
    qreal effectiveScreenScale() const;

    qreal m_itemWidth;
    qreal m_headerHeight = 0;
    qreal m_footerHeight = 0;
    QMarginsF m_sectionInsets;
    QMarginsF m_headerInsets;
    QMarginsF m_footerInsets;
    qreal m_minimumInteritemSpacing = 10.0;
    qreal m_minimumColumnSpacing = 10.0;
    qreal m_minimumContentHeight = 0;
    std::optional<qreal> m_screenScale;

    // Per section, per column: the y at which the column's next item starts; once the section
    // is done, every entry holds the y at which the next section starts.
    QList<QList<qreal>> m_columnHeights;
};
