#include "FakeFanFileServer.h"

#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>

#include <functional>

namespace orvane::test {

namespace {

constexpr int kHeadSize = 17;
// Bounded so that a fan told to stop reading lets the sender's buffers fill up.
constexpr qint64 kReadBufferSize = 64 * 1024;

// Runs the function on the object's thread and waits for it.
void runOn(QObject *object, const std::function<void()> &function)
{
    QSemaphore done;
    QMetaObject::invokeMethod(object, [&] {
        function();
        done.release();
    });
    done.acquire();
}

} // namespace

FakeFanFileServer::FakeFanFileServer() = default;

FakeFanFileServer::~FakeFanFileServer()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
}

bool FakeFanFileServer::start(quint16 plainPort, quint16 passwordPort, const QHostAddress &address)
{
    auto *plain = new QTcpServer;
    auto *password = new QTcpServer;
    if (!plain->listen(address, plainPort) || !password->listen(address, passwordPort)) {
        delete plain;
        delete password;
        return false;
    }
    m_plainServer = plain;
    m_passwordServer = password;
    m_plainPort = plain->serverPort();
    m_passwordPort = password->serverPort();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("FakeFanFileServer"));
    for (QTcpServer *server : {plain, password}) {
        QObject::connect(server, &QTcpServer::newConnection, server, [this, server] { accept(server); });
        QObject::connect(m_thread, &QThread::finished, server, &QObject::deleteLater);
        server->moveToThread(m_thread);
    }
    m_thread->start();
    return true;
}

void FakeFanFileServer::closePlainPort()
{
    runOn(m_plainServer, [this] { m_plainServer->close(); });
}

void FakeFanFileServer::accept(QTcpServer *server)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        socket->setReadBufferSize(kReadBufferSize);
        Connection connection;
        connection.port = server->serverPort();
        connection.stage = server == m_passwordServer ? Stage::Password : Stage::Head;
        {
            QMutexLocker lock(&m_mutex);
            connection.stream = int(m_streams.size());
            m_streams.append(QByteArray());
            m_connectionPorts.append(connection.port);
            if (m_stopReadingAfter >= 0)
                socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        }
        m_connections.emplace(socket, std::move(connection));
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { receive(socket); });
        QObject::connect(
            socket, &QTcpSocket::disconnected, socket,
            [this, socket] {
                m_connections.erase(socket);
                socket->deleteLater();
            },
            Qt::QueuedConnection);
        receive(socket);
    }
}

void FakeFanFileServer::receive(QTcpSocket *socket)
{
    const auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    Connection &connection = found->second;
    qint64 allowed = socket->bytesAvailable();
    qint64 dropAfter = -1;
    {
        QMutexLocker lock(&m_mutex);
        if (m_stopReadingAfter >= 0)
            allowed = qMin(allowed, m_stopReadingAfter - connection.received);
        dropAfter = m_dropAfter;
        if (dropAfter >= 0)
            allowed = qMin(allowed, dropAfter - connection.received);
    }
    if (allowed <= 0)
        return;
    const QByteArray data = socket->read(allowed);
    connection.received += data.size();
    {
        QMutexLocker lock(&m_mutex);
        m_bytesReceived += data.size();
        if (m_keepData)
            m_streams[connection.stream].append(data);
    }
    connection.pending.append(data);
    while (advance(socket, connection)) {
    }
    if (dropAfter >= 0 && connection.received >= dropAfter)
        socket->abort();
}

bool FakeFanFileServer::advance(QTcpSocket *socket, Connection &connection)
{
    QByteArray &pending = connection.pending;
    switch (connection.stage) {
    case Stage::Password: {
        QMutexLocker lock(&m_mutex);
        if (pending.size() < m_password.size())
            return false;
        const QByteArray password = pending.left(m_password.size());
        pending.remove(0, password.size());
        m_passwords.append(password);
        // A refused password may be followed by another one on the same connection.
        const bool accepted = password == m_password && !m_refusePassword;
        socket->write(accepted ? "1" : "0");
        if (accepted)
            connection.stage = Stage::Head;
        return true;
    }
    case Stage::Head: {
        if (pending.size() < kHeadSize)
            return false;
        Transfer &transfer = connection.transfer;
        transfer = Transfer();
        transfer.port = connection.port;
        transfer.kind = quint8(pending.at(0));
        transfer.total = qFromBigEndian<quint64>(pending.constData() + 1);
        const quint64 nameLength = qFromBigEndian<quint64>(pending.constData() + 9);
        pending.remove(0, kHeadSize);
        if (transfer.total < 16 || nameLength > transfer.total - 16) {
            socket->abort();
            return false;
        }
        connection.needed = qint64(nameLength);
        connection.stage = Stage::Name;
        return true;
    }
    case Stage::Name: {
        if (pending.size() < connection.needed)
            return false;
        connection.transfer.name = pending.left(connection.needed);
        pending.remove(0, connection.needed);
        connection.needed = qint64(connection.transfer.total - 16) - connection.transfer.name.size();
        connection.stage = Stage::Body;
        if (connection.needed == 0)
            finishTransfer(socket, connection);
        return true;
    }
    case Stage::Body: {
        if (pending.isEmpty())
            return false;
        const qint64 taken = qMin(qint64(pending.size()), connection.needed);
        {
            QMutexLocker lock(&m_mutex);
            if (m_keepData)
                connection.transfer.body.append(pending.constData(), taken);
        }
        connection.transfer.bodySize += taken;
        connection.needed -= taken;
        pending.remove(0, taken);
        if (connection.needed == 0)
            finishTransfer(socket, connection);
        return true;
    }
    }
    return false;
}

void FakeFanFileServer::finishTransfer(QTcpSocket *socket, Connection &connection)
{
    QMutexLocker lock(&m_mutex);
    m_transfers.append(connection.transfer);
    if (!m_neverAnswer)
        socket->write(QByteArray(1, m_answer));
    connection.stage = Stage::Head;
}

} // namespace orvane::test
