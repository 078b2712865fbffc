#pragma once

#include <QString>

// The device's on/off timer as the status reply reports it. A plain value.
class QXDeviceTimer
{
public:
    bool isOn() const { return m_isOn != 0; }
    void setIsOn(bool isOn) { m_isOn = isOn ? 1 : 0; }
    // "HH:MM:SS" as the device wrote it.
    QString openTime() const { return m_openTime; }
    void setOpenTime(const QString &time) { m_openTime = time; }
    QString closeTime() const { return m_closeTime; }
    void setCloseTime(const QString &time) { m_closeTime = time; }

    QString description() const;

private:
    friend class QXDeviceStatus;

    // The reply's byte as sent: any non-zero byte reads as on.
    quint8 m_isOn = 0;
    QString m_openTime = QStringLiteral("00:00:00");
    QString m_closeTime = QStringLiteral("00:00:00");
};
