#pragma once

#include "FunctionConfigItem.h"
#include "TimerViewDelegate.h"

#include <QDateTime>

#include <functional>

class ContentChildDelegate;
class ITSwitch;
class QLabel;
class QXButton;
class TimerView;

// The device's daily on/off timer: a switch-on time, a switch-off time, the timer switch and a
// save button. Switching on sends the whole timer with the computer's date and time for the
// device's clock; switching off sends the off instruction. While the timer is on, the save button
// shows whenever a time differs from the one the device has.
class FunctionTimerItem : public FunctionConfigItem, public TimerViewDelegate
{
    Q_OBJECT
public:
    // Where the date and time sent to the device come from.
    using Clock = std::function<QDateTime()>;

    explicit FunctionTimerItem(QWidget *parent = nullptr);
    ~FunctionTimerItem() override;

    QLabel *titleLabel() const { return m_titleLabel; }
    TimerView *startTimerView() const { return m_startTimerView; }
    TimerView *stopTimerView() const { return m_stopTimerView; }
    ITSwitch *timerSwitch() const { return m_timerSwitch; }
    QXButton *saveBtn() const { return m_saveBtn; }
    // Kept for the screen's host; the timer itself never calls it.
    ContentChildDelegate *functionDelegate() const { return m_functionDelegate; }
    void setFunctionDelegate(ContentChildDelegate *delegate) { m_functionDelegate = delegate; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Shows the record's timer; its times become the references the edits are compared with.
    void refresh();

    // TimerViewDelegate
    void textChanged(bool changed, qint64 tag) override;

private:
    void switchAction(bool on);
    void saveBtnAction();
    void saveTimer();
    void closeTimer();
    bool timerIsOn() const;
    // After a failed send the switch shows the timer the device has.
    static void showDeviceTimer(FunctionTimerItem &item);

    QLabel *m_titleLabel = nullptr;
    QLabel *m_openTitle = nullptr;
    TimerView *m_startTimerView = nullptr;
    QLabel *m_closeTitle = nullptr;
    TimerView *m_stopTimerView = nullptr;
    ITSwitch *m_timerSwitch = nullptr;
    QXButton *m_saveBtn = nullptr;
    ContentChildDelegate *m_functionDelegate = nullptr;
    Clock m_clock = [] { return QDateTime::currentDateTime(); };
};
