#pragma once

#include <QtGlobal>

// Told by a TimerView after each digit the user entered.
class TimerViewDelegate
{
public:
    virtual ~TimerViewDelegate() = default;
    // `changed` is false exactly when the shown time equals the view's defaultTime; `tag` is the
    // view's timeTag.
    virtual void textChanged(bool changed, qint64 tag) = 0;
};
