#pragma once

#include <QAccessibleWidget>

class ComboBoxView;

// What assistive technology sees of a ComboBoxView: a combo box whose value is the shown string
// (the placeholder while there is none), readable as text too, which can be expanded and
// collapsed. The open list is a window of its own, named after the box, and appears in the tree
// there only.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxAccessible(ComboBoxView *comboBox);

    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    // The field and the button inside are parts of the one control, not children of their own.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

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
    // The shown string, or the placeholder while there is none.
    QString spokenText() const;
};
