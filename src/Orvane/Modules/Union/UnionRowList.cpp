#include "UnionRowList.h"

#include "LinearCollectionLayout.h"

#include <QScrollBar>

UnionRowList::UnionRowList(qreal rowHeight, RowCount count, RowMaker make, QWidget *parent)
    : CollectionContainerView(parent)
    , m_rowHeight(rowHeight)
    , m_count(std::move(count))
    , m_make(std::move(make))
{
    auto *layout = new LinearCollectionLayout(viewport()->width());
    layout->setRowSpacing(0);
    layout->setColumnSpacing(0);
    setCollectionViewLayout(layout);
    setDataSource(this);
    setDelegate(this);
}

QWidget *UnionRowList::rowWidget(int row) const
{
    return itemAtIndexPath({0, row});
}

int UnionRowList::numberOfItemsInSection(int)
{
    return m_count();
}

QWidget *UnionRowList::itemForIndexPath(const CollectionIndexPath &indexPath)
{
    return m_make(indexPath.item);
}

QSizeF UnionRowList::sizeForItem(CollectionView *, const LinearCollectionLayout *, const CollectionIndexPath &)
{
    return {0, m_rowHeight};
}

void UnionRowList::resizeEvent(QResizeEvent *event)
{
    // Rows follow the list's width; the layout takes it before the base class places them.
    static_cast<LinearCollectionLayout *>(collectionViewLayout())->setItemWidth(viewport()->width());
    CollectionContainerView::resizeEvent(event);
}
