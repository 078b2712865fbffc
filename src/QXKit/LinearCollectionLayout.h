#pragma once

#include "CollectionViewLayout.h"
#include "LinearCollectionLayoutDelegate.h"

#include <QMarginsF>

// Lays each section out as a grid of equal-width columns filled row by row, with an optional
// header above and footer below, sections stacked over the full width of the view. Each row
// starts below the tallest item of the row before it. Item heights, and per section the
// spacings, insets and header and footer heights, come from the collection view's delegate
// when it is a LinearCollectionLayoutDelegate (without one, items are 0 high and every section
// uses the layout's own attributes).
class LinearCollectionLayout : public CollectionViewLayout
{
    Q_OBJECT
    // The scalar attributes can also be set by name (setProperty); setting any of them but
    // minimumContentHeight invalidates the layout, even with an unchanged value.
    Q_PROPERTY(qreal itemWidth READ itemWidth WRITE setItemWidth)
    Q_PROPERTY(qreal headerHeight READ headerHeight WRITE setHeaderHeight)
    Q_PROPERTY(qreal footerHeight READ footerHeight WRITE setFooterHeight)
    Q_PROPERTY(qreal rowSpacing READ rowSpacing WRITE setRowSpacing)
    Q_PROPERTY(qreal columnSpacing READ columnSpacing WRITE setColumnSpacing)
    Q_PROPERTY(qreal minimumContentHeight READ minimumContentHeight WRITE setMinimumContentHeight)

public:
    explicit LinearCollectionLayout(qreal itemWidth, QObject *parent = nullptr);

    qreal itemWidth() const { return m_itemWidth; }
    void setItemWidth(qreal width);
    qreal headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(qreal height);
    qreal footerHeight() const { return m_footerHeight; }
    void setFooterHeight(qreal height);
    qreal rowSpacing() const { return m_rowSpacing; }
    void setRowSpacing(qreal spacing);
    qreal columnSpacing() const { return m_columnSpacing; }
    void setColumnSpacing(qreal spacing);
    // Stored only: the content height never depends on it.
    qreal minimumContentHeight() const { return m_minimumContentHeight; }
    void setMinimumContentHeight(qreal height) { m_minimumContentHeight = height; }

    // The insets take effect at the next prepare; setting them does not invalidate.
    QMarginsF sectionInsets() const { return m_sectionInsets; }
    void setSectionInsets(const QMarginsF &insets) { m_sectionInsets = insets; }
    QMarginsF headerInsets() const { return m_headerInsets; }
    void setHeaderInsets(const QMarginsF &insets) { m_headerInsets = insets; }
    QMarginsF footerInsets() const { return m_footerInsets; }
    void setFooterInsets(const QMarginsF &insets) { m_footerInsets = insets; }

    void prepareLayout() override;
    // The view's current width by the height of the content at the last prepare.
    QSizeF collectionViewContentSize() const override;
    // True only when some section's column count differs between the width of the last
    // prepare and the new width.
    bool shouldInvalidateLayoutForBoundsChange(const QRectF &newBounds) const override;

    // Columns of the section at the given width: 0 without a collection view, otherwise at least 1.
    int columnCount(qreal width, int section) const;

private:
    template <typename T>
    using SectionQuestion = std::optional<T> (LinearCollectionLayoutDelegate::*)(
        CollectionView *, const LinearCollectionLayout *, int);

    // The delegate's answer for the section, or the layout's own value when there is none.
    template <typename T>
    T sectionValue(SectionQuestion<T> question, int section, const T &own) const;
    qreal itemHeight(const CollectionIndexPath &indexPath) const;

    qreal m_itemWidth;
    qreal m_headerHeight = 0;
    qreal m_footerHeight = 0;
    qreal m_rowSpacing = 10.0;
    qreal m_columnSpacing = 10.0;
    qreal m_minimumContentHeight = 0;
    QMarginsF m_sectionInsets;
    QMarginsF m_headerInsets;
    QMarginsF m_footerInsets;

    qreal m_contentHeight = 0;
    // Per section, per row: the y at which the next row starts.
    QList<QList<qreal>> m_rowHeights;
};
