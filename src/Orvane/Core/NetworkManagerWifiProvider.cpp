#include "NetworkManagerWifiProvider.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <algorithm>

namespace {

const QString service = QStringLiteral("org.freedesktop.NetworkManager");
const QString managerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString managerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString deviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString wirelessInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString accessPointInterface = QStringLiteral("org.freedesktop.NetworkManager.AccessPoint");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr uint wifiDeviceType = 2;

// NetworkManager's connection settings: setting name to its properties (D-Bus a{sa{sv}}).
using ConnectionSettings = QMap<QString, QVariantMap>;

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
    QStringList names;
    for (const auto &[accessPoint, name] : cachedAccessPoints(wifiDevicePath()))
        names.append(name);
    return names;
}

WifiProvider::JoinOutcome NetworkManagerWifiProvider::joinNetwork(const QString &name, const QString &password,
                                                                  QString *error)
{
    const QString device = wifiDevicePath();
    const QList<std::pair<QString, QString>> accessPoints = cachedAccessPoints(device);
    const auto found = std::find_if(accessPoints.cbegin(), accessPoints.cend(),
                                    [&name](const std::pair<QString, QString> &point) { return point.second == name; });
    if (found == accessPoints.cend())
        return JoinOutcome::notFound;
    qDBusRegisterMetaType<ConnectionSettings>();
    ConnectionSettings settings;
    if (!password.isEmpty()) {
        settings.insert(QStringLiteral("802-11-wireless-security"),
                        QVariantMap{{QStringLiteral("key-mgmt"), QStringLiteral("wpa-psk")},
                                    {QStringLiteral("psk"), password}});
    }
    const QDBusMessage reply =
        callWithArguments(managerPath, managerInterface, QStringLiteral("AddAndActivateConnection"),
                          {QVariant::fromValue(settings), QVariant::fromValue(QDBusObjectPath(device)),
                           QVariant::fromValue(QDBusObjectPath(found->first))});
    if (reply.type() == QDBusMessage::ReplyMessage)
        return JoinOutcome::joined;
    if (error)
        *error = reply.errorMessage().isEmpty() ? QStringLiteral("NetworkManager did not answer") : reply.errorMessage();
    return JoinOutcome::failed;
}

QList<std::pair<QString, QString>> NetworkManagerWifiProvider::cachedAccessPoints(const QString &device)
{
    if (device.isEmpty())
        return {};
    const QList<QVariant> reply = call(device, wirelessInterface, QStringLiteral("GetAccessPoints"));
    if (reply.isEmpty())
        return {};
    QList<std::pair<QString, QString>> accessPoints;
    for (const QString &accessPoint : objectPaths(reply.first()))
        accessPoints.append({accessPoint, ssidOf(accessPoint).value_or(QString())});
    return accessPoints;
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
    const QDBusMessage reply = callWithArguments(path, interface, method, {});
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {};
    return reply.arguments();
}

QDBusMessage NetworkManagerWifiProvider::callWithArguments(const QString &path, const QString &interface,
                                                           const QString &method, const QList<QVariant> &arguments)
{
    if (!m_bus.isConnected())
        return QDBusMessage::createError(QDBusError::Disconnected, QStringLiteral("no system bus"));
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, m_timeoutMs);
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
