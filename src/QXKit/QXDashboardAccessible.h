#pragma once

#include <QAccessibleWidget>

class QXDashboard;

// What assistive technology sees of a QXDashboard: a dial whose value is the angle the pointer
// shows, 0 to 359. Setting the value chooses that angle, as a double click there would.
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
