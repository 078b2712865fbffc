#include "ComboBoxAccessible.h"

#include "ComboBoxDropDownWindow.h"
#include "ComboBoxView.h"

#include <QListView>

namespace {

QAccessibleInterface *comboBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ComboBoxView") && object && object->isWidgetType())
        return new ComboBoxAccessible(static_cast<ComboBoxView *>(object));
    return nullptr;
}

} // namespace

ComboBoxAccessible::ComboBoxAccessible(ComboBoxView *comboBox) : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

ComboBoxView *ComboBoxAccessible::comboBox() const
{
    return static_cast<ComboBoxView *>(widget());
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = true;
    state.readOnly = true;
    state.expandable = true;
    state.expanded = comboBox()->isDragWindowShow();
    state.collapsed = !comboBox()->isDragWindowShow();
    return state;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return comboBox()->getSelectedString();
    return QAccessibleWidget::text(t);
}

int ComboBoxAccessible::childCount() const
{
    return child(0) ? 1 : 0;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    const dragWindowController *list = comboBox()->dragWC();
    if (index != 0 || !comboBox()->isDragWindowShow() || !list)
        return nullptr;
    return QAccessible::queryAccessibleInterface(list->dragVC()->infoTable());
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child == this->child(0) ? 0 : -1;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        comboBox()->clickToShowDragWindow();
}

void installComboBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
