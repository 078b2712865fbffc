#pragma once

#include "Time.h"
#include "TimerViewDelegate.h"

#include <QStringList>
#include <QWidget>

#include <array>

class IntegerFormatter;
class QLineEdit;

// Entry of a time of day as HH:MM:SS: six one-digit fields (tags 1 to 6: tens and units of
// hours, minutes, seconds) and two colons. A typed digit replaces the field's digit when it can
// stand there (first hour digit 0-2, first minute and second digit 0-5; otherwise the field
// shows "0") and the focus moves to the next field, from the last back to the first. An emptied
// field shows "0" again at once. After each digit the delegate learns whether the time differs
// from defaultTime. Only the user's own edits are answered this way.
class TimerView : public QWidget
{
    Q_OBJECT

public:
    explicit TimerView(QWidget *parent = nullptr);

    // Shows the time. A character that is not a digit is shown as "0", so only digits ever
    // leave the view.
    void setTimer(const orvane::Time &time);
    void setTimerWithString(const QString &text);
    // "HH:MM:SS" of the six fields.
    QString getTimerString() const;
    orvane::Time getTimer() const;
    // The digit field with the tag (1-6); 7 gives the first field again; anything else nullptr.
    QLineEdit *getObjectFromTag(int tag) const;
    // Puts the typed character into the field with the tag, by that field's rule.
    void dealInput(const QString &character, int tag);

    // Reference time "HH:MM:SS"; an unset one never equals the shown time.
    QString defaultTime() const { return m_defaultTime; }
    void setDefaultTime(const QString &time) { m_defaultTime = time; }
    qint64 timeTag() const { return m_timeTag; }
    void setTimeTag(qint64 tag) { m_timeTag = tag; }
    // Not owned; must outlive the view or be reset first.
    TimerViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(TimerViewDelegate *delegate) { m_delegate = delegate; }

private:
    QWidget *addCell(QWidget *field);
    void controlTextDidChange(int tag);
    void setFieldText(int tag, const QString &text);
    void announceValue();

    IntegerFormatter *m_formatter;
    std::array<QLineEdit *, 6> m_fields{};
    // Per field: the text it held before the edit in progress.
    QStringList m_tempStr;
    QString m_defaultTime;
    qint64 m_timeTag = 0;
    TimerViewDelegate *m_delegate = nullptr;
};
