#include "FakeFanSsdp.h"

#include "TestNetworks.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QThread>
#include <QUdpSocket>

namespace orvane::test {

FakeFanSsdp::FakeFanSsdp(const QHostAddress &address, const QString &group, quint16 groupPort)
    : m_address(address)
    , m_group(group)
    , m_groupPort(groupPort)
{
}

FakeFanSsdp::~FakeFanSsdp()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
}

QByteArray FakeFanSsdp::answer(const QString &location, const QString &server, const QString &targetLine)
{
    return QStringLiteral("HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=100\r\nLOCATION:%1\r\nSERVER:%2\r\n%3\r\n\r\n")
        .arg(location, server, targetLine)
        .toUtf8();
}

void FakeFanSsdp::setAnswers(const QList<QByteArray> &answers)
{
    m_answers = answers;
}

void FakeFanSsdp::placeOn(const NetworkNamespace &network, const QString &interfaceName)
{
    m_network = &network;
    m_interfaceName = interfaceName;
}

bool FakeFanSsdp::start()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("FakeFanSsdp"));
    m_context = new QObject;
    m_context->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread->start();
    bool ready = false;
    QMetaObject::invokeMethod(m_context, [this, &ready] { ready = openSockets(); }, Qt::BlockingQueuedConnection);
    return ready;
}

bool FakeFanSsdp::openSockets()
{
    // The fan's own thread moves into the fan's network, so the sockets it makes live there.
    if (m_network && !m_network->enter())
        return false;
    auto *listener = new QUdpSocket(m_context);
    auto *sender = new QUdpSocket(m_context);
    // Every fake fan of a test listens on the same group port, as real fans do.
    const bool ready = listener->bind(QHostAddress::AnyIPv4, m_groupPort,
                                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)
        && listener->joinMulticastGroup(m_group, QNetworkInterface::interfaceFromName(m_interfaceName))
        && sender->bind(m_address, 0);
    if (!ready) {
        delete listener;
        delete sender;
        return false;
    }
    m_listener = listener;
    m_sender = sender;
    QObject::connect(m_listener, &QUdpSocket::readyRead, m_listener, [this] { receive(); });
    return true;
}

QList<QByteArray> FakeFanSsdp::searches() const
{
    QMutexLocker lock(&m_mutex);
    return m_searches;
}

void FakeFanSsdp::receive()
{
    while (m_listener->hasPendingDatagrams()) {
        const QNetworkDatagram search = m_listener->receiveDatagram();
        if (!search.data().startsWith("M-SEARCH"))
            continue;
        {
            QMutexLocker lock(&m_mutex);
            m_searches.append(search.data());
        }
        for (const QByteArray &answer : std::as_const(m_answers))
            m_sender->writeDatagram(answer, search.senderAddress(), quint16(search.senderPort()));
    }
}

} // namespace orvane::test
