#include "AccessibleFocus.h"

#include "QXEventLoop.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

namespace qxkit {

namespace {

// Long enough for a screen reader to take up the first of two focus events on its own.
constexpr int againPauseMs = 150;

} // namespace

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
    // A screen reader skips a focus event that a newer one follows before it took it up, and the
    // widget named at once would leave it still on the widget it believes focused.
    QTimer::singleShot(againPauseMs, widget, [widget] {
        if (widget->hasFocus())
            announceFocus(widget);
    });
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
