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

void afterFocusEvent(QWidget *widget, std::function<void()> step)
{
    qxNextTurn(widget, [widget, step = std::move(step)] {
        if (widget->hasFocus())
            step();
    });
}

void replaceKeepingFocus(QWidget *control, QWidget *replacement)
{
    const bool handOver = control->hasFocus();
    replacement->show();
    if (handOver)
        replacement->setFocus(Qt::OtherFocusReason);
    control->hide();
}

} // namespace qxkit
