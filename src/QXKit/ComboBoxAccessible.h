#pragma once

#include <QAccessibleWidget>

class ComboBoxView;

// What assistive technology sees of a ComboBoxView: a combo box whose value is the shown string
// (the placeholder while there is none), readable as text too, which can be expanded and
// collapsed. Its open list is its one child. While the list is open the operator is on the list,
// which is focused then, and the box is not, though it keeps the keyboard focus.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxAccessible(ComboBoxView *comboBox);

    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    // The open list, the only child: the field and the button inside are parts of the one
    // control, not children of their own.
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // The shown string, read-only: no selection, the caret at its start.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ComboBoxView *comboBox() const;
    // The open list; null while the list is closed.
    QWidget *openList() const;
    // The shown string, or the placeholder while there is none.
    QString spokenText() const;
};
