#pragma once

#include "ListItemAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class dragListView;

// What assistive technology sees of a drop-down list: a list named after its box, with one list
// item per string. While it is open it is the box's child, as a combo box's list is, so a walk
// from the box reaches its rows and the rows name the box above them. The row the keys are on is
// focused, and while no row is, the list itself is: the object a screen reader is told has the
// focus is the one that says it is focused.
class dragListAccessible : public QAccessibleWidget
{
public:
    explicit dragListAccessible(dragListView *list);
    ~dragListAccessible() override;

    QAccessible::State state() const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    dragListView *list() const;

    // The rows made so far, by row; they live as long as the list.
    mutable QHash<int, QAccessible::Id> m_rows;
};

// One string of the list; pressing it picks it.
class dragListRowAccessible : public ListItemAccessible
{
public:
    dragListRowAccessible(dragListView *list, int row);

    bool isValid() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QModelIndex index() const;

    QPointer<dragListView> m_list;
    int m_row;
};
