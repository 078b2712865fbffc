#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QString>

class QThread;
class QUdpSocket;

namespace orvane::test {

class NetworkNamespace;

// The discovery side of a fake fan: listens for SSDP searches on the multicast group and
// answers each search with its scripted datagrams, sent from the fan's own address. It runs on
// a thread of its own and records every search it receives. Only for use inside
// scripts/in-test-lan (it joins the real discovery group). It listens on loopback of the test's
// network, or on a link inside a namespace of the test's own.
class FakeFanSsdp
{
public:
    // `address` is where the fan's answers come from; it must be local in the test network.
    explicit FakeFanSsdp(const QHostAddress &address, const QString &group = QStringLiteral("239.255.255.250"),
                         quint16 groupPort = 1900);
    ~FakeFanSsdp();
    FakeFanSsdp(const FakeFanSsdp &) = delete;
    FakeFanSsdp &operator=(const FakeFanSsdp &) = delete;

    // An answer as a fan gives it: status line, LOCATION, SERVER and the search-target line.
    static QByteArray answer(const QString &location, const QString &server,
                             const QString &targetLine = QStringLiteral("ST:ssdp:orvane_client"));

    // Datagrams sent, in order, in reply to every search. Set before start().
    void setAnswers(const QList<QByteArray> &answers);
    // Listens on the interface inside the namespace, where `address` must be local. Set before start().
    void placeOn(const NetworkNamespace &network, const QString &interfaceName);
    // Binds the group port, joins the group and starts answering; false when that fails.
    bool start();

    QList<QByteArray> searches() const;

private:
    // On the fan's thread: the sockets, in the fan's network.
    bool openSockets();
    void receive();

    const QHostAddress m_address;
    const QHostAddress m_group;
    const quint16 m_groupPort;
    QList<QByteArray> m_answers;
    const NetworkNamespace *m_network = nullptr;
    QString m_interfaceName = QStringLiteral("lo");
    QThread *m_thread = nullptr;
    QObject *m_context = nullptr;     // lives on m_thread; parent of the sockets
    QUdpSocket *m_listener = nullptr; // lives on m_thread
    QUdpSocket *m_sender = nullptr;   // lives on m_thread
    mutable QMutex m_mutex;
    QList<QByteArray> m_searches;
};

} // namespace orvane::test
