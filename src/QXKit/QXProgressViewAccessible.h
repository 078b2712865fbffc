#pragma once

#include <QAccessibleWidget>

class QXProgressView;

// What assistive technology sees of a QXProgressView: a read-only progress bar named by its text,
// valued from 0 to 100 percent, with how the work stands in words as its description and (once
// it ended) as its value text, so a failure is heard and not only seen in red.
class QXProgressViewAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit QXProgressViewAccessible(QXProgressView *view);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QXProgressView *view() const;
};
