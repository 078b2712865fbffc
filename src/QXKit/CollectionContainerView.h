#pragma once

#include "CollectionDataSource.h"
#include "CollectionView.h"
#include "CollectionViewLayout.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QScrollArea>

#include <map>
#include <optional>
#include <utility>

class CollectionContentView;

// A vertically scrolling view that places one widget per item (and per header or footer) where
// its collection layout says.
//
// By default the data source makes every item's widget on reloadData(), in item order, so
// keyboard focus moves through them in layout order, and each reload replaces them all.
//
// A view that reuses its items scales to long lists instead: only the items in and near the
// visible area have widgets. The widget of an item that scrolls away becomes free, and the data
// source takes it again (dequeueReusableItem) to show another item; a reload hands every shown
// widget back to the item it showed, so a reload of unchanged items makes nothing new and the
// focus stays where it was. The keyboard still reaches every item in order: Tab moves through
// the items' controls, Up and Down move to the item before and after, Page Up and Page Down by a
// page of items, Home and End to the first and the last; from the list itself these keys enter
// its items. An item the keyboard or assistive technology moves the focus to is scrolled into
// view with its neighbours made; a click never scrolls, so it acts on what it was pressed on.
// Such a view reads as a list to assistive technology, named by the view's accessible name, with
// one child per item: the item's own widget where it is made, otherwise a stand-in named by the
// data source (accessibleNameForItem) whose focus action brings the item into view.
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

    // Set before the first reload.
    void setReusesItems(bool reuses);
    bool reusesItems() const { return m_reusesItems; }
    // For the data source of a view that reuses its items, inside itemForIndexPath: a widget it
    // made earlier that shows no item now, the one that last showed this item when it is free;
    // nullptr when none is free (the data source then makes one).
    QWidget *dequeueReusableItem(const CollectionIndexPath &indexPath);

    // Asks the data source again for everything. Without reuse every widget is replaced; with
    // reuse the shown items are filled again, in their widgets, at once.
    void reloadData();
    // Prepares the layout when it was invalidated and places the widgets now (otherwise this
    // happens from the event loop).
    void layoutIfNeeded();

    // The item's widget; nullptr for an item that has none now.
    QWidget *itemAtIndexPath(const CollectionIndexPath &indexPath) const;
    QWidget *supplementaryViewForKind(const QString &kind, int section) const;
    // The item whose widget is `widget` or holds it; none for anything else.
    std::optional<CollectionIndexPath> indexPathForItemWidget(const QWidget *widget) const;
    // Scrolls until the whole item is in view and gives its widget, made when it had none;
    // nullptr for an item the layout does not place.
    QWidget *scrollToItem(const CollectionIndexPath &indexPath);
    // Brings the item into view and gives the keyboard focus to its first (or last) control that
    // takes the focus by Tab; false when it has none.
    bool focusItem(const CollectionIndexPath &indexPath, Qt::FocusReason reason, bool lastControl = false);

    // Every item in order, section after section.
    int totalItemCount() const;
    std::optional<CollectionIndexPath> indexPathAtPosition(int position) const;
    int positionOfIndexPath(const CollectionIndexPath &indexPath) const;

    // CollectionView
    QRectF bounds() const override;
    int numberOfSections() const override { return static_cast<int>(m_itemCounts.size()); }
    int numberOfItemsInSection(int section) const override;
    CollectionViewDelegate *delegate() const override { return m_delegate; }
    void collectionViewLayoutInvalidated() override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class CollectionContentView;

    void requestLayout();
    void placeElements();
    // Gives widgets to the items in and near the visible area and frees the others.
    void realizeItems();
    void makeItem(const CollectionIndexPath &indexPath);
    void adoptItem(QWidget *widget, const CollectionIndexPath &indexPath);
    void freeItem(std::map<CollectionIndexPath, QPointer<QWidget>>::iterator item);
    // Orders the Tab chain as the items stand: the list, then each made item's controls.
    void chainTabStops();
    void placeSupplementary(const QString &kind, int section);
    void discardWidgets();
    void focusChanged(QWidget *now);
    // The item holding the keyboard focus.
    std::optional<CollectionIndexPath> focusedItem() const;
    std::optional<CollectionIndexPath> firstShownItem() const;
    // How many items the visible area holds whole; at least 1.
    int itemsPerPage() const;

    CollectionContentView *m_content;
    QMetaObject::Connection m_focusWatch;
    CollectionViewLayout *m_layout = nullptr;
    CollectionDataSource *m_dataSource = nullptr;
    CollectionViewDelegate *m_delegate = nullptr;
    bool m_layoutValid = false;
    bool m_layoutRequested = false;
    bool m_reusesItems = false;
    // Whether the keyboard focus was in an item when it last moved.
    bool m_focusInItems = false;
    bool m_refillPending = false;
    bool m_tabOrderStale = false;
    bool m_placing = false;
    bool m_placeAgain = false;
    // The item counts the data source gave at the last reload, by section.
    QList<int> m_itemCounts;
    std::map<CollectionIndexPath, QPointer<QWidget>> m_items;
    QHash<const QWidget *, CollectionIndexPath> m_itemOfWidget;
    struct FreeWidget
    {
        QPointer<QWidget> widget;
        CollectionIndexPath lastShown;
    };
    QList<FreeWidget> m_freeWidgets;
    // Each adopted widget's controls that take the focus by Tab, in the widget's own order.
    QHash<const QWidget *, QList<QPointer<QWidget>>> m_tabStops;
    // Every header or footer the data source was asked for; null when it gave none.
    std::map<std::pair<QString, int>, QPointer<QWidget>> m_supplementaryViews;
};
