#include "WaterfallLayout.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

WaterfallLayout::WaterfallLayout(qreal itemWidth, QObject *parent)
    : CollectionViewLayout(parent)
    , m_itemWidth(itemWidth)
{
}

template <typename T>
T WaterfallLayout::sectionValue(SectionQuestion<T> question, int section, const T &own) const
{
    auto *delegate = collectionView() ? dynamic_cast<WaterfallLayoutDelegate *>(collectionView()->delegate()) : nullptr;
    return delegate ? (delegate->*question)(collectionView(), this, section).value_or(own) : own;
}

int WaterfallLayout::columnCount(int section) const
{
    if (!collectionView())
        return 0;
    const QMarginsF insets = sectionValue(&WaterfallLayoutDelegate::sectionInsetsForSection, section, m_sectionInsets);
    const qreal spacing = sectionValue(&WaterfallLayoutDelegate::columnSpacingForSection, section, m_minimumColumnSpacing);
    return columnsFitting(collectionView()->bounds().width() - insets.left() - insets.right(), spacing, m_itemWidth);
}

qreal WaterfallLayout::effectiveScreenScale() const
{
    if (m_screenScale)
        return *m_screenScale;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 2.0;
}

qreal WaterfallLayout::itemHeight(const CollectionIndexPath &indexPath, qreal scale) const
{
    auto *delegate = dynamic_cast<WaterfallLayoutDelegate *>(collectionView()->delegate());
    const QSizeF natural = delegate ? delegate->sizeForItem(collectionView(), this, indexPath) : QSizeF();
    if (natural.height() > 0 && natural.width() > 0)
        return std::floor(natural.height() * m_itemWidth / natural.width() * scale) / scale;
    return natural.height();
}

int WaterfallLayout::longestColumnIndex(int section) const
{
    if (section < 0 || section >= m_columnHeights.size() || m_columnHeights.at(section).isEmpty())
        return 0;
    const QList<qreal> &columns = m_columnHeights.at(section);
    const qreal longest = std::trunc(*std::max_element(columns.cbegin(), columns.cend()));
    const auto found = std::find_if(columns.cbegin(), columns.cend(),
                                    [longest](qreal height) { return std::trunc(height) == longest; });
    return found == columns.cend() ? 0 : static_cast<int>(found - columns.cbegin());
}

void WaterfallLayout::prepareLayout()
{
    CollectionView *view = collectionView();
    if (view)
        m_collectionWidth = view->bounds().width();
    clearCache();
    m_columnHeights.clear();
    if (!view)
        return;

    const int sections = view->numberOfSections();
    for (int section = 0; section < sections; ++section) {
        m_columnCounts.append(columnCount(section));
        m_columnHeights.append(QList<qreal>(m_columnCounts.last(), 0));
    }

    const qreal width = view->bounds().width();
    const qreal scale = effectiveScreenScale();
    qreal top = 0;
    for (int section = 0; section < sections; ++section) {
        const qreal interitemSpacing = sectionValue(&WaterfallLayoutDelegate::interitemSpacingForSection, section, m_minimumInteritemSpacing);
        const qreal columnSpacing = sectionValue(&WaterfallLayoutDelegate::columnSpacingForSection, section, m_minimumColumnSpacing);
        const QMarginsF insets = sectionValue(&WaterfallLayoutDelegate::sectionInsetsForSection, section, m_sectionInsets);
        const int columns = m_columnCounts.at(section);
        const qreal headerHeight = sectionValue(&WaterfallLayoutDelegate::headerHeightForSection, section, m_headerHeight);
        const QMarginsF headerInsets = sectionValue(&WaterfallLayoutDelegate::headerInsetsForSection, section, m_headerInsets);
        QList<qreal> &columnHeights = m_columnHeights[section];

        top += headerInsets.top();
        if (headerHeight > 0) {
            const QRectF frame(headerInsets.left(), top, width - headerInsets.left() - headerInsets.right(), headerHeight);
            addHeader(section, frame);
            top = frame.bottom() + headerInsets.bottom();
        }

        columnHeights.fill(insets.top() + top);
        beginSection();
        for (int item = 0; item < view->numberOfItemsInSection(section); ++item) {
            const CollectionIndexPath indexPath{section, item};
            const int column = item % columns;
            const qreal x = insets.left() + (columnSpacing + m_itemWidth) * column;
            const QRectF frame(x, columnHeights.at(column), m_itemWidth, itemHeight(indexPath, scale));
            addItem(indexPath, frame);
            columnHeights[column] = frame.bottom() + interitemSpacing;
        }

        top = columnHeights.at(longestColumnIndex(section)) - interitemSpacing + insets.bottom();

        const qreal footerHeight = sectionValue(&WaterfallLayoutDelegate::footerHeightForSection, section, m_footerHeight);
        const QMarginsF footerInsets = sectionValue(&WaterfallLayoutDelegate::footerInsetsForSection, section, m_footerInsets);
        top += footerInsets.top();
        if (footerHeight > 0) {
            const QRectF frame(footerInsets.left(), top, width - footerInsets.left() - footerInsets.right(), footerHeight);
            addFooter(section, frame);
            top = frame.bottom() + footerInsets.bottom();
        }
        columnHeights.fill(top);
    }
    buildUnionRects();
}

QSizeF WaterfallLayout::collectionViewContentSize() const
{
    const CollectionView *view = collectionView();
    if (!view || view->numberOfSections() == 0 || m_columnHeights.isEmpty() || m_columnHeights.last().isEmpty())
        return {0, 0};
    return {view->bounds().width(), std::max(m_columnHeights.last().first(), m_minimumContentHeight)};
}

bool WaterfallLayout::shouldInvalidateLayoutForBoundsChange(const QRectF &newBounds) const
{
    if (newBounds.width() < m_collectionWidth)
        return true;
    return m_itemWidth < newBounds.width() - m_collectionWidth;
}
