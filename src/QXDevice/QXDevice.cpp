#include "QXDevice.h"

#include "QXLog.h"
#include "private/DescriptionText.h"

#include <QMutexLocker>

namespace {

constexpr qint64 fourGType = 604;

} // namespace

QXDevice::QXDevice(const QString &wifiName, QObject *parent)
    : QObject(parent)
    , m_deviceInfo(wifiName)
    , m_deviceSocketConfig(m_deviceInfo.Id())
    , m_file(std::make_shared<QXDeviceFile>())
    , m_wifiName(wifiName)
{
}

QXDevice::QXDevice(qint64 deviceType, QObject *parent)
    : QObject(parent)
    , m_deviceInfo(deviceType)
    , m_deviceSocketConfig(m_deviceInfo.Id())
    , m_file(std::make_shared<QXDeviceFile>())
{
}

QXDevice::~QXDevice() = default;

QXDeviceInfo QXDevice::deviceInfo() const
{
    QMutexLocker lock(&m_mutex);
    return m_deviceInfo;
}

QXDeviceSocketConfig QXDevice::deviceSocketConfig() const
{
    QMutexLocker lock(&m_mutex);
    return m_deviceSocketConfig;
}

QXDeviceStatus QXDevice::status() const
{
    QMutexLocker lock(&m_mutex);
    return m_status.value_or(QXDeviceStatus());
}

bool QXDevice::hasStatus() const
{
    QMutexLocker lock(&m_mutex);
    return m_status.has_value();
}

bool QXDevice::editStatus(const std::function<void(QXDeviceStatus &)> &edit)
{
    QMutexLocker lock(&m_mutex);
    if (!m_status)
        return false;
    edit(*m_status);
    return true;
}

void QXDevice::configStatusWithData(QByteArrayView reply)
{
    QXDeviceStatus status = QXDeviceStatus::statusWithData(reply);
    QMutexLocker lock(&m_mutex);
    m_status = std::move(status);
}

void QXDevice::clearStatus()
{
    QMutexLocker lock(&m_mutex);
    m_status.reset();
}

QXDeviceMask QXDevice::mask() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_mask)
        m_mask.emplace();
    return *m_mask;
}

void QXDevice::editMask(const std::function<void(QXDeviceMask &)> &edit)
{
    QMutexLocker lock(&m_mutex);
    if (!m_mask)
        m_mask.emplace();
    edit(*m_mask);
}

void QXDevice::configMaskWithData(QByteArrayView reply)
{
    QXDeviceMask mask = QXDeviceMask::maskWithData(reply);
    QMutexLocker lock(&m_mutex);
    m_mask = std::move(mask);
}

void QXDevice::clearMask()
{
    QMutexLocker lock(&m_mutex);
    m_mask.reset();
}

std::shared_ptr<QXDeviceFile> QXDevice::file() const
{
    return m_file;
}

void QXDevice::configFileWithString(const QString &text)
{
    m_file->updateContent(text);
}

QString QXDevice::wifiName() const
{
    QMutexLocker lock(&m_mutex);
    return m_wifiName;
}

void QXDevice::setWifiName(const QString &wifiName)
{
    {
        QMutexLocker lock(&m_mutex);
        m_wifiName = wifiName;
    }
    emit wifiNameChanged(wifiName);
}

QString QXDevice::wifiPwd() const
{
    QMutexLocker lock(&m_mutex);
    return m_wifiPwd;
}

void QXDevice::setWifiPwd(const QString &password)
{
    QMutexLocker lock(&m_mutex);
    m_wifiPwd = password;
}

qint64 QXDevice::mode() const
{
    QMutexLocker lock(&m_mutex);
    return m_mode;
}

void QXDevice::setMode(qint64 mode)
{
    {
        QMutexLocker lock(&m_mutex);
        m_mode = mode;
    }
    emit modeChanged(mode);
}

qint64 QXDevice::targetMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_targetMode;
}

void QXDevice::setTargetMode(qint64 mode)
{
    QMutexLocker lock(&m_mutex);
    m_targetMode = mode;
}

QString QXDevice::IP() const
{
    return deviceSocketConfig().IP();
}

qint64 QXDevice::noSafeInsPort() const
{
    return deviceSocketConfig().noSafeInsPort();
}

qint64 QXDevice::safeInsPort() const
{
    return deviceSocketConfig().safeInsPort();
}

qint64 QXDevice::noSafeFilePort() const
{
    return deviceSocketConfig().noSafeFilePort();
}

qint64 QXDevice::safeFilePort() const
{
    return deviceSocketConfig().safeFilePort();
}

qint64 QXDevice::connectTimeout() const
{
    return deviceSocketConfig().connectTimeout();
}

