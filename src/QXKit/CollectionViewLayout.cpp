#include "CollectionViewLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// More columns than this cannot be told apart on any screen; the cap keeps a degenerate item
// width from asking for an absurd number of columns.
constexpr qreal maximumColumns = 10000;

CollectionViewLayoutAttributes supplementary(const QString &kind, int section, const QRectF &frame)
{
    return {frame, {section, 0}, CollectionElementCategory::SupplementaryView, kind};
}

} // namespace

CollectionViewLayout::CollectionViewLayout(QObject *parent)
    : QObject(parent)
{
}

void CollectionViewLayout::invalidateLayout()
{
    if (m_collectionView)
        m_collectionView->collectionViewLayoutInvalidated();
}

int CollectionViewLayout::columnsFitting(qreal availableWidth, qreal spacing, qreal itemWidth)
{
    const qreal columns = (availableWidth + spacing) / (spacing + itemWidth);
    if (!std::isfinite(columns) || columns < 1)
        return 1;
    return static_cast<int>(std::min(columns, maximumColumns));
}

QList<CollectionViewLayoutAttributes> CollectionViewLayout::layoutAttributesForElementsInRect(
    const QRectF &rect) const
{
    if (m_unionRects.isEmpty())
        return m_allItemAttributes;

    const auto meets = [&rect](const QRectF &unionRect) { return unionRect.intersects(rect); };
    const auto first = std::find_if(m_unionRects.cbegin(), m_unionRects.cend(), meets);
    if (first == m_unionRects.cend())
        return {};
    const auto last = std::find_if(m_unionRects.crbegin(), m_unionRects.crend(), meets);
    const qsizetype begin = unionSize * (first - m_unionRects.cbegin());
    const qsizetype end = std::min<qsizetype>(unionSize * (m_unionRects.crend() - last), m_allItemAttributes.size());

    std::map<CollectionIndexPath, CollectionViewLayoutAttributes> items, headers, footers, decorations;
    for (qsizetype i = begin; i < end; ++i) {
        const CollectionViewLayoutAttributes &attributes = m_allItemAttributes.at(i);
        if (!attributes.frame.intersects(rect))
            continue;
        switch (attributes.representedElementCategory) {
        case CollectionElementCategory::Item:
            items.insert_or_assign(attributes.indexPath, attributes);
            break;
        case CollectionElementCategory::SupplementaryView:
            if (attributes.representedElementKind == CollectionElementKind::SectionHeader)
                headers.insert_or_assign(attributes.indexPath, attributes);
            else if (attributes.representedElementKind == CollectionElementKind::SectionFooter)
                footers.insert_or_assign(attributes.indexPath, attributes);
            break;
        case CollectionElementCategory::DecorationView:
            decorations.insert_or_assign(attributes.indexPath, attributes);
            break;
        case CollectionElementCategory::InterItemGap:
            break;
        }
    }

    QList<CollectionViewLayoutAttributes> result;
    for (const auto *group : {&items, &headers, &footers, &decorations}) {
        for (const auto &entry : *group)
            result.append(entry.second);
    }
    return result;
}

std::optional<CollectionViewLayoutAttributes> CollectionViewLayout::layoutAttributesForItemAtIndexPath(
    const CollectionIndexPath &indexPath) const
{
    if (indexPath.section < 0 || indexPath.section >= m_sectionItemAttributes.size())
        return std::nullopt;
    const QList<CollectionViewLayoutAttributes> &items = m_sectionItemAttributes.at(indexPath.section);
    if (indexPath.item < 0 || indexPath.item >= items.size())
        return std::nullopt;
    return items.at(indexPath.item);
}

std::optional<CollectionViewLayoutAttributes> CollectionViewLayout::layoutAttributesForSupplementaryViewOfKind(
    const QString &kind, const CollectionIndexPath &indexPath) const
{
    const std::map<int, CollectionViewLayoutAttributes> *table = nullptr;
    if (kind == CollectionElementKind::SectionHeader)
        table = &m_headerAttributes;
    else if (kind == CollectionElementKind::SectionFooter)
        table = &m_footerAttributes;
    if (!table)
        return std::nullopt;
    const auto found = table->find(indexPath.section);
    if (found == table->end())
        return std::nullopt;
    return found->second;
}

void CollectionViewLayout::clearCache()
{
    m_columnCounts.clear();
    m_sectionItemAttributes.clear();
    m_allItemAttributes.clear();
    m_headerAttributes.clear();
    m_footerAttributes.clear();
    m_unionRects.clear();
}

void CollectionViewLayout::addHeader(int section, const QRectF &frame)
{
    const auto header = supplementary(CollectionElementKind::SectionHeader, section, frame);
    m_headerAttributes.insert_or_assign(section, header);
    m_allItemAttributes.append(header);
}

void CollectionViewLayout::beginSection()
{
    m_sectionItemAttributes.append(QList<CollectionViewLayoutAttributes>());
}

void CollectionViewLayout::addItem(const CollectionIndexPath &indexPath, const QRectF &frame)
{
    const CollectionViewLayoutAttributes item{frame, indexPath, CollectionElementCategory::Item, {}};
    m_sectionItemAttributes.last().append(item);
    m_allItemAttributes.append(item);
}

void CollectionViewLayout::addFooter(int section, const QRectF &frame)
{
    const auto footer = supplementary(CollectionElementKind::SectionFooter, section, frame);
    m_footerAttributes.insert_or_assign(section, footer);
    m_allItemAttributes.append(footer);
}

void CollectionViewLayout::buildUnionRects()
{
    m_unionRects.clear();
    for (qsizetype start = 0; start < m_allItemAttributes.size(); start += unionSize) {
        const qsizetype end = std::min<qsizetype>(start + unionSize, m_allItemAttributes.size());
        QRectF unionRect = m_allItemAttributes.at(start).frame;
        for (qsizetype i = start + 1; i < end; ++i)
            unionRect = unionRect.united(m_allItemAttributes.at(i).frame);
        m_unionRects.append(unionRect);
    }
}
