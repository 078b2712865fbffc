#include "UnionData.h"

#include "NetworkingDevice.h"

#include <QLoggingCategory>
#include <QMutexLocker>

#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcUnion, "orvane.union")

namespace {

// The mask length of a side that lies at the edge of the grid: the whole radius.
constexpr qint16 kEdgeMaskLength = 1023;

// Half the diagonal of the fan's square: how far a bottom fan masks towards a neighbour.
qint16 neighbourMaskLength(qint64 diameter)
{
    const double length = std::trunc(double(diameter) * 0.5 * 1.414) + 1;
    return qint16(std::clamp(length, double(std::numeric_limits<qint16>::min()),
                             double(std::numeric_limits<qint16>::max())));
}

} // namespace

UnionData::UnionData(const QString &name, qint64 row, qint64 colomn, bool isTop, const QString &url,
                     std::optional<UnionGrid> devices)
    : m_name(name)
    , m_row(row)
    , m_colomn(colomn)
    , m_isTop(isTop)
    , m_devices(devices ? std::move(*devices) : emptyGrid<std::shared_ptr<NetworkingDevice>>(row, colomn))
    , m_url(url)
{
}

std::shared_ptr<NetworkingDevice> UnionData::device(qint64 row, qint64 colomn) const
{
    QMutexLocker lock(&m_mutex);
    return slotLocked(row, colomn);
}

void UnionData::setDevice(qint64 row, qint64 colomn, const std::shared_ptr<NetworkingDevice> &device)
{
    QMutexLocker lock(&m_mutex);
    if (row < 0 || std::size_t(row) >= m_devices.size())
        return;
    auto &cells = m_devices[std::size_t(row)];
    if (colomn < 0 || std::size_t(colomn) >= cells.size())
        return;
    cells[std::size_t(colomn)] = device;
}

std::vector<std::shared_ptr<NetworkingDevice>> UnionData::allDevices() const
{
    QMutexLocker lock(&m_mutex);
    return allDevicesLocked();
}

std::vector<std::shared_ptr<NetworkingDevice>> UnionData::allDevicesLocked() const
{
    std::vector<std::shared_ptr<NetworkingDevice>> fans;
    for (const auto &cells : m_devices) {
        for (const auto &fan : cells) {
            if (fan)
                fans.push_back(fan);
        }
    }
    return fans;
}

TranscodeGrid UnionData::transcodeGrid() const
{
    QMutexLocker lock(&m_mutex);
    return TranscodeGrid(m_row, m_colomn, allDevicesLocked());
}

QString UnionData::fileText() const
{
    QMutexLocker lock(&m_mutex);
    QString text = m_name + QLatin1Char(',') + QString::number(m_row) + QLatin1Char(',') + QString::number(m_colomn)
        + QLatin1Char(',') + QLatin1Char(m_isTop ? '1' : '0');
    if (m_masterDevice)
        text += QLatin1Char(',') + m_masterDevice->name();
    text += QLatin1Char('\n');
    for (qint64 r = 0; r < m_row; ++r) {
        for (qint64 c = 0; c < m_colomn; ++c) {
            if (const auto fan = slotLocked(r, c))
                text += fan->name() + QLatin1Char(',') + fan->ip();
            else
                text += QLatin1Char(',');
            if (c + 1 < m_colomn)
                text += QLatin1Char('#');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

MemberPosition UnionData::position(const std::shared_ptr<NetworkingDevice> &device) const
{
    QMutexLocker lock(&m_mutex);
    return positionLocked(device);
}

bool UnionData::isTopDevice(const std::shared_ptr<NetworkingDevice> &device) const
{
    QMutexLocker lock(&m_mutex);
    return isTopLocked(positionLocked(device));
}

MaskPlan UnionData::maskInstructions(const std::shared_ptr<NetworkingDevice> &device) const
{
    QMutexLocker lock(&m_mutex);
    const MemberPosition at = positionLocked(device);
    const QString name = device ? device->name() : QString();
    MaskPlan plan{{QXInsCode::coverLength, 30}, {QXInsCode::innerRadius, 333}};
    if (isTopLocked(at)) {
        plan.insert(QXInsCode::maskMode, 1);
        qCDebug(lcUnion).noquote() << "Device is top:" << name;
        return plan;
    }
    const qint16 neighbour = neighbourMaskLength(device ? device->diameter() : 0);
    const auto side = [neighbour](bool hasNeighbour) { return hasNeighbour ? neighbour : kEdgeMaskLength; };
    plan.insert(QXInsCode::maskMode, 2);
    plan.insert(QXInsCode::rightMaskAngle, 0);
    plan.insert(QXInsCode::rightMaskLength, side(at.colomn < m_colomn));
    plan.insert(QXInsCode::topMaskAngle, 512);
    plan.insert(QXInsCode::topMaskLength, side(at.row > 1));
    plan.insert(QXInsCode::leftMaskAngle, 1024);
    plan.insert(QXInsCode::leftMaskLength, side(at.colomn > 1));
    plan.insert(QXInsCode::bottomMaskAngle, 1536);
    plan.insert(QXInsCode::bottomMaskLength, side(at.row < m_row));
    qCDebug(lcUnion).noquote() << "Device is bottom:" << name;
    return plan;
}

MemberPosition UnionData::positionLocked(const std::shared_ptr<NetworkingDevice> &device) const
{
    if (!device)
        return {};
    // Only slots inside both the counts and the stored grid can hold the device.
    const qint64 rows = std::min<qint64>(m_row, qint64(m_devices.size()));
    for (qint64 r = 0; r < rows; ++r) {
        const qint64 colomns = std::min<qint64>(m_colomn, qint64(m_devices[std::size_t(r)].size()));
        for (qint64 c = 0; c < colomns; ++c) {
            if (m_devices[std::size_t(r)][std::size_t(c)] == device)
                return {r + 1, c + 1};
        }
    }
    return {};
}

bool UnionData::isTopLocked(MemberPosition position) const
{
    if (position.row < 1 || position.colomn < 1)
        return false;
    return ((position.row + position.colomn + (m_isTop ? 1 : 0)) & 1) != 0;
}

std::shared_ptr<NetworkingDevice> UnionData::slotLocked(qint64 row, qint64 colomn) const
{
    if (row < 0 || std::size_t(row) >= m_devices.size())
        return nullptr;
    const auto &cells = m_devices[std::size_t(row)];
    if (colomn < 0 || std::size_t(colomn) >= cells.size())
        return nullptr;
    return cells[std::size_t(colomn)];
}
