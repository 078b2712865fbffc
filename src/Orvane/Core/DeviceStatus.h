#pragma once

#include "Time.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace orvane {

// The application's own record of a device's state, decoded from a status reply given as
// bytes. The live status is QXDeviceStatus; this record keeps the application's older
// reading of the same reply.
class DeviceStatus
{
public:
    // The defaults of a record not read from a device.
    DeviceStatus();
    // Decodes the reply. Fields the reply does not reach stay 0, false or none.
    explicit DeviceStatus(QByteArrayView reply);

    // Megabytes followed by "M" from bytes 10 to 17; null when the reply is shorter.
    static QString getStorageInfo(QByteArrayView reply);
    static qint64 byteArrayToLong(QByteArrayView bytes);
    static qint64 ByteArrayToShort(quint8 high, quint8 low);

    bool isRunning() const { return m_isRunning; }
    void setIsRunning(bool on) { m_isRunning = on; }
    bool isNewDevice() const { return m_isNewDevice; }
    void setIsNewDevice(bool on) { m_isNewDevice = on; }
    bool isAutoStart() const { return m_isAutoStart; }
    void setIsAutoStart(bool on) { m_isAutoStart = on; }
    bool isBlueTooth() const { return m_isBlueTooth; }
    void setIsBlueTooth(bool on) { m_isBlueTooth = on; }
    bool isBreathLight() const { return m_isBreathLight; }
    void setIsBreathLight(bool on) { m_isBreathLight = on; }
    bool isTimerOpen() const { return m_isTimerOpen; }
    void setIsTimerOpen(bool on) { m_isTimerOpen = on; }
    qint64 extraFuncLength() const { return m_extraFuncLength; }
    void setExtraFuncLength(qint64 length) { m_extraFuncLength = length; }
    qint64 lightNum() const { return m_lightNum; }
    void setLightNum(qint64 light) { m_lightNum = light; }
    qint64 angleNum() const { return m_angleNum; }
    void setAngleNum(qint64 angle) { m_angleNum = angle; }
    qint64 volumeNum() const { return m_volumeNum; }
    void setVolumeNum(qint64 volume) { m_volumeNum = volume; }
    qint64 playingIndex() const { return m_playingIndex; }
    void setPlayingIndex(qint64 index) { m_playingIndex = index; }
    qint64 resolution() const { return m_resolution; }
    void setResolution(qint64 resolution) { m_resolution = resolution; }
    // Null when the reply did not reach the storage bytes.
    QString SDCapacity() const { return m_SDCapacity; }
    void setSDCapacity(const QString &capacity) { m_SDCapacity = capacity; }
    std::optional<Time> openTime() const { return m_openTime; }
    void setOpenTime(const std::optional<Time> &time) { m_openTime = time; }
    std::optional<Time> closeTime() const { return m_closeTime; }
    void setCloseTime(const std::optional<Time> &time) { m_closeTime = time; }

private:
    bool m_isRunning = false;
    bool m_isNewDevice = false;
    bool m_isAutoStart = false;
    bool m_isBlueTooth = false;
    bool m_isBreathLight = false;
    bool m_isTimerOpen = false;
    qint64 m_extraFuncLength = 0;
    qint64 m_lightNum = 0;
    qint64 m_angleNum = 0;
    qint64 m_volumeNum = 0;
    qint64 m_playingIndex = 0;
    qint64 m_resolution = 0;
    QString m_SDCapacity;
    std::optional<Time> m_openTime;
    std::optional<Time> m_closeTime;
};

} // namespace orvane
