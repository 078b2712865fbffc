#include "AccessibleFocus.h"

#include <QAccessible>
#include <QMetaObject>
#include <QWidget>

namespace qxkit {

void announceFocus(QObject *object, int child)
{
    QAccessibleEvent event(object, QAccessible::Focus);
    if (child >= 0)
        event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void afterFocusEvent(QWidget *widget, std::function<void()> step)
{
    QMetaObject::invokeMethod(
        widget,
        [widget, step = std::move(step)] {
            if (widget->hasFocus())
                step();
        },
        Qt::QueuedConnection);
}

} // namespace qxkit
