#pragma once

#include "WifiProvider.h"

#include <QDBusConnection>
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

private:
    // The object path of the first Wi-Fi device; empty when there is none.
    QString wifiDevicePath();
    QVariant property(const QString &path, const QString &interface, const QString &name);
    QList<QVariant> call(const QString &path, const QString &interface, const QString &method);
    std::optional<QString> ssidOf(const QString &accessPointPath);

    QDBusConnection m_bus;
    int m_timeoutMs;
};
