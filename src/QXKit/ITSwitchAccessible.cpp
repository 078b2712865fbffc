#include "ITSwitchAccessible.h"

#include "ITSwitch.h"

ITSwitchAccessible::ITSwitchAccessible(ITSwitch *toggle)
    : QAccessibleWidget(toggle, QAccessible::CheckBox)
{
}

ITSwitch *ITSwitchAccessible::toggle() const
{
    return static_cast<ITSwitch *>(widget());
}

QAccessible::State ITSwitchAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = toggle()->checked();
    return state;
}

QString ITSwitchAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return toggle()->checked() ? QStringLiteral("1") : QStringLiteral("0");
    return QAccessibleWidget::text(t);
}

QStringList ITSwitchAccessible::actionNames() const
{
    return {toggleAction(), pressAction()};
}

void ITSwitchAccessible::doAction(const QString &actionName)
{
    if (toggle()->isEnabled() && (actionName == toggleAction() || actionName == pressAction()))
        toggle()->userSetChecked(!toggle()->checked());
}
