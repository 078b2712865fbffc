#include "NetworkingDevice.h"

#include <QMutexLocker>
#include <QStringList>

#include <initializer_list>
#include <optional>

namespace {

struct ModelSettings
{
    const char *resolution;
    const char *rate;
    qint64 diameter;
};

// The model table of the listed device; it is not the type-id table of the device record,
// and where the two disagree each keeps its own values.
std::optional<ModelSettings> modelSettings(const QString &part)
{
    const QString model = part.toLower();
    const auto is = [&model](std::initializer_list<const char *> codes) {
        for (const char *code : codes) {
            if (model == QLatin1String(code))
                return true;
        }
        return false;
    };
    // "kvb" is compared before lower-casing: only the lower-case part matches.
    if (part == QLatin1String("kvb") || is({"kvg", "kva", "kvc"}))
        return ModelSettings{"512", "1M", 512};
    if (is({"kvd", "kvh", "kvi", "kvj"}))
        return ModelSettings{"720", "1M", 720};
    if (is({"kvl"}) || model.contains(QLatin1String("kvy")))
        return ModelSettings{"768", "1M", 768};
    if (is({"kvm", "kvn"}) || model.contains(QLatin1String("kvx")))
        return ModelSettings{"1024", "1M", 1024};
    if (is({"kvq", "kve"}))
        return ModelSettings{"720", "1M", 720};
    if (is({"kvk", "kvr"}))
        return ModelSettings{"960", "1M", 960};
    if (is({"kvo"}))
        return ModelSettings{"1300x512", "2M", 0};
    if (is({"kvp"}))
        return ModelSettings{"800", "2M", 800};
    return std::nullopt;
}

} // namespace

NetworkingDevice::NetworkingDevice(const QString &name, const QString &ip)
    : m_name(name)
    , m_ip(ip)
{
    calc();
}

void NetworkingDevice::calc()
{
    QMutexLocker lock(&m_mutex);
    const QStringList parts = m_name.split(QLatin1Char('_'));
    m_resolution = QStringLiteral("512");
    m_rate = QStringLiteral("1M");
    m_diameter = 720;
    if (parts.size() < 2)
        return;
    if (const std::optional<ModelSettings> settings = modelSettings(parts.at(1))) {
        m_resolution = QString::fromLatin1(settings->resolution);
        m_rate = QString::fromLatin1(settings->rate);
        m_diameter = settings->diameter;
    }
}

QString NetworkingDevice::name() const
{
    QMutexLocker lock(&m_mutex);
    return m_name;
}

void NetworkingDevice::setName(const QString &name)
{
    QMutexLocker lock(&m_mutex);
    m_name = name;
}

QString NetworkingDevice::ip() const
{
    QMutexLocker lock(&m_mutex);
    return m_ip;
}

void NetworkingDevice::setIp(const QString &ip)
{
    QMutexLocker lock(&m_mutex);
    m_ip = ip;
}

QString NetworkingDevice::resolution() const
{
    QMutexLocker lock(&m_mutex);
    return m_resolution;
}

void NetworkingDevice::setResolution(const QString &resolution)
{
    QMutexLocker lock(&m_mutex);
    m_resolution = resolution;
}

QString NetworkingDevice::rate() const
{
    QMutexLocker lock(&m_mutex);
    return m_rate;
}

void NetworkingDevice::setRate(const QString &rate)
{
    QMutexLocker lock(&m_mutex);
    m_rate = rate;
}

qint64 NetworkingDevice::diameter() const
{
    QMutexLocker lock(&m_mutex);
    return m_diameter;
}

void NetworkingDevice::setDiameter(qint64 diameter)
{
    QMutexLocker lock(&m_mutex);
    m_diameter = diameter;
}

bool NetworkingDevice::isMaster() const
{
    QMutexLocker lock(&m_mutex);
    return m_isMaster;
}

void NetworkingDevice::setIsMaster(bool isMaster)
{
    QMutexLocker lock(&m_mutex);
    m_isMaster = isMaster;
}
