#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <memory>

class QProcess;
class QThread;

namespace orvane::test {

// A private D-Bus daemon with a scriptable NetworkManager on it: one Ethernet device and one
// Wi-Fi device whose cached access points and active access point the test chooses. The real
// system bus is never touched.
class FakeNetworkManager
{
public:
    FakeNetworkManager();
    ~FakeNetworkManager();
    FakeNetworkManager(const FakeNetworkManager &) = delete;
    FakeNetworkManager &operator=(const FakeNetworkManager &) = delete;

    // Starts the private bus; false (with the reason in error()) when dbus-daemon cannot run.
    bool startBus();
    // Puts NetworkManager on the bus; before this the bus has no such service.
    bool registerService();
    QString error() const { return m_error; }

    // A fresh client connection to the private bus, for the code under test.
    QDBusConnection clientConnection();

    // The access points in the order NetworkManager lists them; an empty SSID is a hidden network.
    void setAccessPoints(const QList<QByteArray> &ssids);
    // The index of the joined access point in that list; -1 for none.
    void setActiveAccessPoint(int index);
    void setInterfaceName(const QString &name);
    // When silent, NetworkManager takes every call and never answers.
    void setSilent(bool silent);

    // One request to join a network, as NetworkManager received it.
    struct Join
    {
        QString device;
        QString accessPoint;
        // The "802-11-wireless-security" settings; empty for an open network.
        QVariantMap security;
    };
    QList<Join> joins() const;
    // With an error text every join is refused with it.
    void setJoinError(const QString &error);
    static QString accessPointPath(int index);
    static QString wifiDevicePath();

    struct State;

private:
    QProcess *m_daemon = nullptr;
    QString m_address;
    QString m_error;
    QString m_serviceConnectionName;
    QStringList m_clientConnectionNames;
    std::shared_ptr<State> m_state;
    std::unique_ptr<QObject> m_object;
    // NetworkManager answers on a thread of its own, so a caller blocked on the GUI thread
    // still gets its reply.
    QThread *m_thread = nullptr;
};

} // namespace orvane::test
