#include "LinearCollectionLayout.h"

#include <algorithm>

LinearCollectionLayout::LinearCollectionLayout(qreal itemWidth, QObject *parent)
    : CollectionViewLayout(parent)
    , m_itemWidth(itemWidth)
{
}

void LinearCollectionLayout::setItemWidth(qreal width)
{
    m_itemWidth = width;
    invalidateLayout();
}

void LinearCollectionLayout::setHeaderHeight(qreal height)
{
    m_headerHeight = height;
    invalidateLayout();
}

void LinearCollectionLayout::setFooterHeight(qreal height)
{
    m_footerHeight = height;
    invalidateLayout();
}

void LinearCollectionLayout::setRowSpacing(qreal spacing)
{
    m_rowSpacing = spacing;
    invalidateLayout();
}

void LinearCollectionLayout::setColumnSpacing(qreal spacing)
{
    m_columnSpacing = spacing;
    invalidateLayout();
}

template <typename T>
T LinearCollectionLayout::sectionValue(SectionQuestion<T> question, int section, const T &own) const
{
    auto *delegate = collectionView() ? dynamic_cast<LinearCollectionLayoutDelegate *>(collectionView()->delegate())
                                      : nullptr;
    return delegate ? (delegate->*question)(collectionView(), this, section).value_or(own) : own;
}

qreal LinearCollectionLayout::itemHeight(const CollectionIndexPath &indexPath) const
{
    auto *delegate = dynamic_cast<LinearCollectionLayoutDelegate *>(collectionView()->delegate());
    return delegate ? delegate->sizeForItem(collectionView(), this, indexPath).height() : 0;
}

int LinearCollectionLayout::columnCount(qreal width, int section) const
{
    if (!collectionView())
        return 0;
    const QMarginsF insets = sectionValue(&LinearCollectionLayoutDelegate::sectionInsetsForSection, section, m_sectionInsets);
    const qreal spacing = sectionValue(&LinearCollectionLayoutDelegate::columnSpacingForSection, section, m_columnSpacing);
    return columnsFitting(width - insets.left() - insets.right(), spacing, m_itemWidth);
}

void LinearCollectionLayout::prepareLayout()
{
    m_contentHeight = 0;
    CollectionView *view = collectionView();
    if (view)
        m_collectionWidth = view->bounds().width();
    clearCache();
    m_rowHeights.clear();
    if (!view)
        return;

    const qreal width = view->bounds().width();
    for (int section = 0; section < view->numberOfSections(); ++section) {
        const int columns = columnCount(width, section);
        m_columnCounts.append(columns);
        m_rowHeights.append(QList<qreal>());
        QList<qreal> &rows = m_rowHeights.last();

        const qreal rowSpacing = sectionValue(&LinearCollectionLayoutDelegate::rowSpacingForSection, section, m_rowSpacing);
        const qreal columnSpacing = sectionValue(&LinearCollectionLayoutDelegate::columnSpacingForSection, section, m_columnSpacing);
        const QMarginsF insets = sectionValue(&LinearCollectionLayoutDelegate::sectionInsetsForSection, section, m_sectionInsets);
        const qreal headerHeight = sectionValue(&LinearCollectionLayoutDelegate::headerHeightForSection, section, m_headerHeight);
        const QMarginsF headerInsets = sectionValue(&LinearCollectionLayoutDelegate::headerInsetsForSection, section, m_headerInsets);

        m_contentHeight += headerInsets.top();
        if (headerHeight > 0) {
            const QRectF frame(headerInsets.left(), m_contentHeight,
                               width - headerInsets.left() - headerInsets.right(), headerHeight);
            addHeader(section, frame);
            m_contentHeight = frame.bottom() + headerInsets.bottom();
        }

        m_contentHeight += insets.top();
        const qreal sectionTop = m_contentHeight;
        beginSection();
        for (int item = 0; item < view->numberOfItemsInSection(section); ++item) {
            const CollectionIndexPath indexPath{section, item};
            const int row = item / columns;
            const int column = item % columns;
            const qreal x = insets.left() + (columnSpacing + m_itemWidth) * column;
            const qreal y = row == 0 ? sectionTop : rows.at(row - 1);
            const QRectF frame(x, y, m_itemWidth, itemHeight(indexPath));
            addItem(indexPath, frame);

            const qreal bottom = frame.bottom() + rowSpacing;
            if (row < rows.size())
                rows[row] = std::max(rows.at(row), bottom);
            else
                rows.append(bottom);
            m_contentHeight = rows.at(row);
        }

        const qreal footerHeight = sectionValue(&LinearCollectionLayoutDelegate::footerHeightForSection, section, m_footerHeight);
        const QMarginsF footerInsets = sectionValue(&LinearCollectionLayoutDelegate::footerInsetsForSection, section, m_footerInsets);
        m_contentHeight += footerInsets.top();
        if (footerHeight > 0) {
            const QRectF frame(footerInsets.left(), m_contentHeight,
                               width - footerInsets.left() - footerInsets.right(), footerHeight);
            addFooter(section, frame);
            m_contentHeight = frame.bottom() + footerInsets.bottom();
        }
    }
    buildUnionRects();
}

QSizeF LinearCollectionLayout::collectionViewContentSize() const
{
    return {collectionView() ? collectionView()->bounds().width() : 0, m_contentHeight};
}

bool LinearCollectionLayout::shouldInvalidateLayoutForBoundsChange(const QRectF &newBounds) const
{
    if (!collectionView())
        return false;
    for (int section = 0; section < collectionView()->numberOfSections(); ++section) {
        if (columnCount(m_collectionWidth, section) != columnCount(newBounds.width(), section))
            return true;
    }
    return false;
}
