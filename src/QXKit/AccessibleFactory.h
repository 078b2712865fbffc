#pragma once

#include <QAccessible>
#include <QLatin1String>
#include <QObject>

namespace qxkit {

// Gives every widget of class Widget, and of its subclasses that have no interface of their own,
// the interface Interface made from that widget. Registers with Qt's accessibility once, however
// often it is called: a widget calls it when it is made, so only the kinds in use are registered.
template <typename Widget, typename Interface>
void installAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(Widget::staticMetaObject.className()) && object && object->isWidgetType())
                return new Interface(static_cast<Widget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace qxkit
