#include "ComboBoxAccessible.h"

#include "ComboBoxDropDownWindow.h"
#include "ComboBoxView.h"

#include <QFontMetrics>
#include <QLineEdit>

ComboBoxAccessible::ComboBoxAccessible(ComboBoxView *comboBox) : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

ComboBoxView *ComboBoxAccessible::comboBox() const
{
    return static_cast<ComboBoxView *>(widget());
}

QWidget *ComboBoxAccessible::openList() const
{
    const dragWindowController *window = comboBox()->isDragWindowShow() ? comboBox()->dragWC() : nullptr;
    return window ? window->dragVC()->infoTable() : nullptr;
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = true;
    state.readOnly = true;
    state.expandable = true;
    state.expanded = comboBox()->isDragWindowShow();
    state.collapsed = !comboBox()->isDragWindowShow();
    if (state.expanded)
        state.focused = false;
    return state;
}

int ComboBoxAccessible::childCount() const
{
    return openList() ? 1 : 0;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    QWidget *list = index == 0 ? openList() : nullptr;
    return list ? QAccessible::queryAccessibleInterface(list) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && openList() && child->object() == openList() ? 0 : -1;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return spokenText();
    return QAccessibleWidget::text(t);
}

void *ComboBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ComboBoxAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ComboBoxAccessible::spokenText() const
{
    const QString shown = comboBox()->getSelectedString();
    return shown.isEmpty() ? comboBox()->infoField()->placeholderText() : shown;
}

QString ComboBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString shown = spokenText();
    const int start = qBound(0, startOffset, int(shown.size()));
    const int end = qBound(start, endOffset < 0 ? int(shown.size()) : endOffset, int(shown.size()));
    return shown.mid(start, end - start);
}

int ComboBoxAccessible::characterCount() const
{
    return int(spokenText().size());
}

QRect ComboBoxAccessible::characterRect(int offset) const
{
    const QLineEdit *field = comboBox()->infoField();
    const QString shown = field->text();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(field->font());
    const int x = metrics.horizontalAdvance(shown.left(offset));
    const QRect local(x, 0, metrics.horizontalAdvance(shown.at(offset)), field->height());
    return QRect(field->mapToGlobal(local.topLeft()), local.size());
}

int ComboBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

QString ComboBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
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
