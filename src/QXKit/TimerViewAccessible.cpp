#include "TimerViewAccessible.h"

#include "TimerView.h"

namespace {

QAccessibleInterface *timerViewFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TimerView") && object && object->isWidgetType())
        return new TimerViewAccessible(static_cast<TimerView *>(object));
    return nullptr;
}

} // namespace

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

void installTimerViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(timerViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
