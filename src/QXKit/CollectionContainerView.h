#pragma once

#include "CollectionDataSource.h"
#include "CollectionView.h"
#include "CollectionViewLayout.h"

#include <QList>
#include <QPointer>
#include <QScrollArea>

#include <map>
#include <utility>

// A vertically scrolling view that places one widget per item (and per header or footer) where
// its collection layout says. Widgets are made by the data source on reloadData(), in item
// order, so keyboard focus moves through them in layout order.
class CollectionContainerView : public QScrollArea, public CollectionView
{
    Q_OBJECT

public:
    explicit CollectionContainerView(QWidget *parent = nullptr);
    ~CollectionContainerView() override;

    // Takes ownership of the layout; the previous one is deleted.
    void setCollectionViewLayout(CollectionViewLayout *layout);
    CollectionViewLayout *collectionViewLayout() const { return m_layout; }

    // Neither is owned; both must outlive the view or be reset first.
    void setDataSource(CollectionDataSource *dataSource) { m_dataSource = dataSource; }
    CollectionDataSource *dataSource() const { return m_dataSource; }
    void setDelegate(CollectionViewDelegate *delegate);

    // Asks the data source again for everything and replaces every widget.
    void reloadData();
    // Prepares the layout when it was invalidated and places the widgets now (otherwise this
    // happens from the event loop).
    void layoutIfNeeded();

    QWidget *itemAtIndexPath(const CollectionIndexPath &indexPath) const;
    QWidget *supplementaryViewForKind(const QString &kind, int section) const;

    // CollectionView
    QRectF bounds() const override;
    int numberOfSections() const override { return static_cast<int>(m_items.size()); }
    int numberOfItemsInSection(int section) const override;
    CollectionViewDelegate *delegate() const override { return m_delegate; }
    void collectionViewLayoutInvalidated() override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void requestLayout();
    void placeElements();
    void placeSupplementary(const QString &kind, int section);
    void discardWidgets();

    QWidget *m_content;
    CollectionViewLayout *m_layout = nullptr;
    CollectionDataSource *m_dataSource = nullptr;
    CollectionViewDelegate *m_delegate = nullptr;
    bool m_layoutValid = false;
    bool m_layoutRequested = false;
    QList<QList<QPointer<QWidget>>> m_items;
    // Every header or footer the data source was asked for; null when it gave none.
    std::map<std::pair<QString, int>, QPointer<QWidget>> m_supplementaryViews;
};
