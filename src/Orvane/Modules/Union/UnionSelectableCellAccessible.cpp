#include "UnionSelectableCellAccessible.h"

#include "UnionSelectableCell.h"

UnionSelectableCellAccessible::UnionSelectableCellAccessible(UnionSelectableCell *cell)
    : QAccessibleWidget(cell, QAccessible::ListItem)
{
}

UnionSelectableCell *UnionSelectableCellAccessible::cell() const
{
    return static_cast<UnionSelectableCell *>(widget());
}

QAccessible::State UnionSelectableCellAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = cell()->isSelected();
    return state;
}

QStringList UnionSelectableCellAccessible::actionNames() const
{
    return {pressAction()};
}

void UnionSelectableCellAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        emit cell()->activated();
}
