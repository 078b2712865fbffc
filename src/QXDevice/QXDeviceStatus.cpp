#include "QXDeviceStatus.h"

#include "QXLog.h"
#include "QXUtf8.h"
#include "private/DescriptionText.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

constexpr char statusHead[] = {'\x35', '\xA4', '\x0A'};
constexpr qint64 bytesPerMegabyte = 1048576;
constexpr qint64 notReported = -1;

// The cloud hosts of the three regions. The deployment that ships the application names them.
QStringList &serverHosts()
{
    static QStringList hosts{
        QStringLiteral("cloud.orvane.example"),
        QStringLiteral("cloud-eu.orvane.example"),
        QStringLiteral("cloud-us.orvane.example"),
    };
    return hosts;
}

QMutex &serverHostsMutex()
{
    static QMutex mutex;
    return mutex;
}

quint8 byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

bool isAtMost(quint8 value, quint8 limit)
{
    return value <= limit;
}

} // namespace

QXDeviceStatus QXDeviceStatus::statusWithData(QByteArrayView reply)
{
    QXDeviceStatus status;
    status.updateConfig(reply);
    return status;
}

void QXDeviceStatus::updateConfig(QByteArrayView reply)
{
    m_functionSet = 0;
    if (!reply.startsWith(QByteArrayView(statusHead, sizeof statusHead))) {
        QXLOG(QStringLiteral("前缀码错误"));
        return;
    }
    // A device may answer shorter than the layout: every field is read only when the reply
    // reaches it.
    const qsizetype length = reply.size();
    if (length > 3)
        m_isRunning = byteAt(reply, 3);
    if (length > 4)
        m_isNewConduct = byteAt(reply, 4) > 1;
    if (length > 5)
        m_light = byteAt(reply, 5);
    if (length > 7)
        m_playingIndex = byteArrayToShort(byteAt(reply, 6), byteAt(reply, 7));
    if (length > 9)
        m_timer.m_isOn = byteAt(reply, 9);
    if (length > 17)
        m_storage = QStringLiteral("%1M").arg(byteArrayToLong(reply.sliced(10, 8)) / bytesPerMegabyte);
    if (length > 19) {
        const qsizetype openLength = byteAt(reply, 18);
        const qsizetype closeLength = byteAt(reply, 19);
        if (length >= 20 + openLength) {
            if (const auto text = qxStrictUtf8(reply.sliced(20, openLength)))
                m_timer.m_openTime = *text;
        }
        if (length >= 20 + openLength + closeLength) {
            if (const auto text = qxStrictUtf8(reply.sliced(20 + openLength, closeLength)))
                m_timer.m_closeTime = *text;
        }
    }
    readOptionalTail(reply);
}

