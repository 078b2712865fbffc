#pragma once

// What a screen reader hears of a list of rows (a CollectionContainerView that reuses its
// rows): a list with the screen's name and one item per row, the shown rows at their places.
#include "CollectionContainerView.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace orvane::test {

inline QAccessibleInterface *accessibleList(CollectionContainerView *view)
{
    return QAccessible::queryAccessibleInterface(view->widget());
}

inline void expectAccessibleList(CollectionContainerView *view, const QString &name, int rows)
{
    QAccessibleInterface *list = accessibleList(view);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), name);
    ASSERT_EQ(list->childCount(), rows);
    for (int row = 0; row < rows; ++row) {
        QAccessibleInterface *item = list->child(row);
        ASSERT_NE(item, nullptr) << row;
        EXPECT_EQ(list->indexOfChild(item), row);
        EXPECT_EQ(item->parent(), list) << row;
        if (QWidget *widget = view->itemAtIndexPath({0, row})) {
            EXPECT_EQ(item->object(), widget) << row;
        }
    }
}

} // namespace orvane::test
