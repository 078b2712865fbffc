#include "QXDeviceMask.h"

#include "QXLog.h"
#include "private/DescriptionText.h"

namespace {

constexpr char maskHead[] = {'\x35', '\xA4', '\x2E'};
constexpr qsizetype maskReplyLength = 27;
constexpr quint8 shortestPayload = 23;

const QString angleKey = QStringLiteral("angle");
const QString distanceKey = QStringLiteral("distance");

quint8 byteAt(QByteArrayView bytes, qsizetype index)
{
    return static_cast<quint8>(bytes.at(index));
}

qint64 unsignedShortAt(QByteArrayView bytes, qsizetype index)
{
    return byteAt(bytes, index) << 8 | byteAt(bytes, index + 1);
}

qint64 validDistance(qint64 distance)
{
    return distance >= 360 && distance <= 800 ? distance : 360;
}

QVariantMap district(qint64 angle, qint64 distance)
{
    return {{angleKey, angle}, {distanceKey, distance}};
}

// Each district's raw angle is an absolute position on the circle of 2048 units; the mask
// keeps its offset from the district's centre. Values outside the district fall back to a
// fixed offset (0, 512 or 1024) as the device's own editor does.
qint64 rightAngle(qint64 raw)
{
    if (raw <= 512)
        return raw;
    if (raw >= 1536 && raw <= 2047)
        return raw - 2048;
    return 0;
}

qint64 topAngle(qint64 raw)
{
    return raw <= 1024 ? raw - 512 : 0;
}

qint64 leftAngle(qint64 raw)
{
    return raw >= 512 && raw <= 1536 ? raw - 1024 : 512;
}

qint64 bottomAngle(qint64 raw)
{
    return raw >= 1024 && raw <= 2048 ? raw - 1536 : 1024;
}

} // namespace

QXDeviceMask::QXDeviceMask()
{
    for (qint64 number = 1; number <= 4; ++number)
        m_settings.insert(number, district(0, 360));
}

QXDeviceMask QXDeviceMask::maskWithData(QByteArrayView reply)
{
    QXDeviceMask mask;
    mask.configWithData(reply);
    return mask;
}

void QXDeviceMask::configWithData(QByteArrayView reply)
{
    if (reply.size() < maskReplyLength || byteAt(reply, 3) < shortestPayload) {
        QXLOG(QStringLiteral("遮罩信息解析错误"));
        return;
    }
    if (!reply.startsWith(QByteArrayView(maskHead, sizeof maskHead))) {
        QXLOG(QStringLiteral("前缀码错误"));
        return;
    }
    m_horizontalDistance = qint64(byteAt(reply, 4)) - 128;
    m_verticalDistance = qint64(byteAt(reply, 5)) - 128;
    m_mode = byteAt(reply, 6) <= 3 ? byteAt(reply, 6) : 0;
    m_isWhiteBlank = byteAt(reply, 7) != 0;
    const qint64 inner = unsignedShortAt(reply, 8);
    m_innerDistance = inner <= 360 ? inner : 0;
    m_outerDistance = byteAt(reply, 10);
    const qint64 rawRightAngle = unsignedShortAt(reply, 11);
    QXLOG(QStringLiteral("right angle:%1").arg(rawRightAngle));
    setDistrict(4, district(rightAngle(rawRightAngle), validDistance(unsignedShortAt(reply, 13))));
    setDistrict(1, district(topAngle(unsignedShortAt(reply, 15)), validDistance(unsignedShortAt(reply, 17))));
    setDistrict(3, district(leftAngle(unsignedShortAt(reply, 19)), validDistance(unsignedShortAt(reply, 21))));
    setDistrict(2, district(bottomAngle(unsignedShortAt(reply, 23)), validDistance(unsignedShortAt(reply, 25))));
}

void QXDeviceMask::setDistrict(qint64 number, const QVariantMap &settings)
{
    QVariantMap values = m_settings.value(number);
    for (const QString &key : {angleKey, distanceKey}) {
        if (settings.contains(key))
            values.insert(key, settings.value(key));
    }
    m_settings.insert(number, values);
}

std::optional<QVariantMap> QXDeviceMask::settingsAtDistrict(qint64 number) const
{
    const auto found = m_settings.constFind(number);
    if (found == m_settings.cend())
        return std::nullopt;
    return *found;
}

QString QXDeviceMask::description() const
{
    DescriptionText text("QXDeviceMask");
    text.field("mode", m_mode)
        .field("isWhiteBlank", m_isWhiteBlank)
        .field("innerDistance", m_innerDistance)
        .field("outerDistance", m_outerDistance)
        .field("horizontalDistance", m_horizontalDistance)
        .field("verticalDistance", m_verticalDistance);
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it) {
        text.field(QStringLiteral("district %1").arg(it.key()),
                   QStringLiteral("angle %1, distance %2")
                       .arg(it->value(angleKey).toLongLong())
                       .arg(it->value(distanceKey).toLongLong()));
    }
    return text.text();
}
