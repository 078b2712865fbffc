#pragma once

#include <QAccessibleWidget>

class TimerView;

// What assistive technology sees of a TimerView: a group of six digit fields whose value is the
// whole time, "HH:MM:SS".
class TimerViewAccessible : public QAccessibleWidget
{
public:
    explicit TimerViewAccessible(TimerView *view);

    QString text(QAccessible::Text t) const override;
};
