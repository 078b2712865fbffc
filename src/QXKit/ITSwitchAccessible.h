#pragma once

#include <QAccessibleWidget>

class ITSwitch;

// What assistive technology sees of an ITSwitch: a check box whose checked state (and value,
// "1" or "0") is the switch's state; toggling it is a change made by the user.
class ITSwitchAccessible : public QAccessibleWidget
{
public:
    explicit ITSwitchAccessible(ITSwitch *toggle);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ITSwitch *toggle() const;
};
