#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// A time of day as three two-character texts (hours, minutes, seconds), the form in which
// the device and the time entry exchange it.
class Time
{
public:
    Time();
    Time(const QString &hour, const QString &minute, const QString &second);
    // Splits "HH:MM:SS" on ':'. A device may send fewer or shorter parts ("12:30"): a missing
    // part reads as "00" and a one-character part is padded with a leading zero.
    static Time fromString(const QString &text);

    QString hour() const { return m_hour; }
    QString minute() const { return m_minute; }
    QString second() const { return m_second; }

    // "HH:MM:SS".
    QString getTimeString() const;
    // The six single characters: hour tens and units, then minute, then second.
    QStringList getTime() const;
    QStringList getHour() const;
    QStringList getMinute() const;
    QStringList getSecond() const;

    friend bool operator==(const Time &, const Time &) = default;

private:
    QString m_hour;
    QString m_minute;
    QString m_second;
};

} // namespace orvane