qint64 QXDevice::writeTimeout() const
{
    return deviceSocketConfig().writeTimeout();
}

qint64 QXDevice::readTimeout() const
{
    return deviceSocketConfig().readTimeout();
}

QString QXDevice::resolution() const
{
    const QString resolution = deviceSocketConfig().resolution();
    return resolution.isNull() ? QStringLiteral("512") : resolution;
}

QString QXDevice::rate() const
{
    const QString rate = deviceSocketConfig().rate();
    return rate.isNull() ? QStringLiteral("1M") : rate;
}

qint64 QXDevice::typeID() const
{
    return deviceInfo().Id();
}

QList<qint64> QXDevice::typeIDs()
{
    return QXDeviceInfo::deviceTypeIDs();
}

bool QXDevice::is4G() const
{
    return typeID() == fourGType;
}

quint64 QXDevice::os() const
{
    switch (typeID()) {
    case 302:
    case 501:
    case 502:
    case 651:
    case 652:
    case 653:
    case 654:
    case 1001:
    case 1002:
        return 2;
    case 360:
    case 503:
    case 603:
    case 604:
    case 783:
    case 1003:
    case 2049:
        return 1;
    default:
        return 0;
    }
}

QVariantMap QXDevice::typeInformation() const
{
    const QXDeviceInfo info = deviceInfo();
    return {
        {QStringLiteral("name"), info.name()},
        {QStringLiteral("corp"), info.corp()},
        {QStringLiteral("sn"), info.sn()},
        {QStringLiteral("Id"), info.Id()},
    };
}

void QXDevice::configWithWifiName(const QString &wifiName)
{
    const QXDeviceInfo info(wifiName);
    {
        QMutexLocker lock(&m_mutex);
        m_wifiName = wifiName;
        m_deviceInfo = info;
        m_deviceSocketConfig = QXDeviceSocketConfig(info.Id());
    }
    emit wifiNameChanged(wifiName);
}

void QXDevice::configWithDeviceType(qint64 type)
{
    QMutexLocker lock(&m_mutex);
    m_deviceInfo.updateType(type);
    m_deviceSocketConfig = QXDeviceSocketConfig(m_deviceInfo.Id());
}

void QXDevice::updateTypeID(qint64 type)
{
    QXLOG(QStringLiteral("设备ID已更新：%1").arg(type));
    QMutexLocker lock(&m_mutex);
    m_deviceInfo.updateType(type);
}

void QXDevice::updateSocketConfigs(const QVariantMap &configs)
{
    using Setter = void (QXDeviceSocketConfig::*)(qint64);
    static const std::pair<const char *, Setter> numberKeys[] = {
        {"noSafeInsPort", &QXDeviceSocketConfig::setNoSafeInsPort},
        {"safeInsPort", &QXDeviceSocketConfig::setSafeInsPort},
        {"noSafeFilePort", &QXDeviceSocketConfig::setNoSafeFilePort},
        {"safeFilePort", &QXDeviceSocketConfig::setSafeFilePort},
        {"connectTimeout", &QXDeviceSocketConfig::setConnectTimeout},
        {"writeTimeout", &QXDeviceSocketConfig::setWriteTimeout},
        {"readTimeout", &QXDeviceSocketConfig::setReadTimeout},
    };
    QMutexLocker lock(&m_mutex);
    const auto ip = configs.constFind(QStringLiteral("IP"));
    if (ip != configs.cend())
        m_deviceSocketConfig.setIP(ip->toString());
    for (const auto &[key, setter] : numberKeys) {
        const auto value = configs.constFind(QLatin1String(key));
        if (value != configs.cend())
            (m_deviceSocketConfig.*setter)(value->toLongLong());
    }
}

void QXDevice::updateTranslateConfig(const QVariantMap &configs)
{
    QMutexLocker lock(&m_mutex);
    const auto resolution = configs.constFind(QStringLiteral("resolution"));
    if (resolution != configs.cend())
        m_deviceSocketConfig.setResolution(resolution->toString());
    const auto rate = configs.constFind(QStringLiteral("rate"));
    if (rate != configs.cend())
        m_deviceSocketConfig.setRate(rate->toString());
}

QString QXDevice::description() const
{
    QMutexLocker lock(&m_mutex);
    return DescriptionText("QXDevice")
        .field("wifiName", m_wifiName)
        .field("mode", m_mode)
        .field("targetMode", m_targetMode)
        .field("deviceInfo", m_deviceInfo.description())
        .field("deviceSocketConfig", m_deviceSocketConfig.description())
        .field("status", m_status ? m_status->description() : QStringLiteral("(none)"))
        .field("mask", m_mask ? m_mask->description() : QStringLiteral("(none)"))
        .text();
}
