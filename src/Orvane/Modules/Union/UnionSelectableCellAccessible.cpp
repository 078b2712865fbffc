#include "UnionSelectableCellAccessible.h"

#include "UnionSelectableCell.h"

namespace {

QAccessibleInterface *cellFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("UnionSelectableCell") && object && object->isWidgetType())
        return new UnionSelectableCellAccessible(static_cast<UnionSelectableCell *>(object));
    return nullptr;
}

} // namespace

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

void installUnionSelectableCellAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(cellFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
