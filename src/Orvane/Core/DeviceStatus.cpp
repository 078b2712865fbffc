#include "DeviceStatus.h"

#include "QXDeviceStatus.h"
#include "QXLog.h"
#include "QXUtf8.h"

namespace orvane {

namespace {

constexpr qint64 bytesPerMegabyte = 1048576;
// Shorter time texts are not a time the device wrote.
constexpr qsizetype shortestTimeText = 5;

quint8 byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

// A time text the device sent; bytes that are not UTF-8 read as midnight.
Time timeFrom(QByteArrayView bytes)
{
    const std::optional<QString> text = qxStrictUtf8(bytes);
    return text ? Time::fromString(*text) : Time();
}

} // namespace

DeviceStatus::DeviceStatus()
    : m_playingIndex(-1)
    , m_resolution(512)
    , m_SDCapacity(QStringLiteral("4096M"))
    , m_openTime(Time())
    , m_closeTime(Time())
{
}

DeviceStatus::DeviceStatus(QByteArrayView reply)
{
    QXLOG(QStringLiteral("<%1>").arg(QString::fromLatin1(reply.toByteArray().toHex())));
    const qsizetype length = reply.size();
    const auto reaches = [length](qsizetype index) { return index < length; };
    if (reaches(3))
        m_isRunning = byteAt(reply, 3) == 1;
    if (reaches(4)) {
        m_extraFuncLength = byteAt(reply, 4);
        m_isNewDevice = m_extraFuncLength == 10 || m_extraFuncLength == 6;
    }
    if (reaches(5))
        m_lightNum = byteAt(reply, 5);
    if (reaches(7))
        m_playingIndex = ByteArrayToShort(byteAt(reply, 6), byteAt(reply, 7));
    if (reaches(8))
        m_resolution = byteAt(reply, 8) == 1 ? 512 : 256;
    if (reaches(9))
        m_isTimerOpen = byteAt(reply, 9) == 1;
    m_SDCapacity = getStorageInfo(reply);
    if (reaches(19)) {
        const qsizetype openLength = byteAt(reply, 18);
        const qsizetype closeLength = byteAt(reply, 19);
        if (openLength >= shortestTimeText && closeLength >= shortestTimeText
            && length >= 20 + openLength + closeLength) {
            m_openTime = timeFrom(reply.sliced(20, openLength));
            m_closeTime = timeFrom(reply.sliced(20 + openLength, closeLength));
        }
    }
    if (reaches(37))
        m_angleNum = ByteArrayToShort(byteAt(reply, 36), byteAt(reply, 37));
    if (reaches(38))
        m_volumeNum = byteAt(reply, 38);
    if (reaches(39))
        m_isBreathLight = m_isNewDevice && byteAt(reply, 39) != 1;
    if (reaches(40))
        m_isBlueTooth = m_isNewDevice && byteAt(reply, 40) == 1;
    if (reaches(41))
        m_isAutoStart = m_isNewDevice && byteAt(reply, 41) == 1;
}

QString DeviceStatus::getStorageInfo(QByteArrayView reply)
{
    if (reply.size() < 18)
        return QString();
    return QStringLiteral("%1M").arg(byteArrayToLong(reply.sliced(10, 8)) / bytesPerMegabyte);
}

qint64 DeviceStatus::byteArrayToLong(QByteArrayView bytes)
{
    return QXDeviceStatus::byteArrayToLong(bytes);
}

qint64 DeviceStatus::ByteArrayToShort(quint8 high, quint8 low)
{
    return QXDeviceStatus::byteArrayToShort(high, low);
}

} // namespace orvane
