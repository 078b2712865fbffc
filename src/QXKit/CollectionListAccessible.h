#pragma once

#include "ListItemAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class CollectionContainerView;
class CollectionContentView;

// What assistive technology reads of a CollectionContainerView that reuses its items: a list
// named by the view, one child per item in order, so a screen reader hears "list, 500 items"
// and an item's position in it. An item with a widget is that widget; the others are stand-ins
// (CollectionItemStandIn), so the count and the positions hold for the whole list.
class CollectionListAccessible : public QAccessibleWidget
{
public:
    explicit CollectionListAccessible(CollectionContentView *content);
    ~CollectionListAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    CollectionContainerView *view() const;

    // The stand-ins made so far, by position; they live as long as the list.
    mutable QHash<int, QAccessible::Id> m_standIns;
};

// An item without a widget (scrolled far away): a list item named by the data source, off
// screen, whose focus action scrolls the item into view and gives it the keyboard focus.
class CollectionItemStandIn : public ListItemAccessible
{
public:
    CollectionItemStandIn(CollectionContainerView *view, int position);

    int position() const { return m_position; }

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QPointer<CollectionContainerView> m_view;
    int m_position;
};

// Registers the interfaces with Qt's accessibility; safe to call any number of times.
void installCollectionListAccessibility();
