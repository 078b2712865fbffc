#pragma once

#include <QAccessibleWidget>

class QXDashboard;

// What assistive technology sees of a QXDashboard: a dial whose value is the shown angle, 0 to
// 359. The value is read-only here, as it is for a single click: the dial's owner offers the
// buttons that change it.
class QXDashboardAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit QXDashboardAccessible(QXDashboard *dashboard);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QXDashboard *dashboard() const;
};

// Registers the interface with Qt's accessibility; safe to call any number of times.
void installQXDashboardAccessibility();
