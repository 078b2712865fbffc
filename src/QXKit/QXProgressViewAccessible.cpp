#include "QXProgressViewAccessible.h"

#include "QXProgressView.h"

QXProgressViewAccessible::QXProgressViewAccessible(QXProgressView *view)
    : QAccessibleWidget(view, QAccessible::ProgressBar)
{
}

QXProgressView *QXProgressViewAccessible::view() const
{
    return static_cast<QXProgressView *>(widget());
}

void *QXProgressViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString QXProgressViewAccessible::text(QAccessible::Text t) const
{
    // A name given by the owner wins over the bar's text, as for any widget.
    if (t == QAccessible::Name && view()->accessibleName().isEmpty())
        return view()->text();
    if (t == QAccessible::Description && view()->accessibleDescription().isEmpty())
        return view()->stateDescription();
    if (t == QAccessible::Value)
        return view()->valueText();
    return QAccessibleWidget::text(t);
}

QVariant QXProgressViewAccessible::currentValue() const
{
    // The text may pass 100%; the value stays inside its range.
    return qBound(0, QXProgressView::percent(view()->progress()), 100);
}

void QXProgressViewAccessible::setCurrentValue(const QVariant &)
{
    // The bar shows work done elsewhere; nobody sets it from outside.
}

QVariant QXProgressViewAccessible::maximumValue() const
{
    return 100;
}

QVariant QXProgressViewAccessible::minimumValue() const
{
    return 0;
}

QVariant QXProgressViewAccessible::minimumStepSize() const
{
    return 1;
}
