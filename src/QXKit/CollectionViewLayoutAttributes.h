#pragma once

#include <QRectF>
#include <QString>

#include <compare>

// Position of one element of a collection: its section, and its item within that section.
// Headers and footers of a section use item 0.
struct CollectionIndexPath
{
    int section = 0;
    int item = 0;

    friend auto operator<=>(const CollectionIndexPath &, const CollectionIndexPath &) = default;
};

enum class CollectionElementCategory {
    Item,
    SupplementaryView,
    DecorationView,
    InterItemGap,
};

// Kinds of the supplementary views a collection layout places around each section.
namespace CollectionElementKind {
inline const QString SectionHeader = QStringLiteral("SectionHeader");
inline const QString SectionFooter = QStringLiteral("SectionFooter");
} // namespace CollectionElementKind

// Where a layout puts one element, in the coordinates of the collection's content.
struct CollectionViewLayoutAttributes
{
    QRectF frame;
    CollectionIndexPath indexPath;
    CollectionElementCategory representedElementCategory = CollectionElementCategory::Item;
    // The supplementary kind; empty for items.
    QString representedElementKind;

    friend bool operator==(const CollectionViewLayoutAttributes &, const CollectionViewLayoutAttributes &) = default;
};
