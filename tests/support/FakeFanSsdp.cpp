#include "FakeFanSsdp.h"

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

bool FakeFanSsdp::start()
{
    auto *listener = new QUdpSocket;
    auto *sender = new QUdpSocket;
    // Every fake fan of a test listens on the same group port, as real fans do.
    const bool ready = listener->bind(QHostAddress::AnyIPv4, m_groupPort,
                                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)
        && listener->joinMulticastGroup(m_group, QNetworkInterface::interfaceFromName(QStringLiteral("lo")))
        && sender->bind(m_address, 0);
    if (!ready) {
        delete listener;
        delete sender;
        return false;
    }
    m_listener = listener;
    m_sender = sender;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("FakeFanSsdp"));
    QObject::connect(m_listener, &QUdpSocket::readyRead, m_listener, [this] { receive(); });
    QObject::connect(m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_sender, &QObject::deleteLater);
    m_listener->moveToThread(m_thread);
    m_sender->moveToThread(m_thread);
    m_thread->start();
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