void QXDeviceStatus::readOptionalTail(QByteArrayView reply)
{
    // The fields from byte 36 on sit at fixed offsets whatever the time texts' lengths. The
    // reply ends at some row; the fields from there on read as "not reported".
    m_angle = 0;
    m_volume = 0;
    m_isBreathLamp = 0;
    m_isBlueTooth = 0;
    m_isAutoStart = 0;
    m_version.setIsExist(false);
    m_listIndex = notReported;
    m_hotspotStatus = notReported;

    struct Row
    {
        qsizetype end; // the row is read when the reply holds this many bytes
        void (*read)(QXDeviceStatus &, QByteArrayView);
    };
    static constexpr Row rows[] = {
        {38, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_angle = byteArrayToShort(byteAt(r, 36), byteAt(r, 37));
             s.m_functionSet |= QXDeviceFunction::angle;
         }},
        {39, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_volume = byteAt(r, 38);
             s.m_functionSet |= QXDeviceFunction::volume;
         }},
        {40, [](QXDeviceStatus &s, QByteArrayView r) {
             // The device sends the breath lamp inverted: 0 means on.
             s.m_isBreathLamp = byteAt(r, 39) == 0;
             if (isAtMost(byteAt(r, 39), 1))
                 s.m_functionSet |= QXDeviceFunction::breathLamp;
         }},
        {41, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_isBlueTooth = byteAt(r, 40);
             if (isAtMost(byteAt(r, 40), 1))
                 s.m_functionSet |= QXDeviceFunction::blueTooth;
         }},
        {42, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_isAutoStart = byteAt(r, 41);
             if (isAtMost(byteAt(r, 41), 1))
                 s.m_functionSet |= QXDeviceFunction::autoStart;
         }},
        {46, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_version.setBaseVersion0(byteAt(r, 42));
             s.m_version.setBaseVersion1(byteAt(r, 43));
             s.m_version.setCoreVersion0(byteAt(r, 44));
             s.m_version.setCoreVersion1(byteAt(r, 45));
             s.m_version.setIsExist(true);
             s.m_functionSet |= QXDeviceFunction::version;
         }},
        {48, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_version.setFpgaVersion0(byteAt(r, 46));
             s.m_version.setFpgaVersion1(byteAt(r, 47));
         }},
        {49, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_serverIndex = byteAt(r, 48);
             if (isAtMost(byteAt(r, 48), 2))
                 s.m_functionSet |= QXDeviceFunction::serverIndex;
         }},
        {50, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_cutTime = byteAt(r, 49);
             if (isAtMost(byteAt(r, 49), 6))
                 s.m_functionSet |= QXDeviceFunction::cutTime;
         }},
        {51, [](QXDeviceStatus &s, QByteArrayView r) {
             // 255 is the device's "no play list"; it is kept but does not offer the function.
             s.m_listIndex = byteAt(r, 50);
             if (byteAt(r, 50) != 255)
                 s.m_functionSet |= QXDeviceFunction::listIndex;
         }},
        {52, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_rotationRate = byteAt(r, 51);
             if (isAtMost(byteAt(r, 51), 2))
                 s.m_functionSet |= QXDeviceFunction::rotationRate;
         }},
        {53, [](QXDeviceStatus &s, QByteArrayView r) {
             // Sent inverted, like the breath lamp.
             s.m_isRemoteControl = byteAt(r, 52) == 0;
             if (isAtMost(byteAt(r, 52), 1))
                 s.m_functionSet |= QXDeviceFunction::remoteControl;
         }},
        {54, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_isEmergencyStop = byteAt(r, 53);
             if (isAtMost(byteAt(r, 53), 1))
                 s.m_functionSet |= QXDeviceFunction::emergencyStop;
         }},
        {55, [](QXDeviceStatus &s, QByteArrayView r) {
             if (isAtMost(byteAt(r, 54), 4))
                 s.m_functionSet |= 0x1000;
         }},
        {57, [](QXDeviceStatus &s, QByteArrayView) { s.m_functionSet |= 0x2000; }},
        {58, [](QXDeviceStatus &s, QByteArrayView r) {
             s.m_isMaster = byteAt(r, 57);
             if (isAtMost(byteAt(r, 57), 1))
                 s.m_functionSet |= QXDeviceFunction::master;
         }},
        {59, [](QXDeviceStatus &s, QByteArrayView) { s.m_functionSet |= 0x8000; }},
        {60, [](QXDeviceStatus &s, QByteArrayView r) {
             if (isAtMost(byteAt(r, 59), 2))
                 s.m_hotspotStatus = byteAt(r, 59);
         }},
        {61, [](QXDeviceStatus &s, QByteArrayView r) { s.m_is4GOpen = byteAt(r, 60) == 1; }},
    };
    for (const Row &row : rows) {
        if (reply.size() < row.end)
            return;
        row.read(*this, reply);
    }
}

qint64 QXDeviceStatus::byteArrayToShort(quint8 high, quint8 low)
{
    return static_cast<qint16>(static_cast<quint16>(high << 8 | low));
}

qint64 QXDeviceStatus::byteArrayToLong(QByteArrayView bytes)
{
    if (bytes.size() < 8)
        return 0;
    quint64 value = 0;
    for (qsizetype i = 0; i < 8; ++i)
        value = value << 8 | byteAt(bytes, i);
    return static_cast<qint64>(value);
}

QStringList QXDeviceStatus::serverList()
{
    QMutexLocker lock(&serverHostsMutex());
    return serverHosts();
}

void QXDeviceStatus::setServerList(const QStringList &hosts)
{
    QMutexLocker lock(&serverHostsMutex());
    serverHosts() = hosts;
}

QString QXDeviceStatus::serverDomain() const
{
    const QStringList hosts = serverList();
    if (m_serverIndex >= 0 && m_serverIndex < hosts.size())
        return hosts.at(m_serverIndex);
    return hosts.value(0);
}

QString QXDeviceStatus::storage() const
{
    return m_storage.isEmpty() ? QStringLiteral("0M") : m_storage;
}

QString QXDeviceStatus::description() const
{
    return DescriptionText("QXDeviceStatus")
        .field("functionSet", QStringLiteral("0x%1").arg(m_functionSet, 0, 16))
        .field("isRunning", m_isRunning)
        .field("isNewConduct", m_isNewConduct)
        .field("isPlaying", m_isPlaying)
        .field("isAutoStart", m_isAutoStart)
        .field("isBlueTooth", m_isBlueTooth)
        .field("isBreathLamp", m_isBreathLamp)
        .field("isEmergencyStop", m_isEmergencyStop)
        .field("isRemoteControl", m_isRemoteControl)
        .field("isMaster", m_isMaster)
        .field("is4GOpen", m_is4GOpen)
        .field("playingIndex", m_playingIndex)
        .field("cutTime", m_cutTime)
        .field("listIndex", m_listIndex)
        .field("rotationRate", m_rotationRate)
        .field("light", m_light)
        .field("volume", m_volume)
        .field("angle", m_angle)
        .field("serverIndex", m_serverIndex)
        .field("serverDomain", serverDomain())
        .field("storage", storage())
        .field("hotspotStatus", m_hotspotStatus)
        .field("timer", m_timer.description())
        .field("version", m_version.description())
        .text();
}
