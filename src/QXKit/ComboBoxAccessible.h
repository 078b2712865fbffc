#pragma once

#include <QAccessibleWidget>

class ComboBoxView;

// What assistive technology sees of a ComboBoxView: a combo box whose value is the shown string,
// which can be expanded and collapsed, and whose one child is the list while it is open.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(ComboBoxView *comboBox);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ComboBoxView *comboBox() const;
};

// Registers the interface with Qt's accessibility; safe to call any number of times.
void installComboBoxAccessibility();
