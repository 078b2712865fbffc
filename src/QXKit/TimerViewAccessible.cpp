#include "TimerViewAccessible.h"

#include "TimerView.h"

TimerViewAccessible::TimerViewAccessible(TimerView *view)
    : QAccessibleWidget(view, QAccessible::Grouping)
{
}

QString TimerViewAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return static_cast<TimerView *>(widget())->getTimerString();
    return QAccessibleWidget::text(t);
}
