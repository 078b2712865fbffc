#pragma once

#include "CollectionContainerView.h"
#include "LinearCollectionLayoutDelegate.h"

#include <functional>

// A one-column list of equally tall rows that fill its width, each an ordinary widget made by
// its owner, so every control of a row is reachable by keyboard and screen reader.
class UnionRowList : public CollectionContainerView, public CollectionDataSource, public LinearCollectionLayoutDelegate
{
    Q_OBJECT
public:
    using RowCount = std::function<int()>;
    // A new widget for the row; the list takes ownership.
    using RowMaker = std::function<QWidget *(int row)>;

    UnionRowList(qreal rowHeight, RowCount count, RowMaker make, QWidget *parent = nullptr);

    // The widget shown for the row; nullptr for a row that does not exist.
    QWidget *rowWidget(int row) const;

    int numberOfItemsInSection(int section) override;
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override;
    QSizeF sizeForItem(CollectionView *collectionView, const LinearCollectionLayout *layout,
                       const CollectionIndexPath &indexPath) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    qreal m_rowHeight;
    RowCount m_count;
    RowMaker m_make;
};
