#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

// A list item that is no widget of its own, such as a row its list draws or one scrolled so far
// away that it was not made: no children, a name that cannot be set, and the actions its kind
// offers.
class ListItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};
