#pragma once

#include "WifiProvider.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariant>

// The Wi-Fi answers of NetworkManager, asked over D-Bus. Every call is bounded by the time-out;
// without a bus or without NetworkManager the answers are empty.
class NetworkManagerWifiProvider : public WifiProvider
{
public:
    explicit NetworkManagerWifiProvider(const QDBusConnection &bus, int timeoutMs = 1500);

    // The provider on the system bus, where NetworkManager lives.
    static NetworkManagerWifiProvider systemProvider();

    QString interfaceName() override;
    std::optional<QString> currentNetworkName() override;
    QStringList cachedNetworkNames() override;
    // Asks NetworkManager to add and activate a connection to that access point, secured with
    // the password (WPA personal) when one is given.
    JoinOutcome joinNetwork(const QString &name, const QString &password, QString *error) override;

private:
    // The object path of the first Wi-Fi device; empty when there is none.
    QString wifiDevicePath();
    QVariant property(const QString &path, const QString &interface, const QString &name);
    QList<QVariant> call(const QString &path, const QString &interface, const QString &method);
    QDBusMessage callWithArguments(const QString &path, const QString &interface, const QString &method,
                                   const QList<QVariant> &arguments);
    // The access points of the last scan, each with its network name.
    QList<std::pair<QString, QString>> cachedAccessPoints(const QString &device);
    std::optional<QString> ssidOf(const QString &accessPointPath);

    QDBusConnection m_bus;
    int m_timeoutMs;
};
