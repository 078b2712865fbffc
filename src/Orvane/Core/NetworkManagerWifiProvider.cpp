#include "NetworkManagerWifiProvider.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.freedesktop.NetworkManager");
const QString managerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString managerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString deviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString wirelessInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString accessPointInterface = QStringLiteral("org.freedesktop.NetworkManager.AccessPoint");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr uint wifiDeviceType = 2;

// Object paths arrive either demarshalled or still wrapped in a D-Bus argument.
QList<QString> objectPaths(const QVariant &value)
{
    QList<QDBusObjectPath> list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    else
        list = value.value<QList<QDBusObjectPath>>();
    QList<QString> paths;
    for (const QDBusObjectPath &path : std::as_const(list))
        paths.append(path.path());
    return paths;
}

} // namespace

NetworkManagerWifiProvider::NetworkManagerWifiProvider(const QDBusConnection &bus, int timeoutMs)
    : m_bus(bus)
    , m_timeoutMs(timeoutMs)
{
}

NetworkManagerWifiProvider NetworkManagerWifiProvider::systemProvider()
{
    return NetworkManagerWifiProvider(QDBusConnection::systemBus());
}

QString NetworkManagerWifiProvider::interfaceName()
{
    const QString device = wifiDevicePath();
    return device.isEmpty() ? QString() : property(device, deviceInterface, QStringLiteral("Interface")).toString();
}

std::optional<QString> NetworkManagerWifiProvider::currentNetworkName()
{
    const QString device = wifiDevicePath();
    if (device.isEmpty())
        return std::nullopt;
    const QString accessPoint =
        property(device, wirelessInterface, QStringLiteral("ActiveAccessPoint")).value<QDBusObjectPath>().path();
    // NetworkManager names "no access point" with the root path.
    if (accessPoint.isEmpty() || accessPoint == QLatin1String("/"))
        return std::nullopt;
    return ssidOf(accessPoint);
}

QStringList NetworkManagerWifiProvider::cachedNetworkNames()
{
    const QString device = wifiDevicePath();
    if (device.isEmpty())
        return {};
    const QList<QVariant> reply = call(device, wirelessInterface, QStringLiteral("GetAccessPoints"));
    if (reply.isEmpty())
        return {};
    QStringList names;
    for (const QString &accessPoint : objectPaths(reply.first()))
        names.append(ssidOf(accessPoint).value_or(QString()));
    return names;
}

QString NetworkManagerWifiProvider::wifiDevicePath()
{
    const QList<QVariant> reply = call(managerPath, managerInterface, QStringLiteral("GetDevices"));
    if (reply.isEmpty())
        return {};
    for (const QString &device : objectPaths(reply.first())) {
        if (property(device, deviceInterface, QStringLiteral("DeviceType")).toUInt() == wifiDeviceType)
            return device;
    }
    return {};
}

QVariant NetworkManagerWifiProvider::property(const QString &path, const QString &interface, const QString &name)
{
    if (!m_bus.isConnected())
        return {};
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, propertiesInterface, QStringLiteral("Get"));
    message << interface << name;
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QList<QVariant> NetworkManagerWifiProvider::call(const QString &path, const QString &interface, const QString &method)
{
    if (!m_bus.isConnected())
        return {};
    const QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {};
    return reply.arguments();
}

std::optional<QString> NetworkManagerWifiProvider::ssidOf(const QString &accessPointPath)
{
    const QVariant ssid = property(accessPointPath, accessPointInterface, QStringLiteral("Ssid"));
    if (!ssid.isValid())
        return std::nullopt;
    QByteArray bytes;
    if (ssid.canConvert<QDBusArgument>())
        ssid.value<QDBusArgument>() >> bytes;
    else
        bytes = ssid.toByteArray();
    return QString::fromUtf8(bytes);
}
