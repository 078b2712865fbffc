#include "QXDeviceSocketConfig.h"

#include "private/DescriptionText.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct TypeSettings
{
    std::initializer_list<qint64> types;
    const char *ip;
    const char *resolution;
    const char *rate;
};

// The address each type has on its own hotspot and the picture it plays. A device on a router
// network gets its discovered address from the caller instead.
const TypeSettings typeSettings[] = {
    {{302, 501, 502, 651}, "192.168.2.1", "512", "1M"},
    {{652, 653, 654}, "192.168.2.1", "720", "1M"},
    {{503, 603, 604}, "192.168.43.1", "720", "1M"},
    {{783}, "192.168.43.1", "960", "1M"},
    {{1001}, "192.168.0.1", "768", "1M"},
    {{1002}, "192.168.0.1", "1024", "1M"},
    {{1003}, "192.168.43.1", "1024", "1M"},
    {{360}, "192.168.43.1", "1300x512", "2M"},
    {{2049}, "192.168.43.1", "800", "2M"},
};

} // namespace

QXDeviceSocketConfig::QXDeviceSocketConfig(qint64 deviceType)
    : m_typeID(deviceType)
{
    defaultConfigs();
    if (deviceType != -1)
        configWithType(deviceType);
}

void QXDeviceSocketConfig::defaultConfigs()
{
    m_ip = QLatin1String("");
    m_noSafeInsPort = 8000;
    m_safeInsPort = 8001;
    m_noSafeFilePort = 8002;
    m_safeFilePort = 8003;
    m_connectTimeout = 2;
    m_writeTimeout = 10;
    m_readTimeout = 3;
}

void QXDeviceSocketConfig::configWithType(qint64 type)
{
    for (const TypeSettings &row : typeSettings) {
        if (std::find(row.types.begin(), row.types.end(), type) != row.types.end()) {
            m_ip = QString::fromLatin1(row.ip);
            m_resolution = QString::fromLatin1(row.resolution);
            m_rate = QString::fromLatin1(row.rate);
            return;
        }
    }
}

QString QXDeviceSocketConfig::description() const
{
    return DescriptionText("QXDeviceSocketConfig")
        .field("typeID", m_typeID)
        .field("IP", m_ip)
        .field("noSafeInsPort", m_noSafeInsPort)
        .field("safeInsPort", m_safeInsPort)
        .field("noSafeFilePort", m_noSafeFilePort)
        .field("safeFilePort", m_safeFilePort)
        .field("connectTimeout", m_connectTimeout)
        .field("writeTimeout", m_writeTimeout)
        .field("readTimeout", m_readTimeout)
        .field("resolution", m_resolution)
        .field("rate", m_rate)
        .text();
}
