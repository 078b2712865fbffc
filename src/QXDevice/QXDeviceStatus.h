#pragma once

#include "QXDeviceTimer.h"
#include "QXDeviceVersion.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Bits of QXDeviceStatus::functionSet: the optional functions whose field the status reply
// carried with a valid value.
namespace QXDeviceFunction {
inline constexpr quint64 angle = 0x1;
inline constexpr quint64 volume = 0x2;
inline constexpr quint64 breathLamp = 0x4;
inline constexpr quint64 blueTooth = 0x8;
inline constexpr quint64 autoStart = 0x10;
inline constexpr quint64 version = 0x20;
inline constexpr quint64 serverIndex = 0x40;
inline constexpr quint64 listIndex = 0x80; // several play lists
inline constexpr quint64 cutTime = 0x100;
inline constexpr quint64 rotationRate = 0x200;
inline constexpr quint64 remoteControl = 0x400;
inline constexpr quint64 emergencyStop = 0x800;
inline constexpr quint64 master = 0x4000; // the device reports its union role
} // namespace QXDeviceFunction

// The device state decoded from a status reply (instruction 10). A plain value: each reply
// makes a new one; screens change single fields after the device accepted a setting.
class QXDeviceStatus
{
public:
    // A new record decoded from the reply (head included).
    static QXDeviceStatus statusWithData(QByteArrayView reply);
    // Decodes a status reply into this record. Never reads past the end of the reply: fields
    // it does not reach keep their new-record values, or the "not reported" values
    // (listIndex -1, hotspotStatus -1) for the optional tail.
    void updateConfig(QByteArrayView reply);

    // The signed 16-bit number high * 256 + low.
    static qint64 byteArrayToShort(quint8 high, quint8 low);
    // The big-endian 64-bit number in the first 8 bytes, taken as signed; 0 when fewer are given.
    static qint64 byteArrayToLong(QByteArrayView bytes);

    // The cloud server hosts: index 0 the default region, 1 and 2 the further regions. One
    // list for the whole process, shared with the cloud login; a deployment may replace it.
    static QStringList serverList();
    static void setServerList(const QStringList &hosts);
    // The host at serverIndex when it lies in the list, else the first host.
    QString serverDomain() const;

    quint64 functionSet() const { return m_functionSet; }
    void setFunctionSet(quint64 functionSet) { m_functionSet = functionSet; }
    bool isRunning() const { return m_isRunning != 0; }
    void setIsRunning(bool on) { m_isRunning = on; }
    bool isNewConduct() const { return m_isNewConduct != 0; }
    void setIsNewConduct(bool on) { m_isNewConduct = on; }
    // Never decoded: the play-list screen keeps it.
    bool isPlaying() const { return m_isPlaying != 0; }
    void setIsPlaying(bool on) { m_isPlaying = on; }
    bool isAutoStart() const { return m_isAutoStart != 0; }
    void setIsAutoStart(bool on) { m_isAutoStart = on; }
    bool isBlueTooth() const { return m_isBlueTooth != 0; }
    void setIsBlueTooth(bool on) { m_isBlueTooth = on; }
    bool isBreathLamp() const { return m_isBreathLamp != 0; }
    void setIsBreathLamp(bool on) { m_isBreathLamp = on; }
    bool isEmergencyStop() const { return m_isEmergencyStop != 0; }
    void setIsEmergencyStop(bool on) { m_isEmergencyStop = on; }
    bool isRemoteControl() const { return m_isRemoteControl != 0; }
    void setIsRemoteControl(bool on) { m_isRemoteControl = on; }
    // The device is the master of a union.
    bool isMaster() const { return m_isMaster != 0; }
    void setIsMaster(bool on) { m_isMaster = on; }
    bool is4GOpen() const { return m_is4GOpen; }
    void setIs4GOpen(bool on) { m_is4GOpen = on; }
    qint64 playingIndex() const { return m_playingIndex; }
    void setPlayingIndex(qint64 index) { m_playingIndex = index; }
    qint64 cutTime() const { return m_cutTime; }
    void setCutTime(qint64 cutTime) { m_cutTime = cutTime; }
    // -1 when the reply was too short to carry it.
    qint64 listIndex() const { return m_listIndex; }
    void setListIndex(qint64 index) { m_listIndex = index; }
    qint64 rotationRate() const { return m_rotationRate; }
    void setRotationRate(qint64 rate) { m_rotationRate = rate; }
    qint64 light() const { return m_light; }
    void setLight(qint64 light) { m_light = light; }
    qint64 volume() const { return m_volume; }
    void setVolume(qint64 volume) { m_volume = volume; }
    qint64 angle() const { return m_angle; }
    void setAngle(qint64 angle) { m_angle = angle; }
    qint64 serverIndex() const { return m_serverIndex; }
    void setServerIndex(qint64 index) { m_serverIndex = index; }
    // Megabytes followed by "M"; "0M" while unset.
    QString storage() const;
    void setStorage(const QString &storage) { m_storage = storage; }
    // 0-2 as reported; -1 when the reply carried no valid hotspot state.
    qint64 hotspotStatus() const { return m_hotspotStatus; }
    void setHotspotStatus(qint64 status) { m_hotspotStatus = status; }

    const QXDeviceTimer &timer() const { return m_timer; }
    QXDeviceTimer &timer() { return m_timer; }
    const QXDeviceVersion &version() const { return m_version; }
    QXDeviceVersion &version() { return m_version; }

    QString description() const;

private:
    void readOptionalTail(QByteArrayView reply);

    quint64 m_functionSet = 0;
    // Boolean fields keep the reply's byte as sent; any non-zero byte reads as true.
    quint8 m_isRunning = 0;
    quint8 m_isNewConduct = 0;
    quint8 m_isPlaying = 0;
    quint8 m_isAutoStart = 0;
    quint8 m_isBlueTooth = 0;
    quint8 m_isBreathLamp = 0;
    quint8 m_isEmergencyStop = 0;
    quint8 m_isRemoteControl = 0;
    quint8 m_isMaster = 0;
    bool m_is4GOpen = false;
    qint64 m_playingIndex = 0;
    qint64 m_cutTime = 0;
    qint64 m_listIndex = 0;
    qint64 m_rotationRate = 0;
    qint64 m_light = 0;
    qint64 m_volume = 0;
    qint64 m_angle = 0;
    qint64 m_serverIndex = 0;
    QString m_storage;
    qint64 m_hotspotStatus = 0;
    QXDeviceTimer m_timer;
    QXDeviceVersion m_version;
};
