#include "QXDashboardAccessible.h"

#include "QXDashboard.h"

QXDashboardAccessible::QXDashboardAccessible(QXDashboard *dashboard)
    : QAccessibleWidget(dashboard, QAccessible::Dial)
{
}

QXDashboard *QXDashboardAccessible::dashboard() const
{
    return static_cast<QXDashboard *>(widget());
}

void *QXDashboardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString QXDashboardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(dashboard()->pointedValue());
    return QAccessibleWidget::text(t);
}

QVariant QXDashboardAccessible::currentValue() const
{
    return dashboard()->pointedValue();
}

void QXDashboardAccessible::setCurrentValue(const QVariant &value)
{
    bool isNumber = false;
    const double angle = value.toDouble(&isNumber);
    if (isNumber)
        dashboard()->chooseValue(angle);
}

QVariant QXDashboardAccessible::maximumValue() const
{
    return 359.0;
}

QVariant QXDashboardAccessible::minimumValue() const
{
    return 0.0;
}

QVariant QXDashboardAccessible::minimumStepSize() const
{
    return 1.0;
}
