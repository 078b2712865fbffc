#pragma once

#include <QAccessibleWidget>

class UnionSelectableCell;

// What assistive technology sees of a union list row: a selectable list item whose selected
// state is the row's; pressing it selects the row.
class UnionSelectableCellAccessible : public QAccessibleWidget
{
public:
    explicit UnionSelectableCellAccessible(UnionSelectableCell *cell);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    UnionSelectableCell *cell() const;
};
