#include "AccessibleFocus.h"

#include "QXEventLoop.h"

#include <QAccessible>
#include <QWidget>

namespace qxkit {

void announceFocus(QObject *object, int child)
{
    QAccessibleEvent event(object, QAccessible::Focus);
    if (child >= 0)
        event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void announceFocusAgain(QWidget *widget)
{
    if (!widget->hasFocus())
        return;
    if (QWidget *parent = widget->parentWidget())
        announceFocus(parent);
    announceFocus(widget);
}

void afterFocusEvent(QWidget *widget, std::function<void()> step)
{
    qxNextTurn(widget, [widget, step = std::move(step)] {
        if (widget->hasFocus())
            step();
    });
}

} // namespace qxkit
