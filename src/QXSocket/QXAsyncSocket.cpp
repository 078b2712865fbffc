#include "QXAsyncSocket.h"

#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXSocketReadOperation.h"
#include "QXSocketWriteOperation.h"
#include "private/SocketWorker.h"

#include <QMetaObject>
#include <QThread>

#include <limits>

namespace {

const QString kNotConnected = QStringLiteral("未连接");

} // namespace

using qxsocket_detail::SocketWorker;

QXAsyncSocketDelegate::~QXAsyncSocketDelegate() = default;

void QXAsyncSocketDelegate::prepareForConnectBySocket(QXAsyncSocket *)
{
}

QString QXAsyncSocketDelegate::passwordForDeviceName(const QString &)
{
    return QString();
}

QXAsyncSocket::QXAsyncSocket()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("Orvane.socket.operation"));
    m_worker = new SocketWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

QXAsyncSocket::QXAsyncSocket(const QString &host, quint16 port) : QXAsyncSocket()
{
    if (!host.isEmpty() && port != 0) {
        m_ip = host;
        m_port = port;
    }
}

QXAsyncSocket::~QXAsyncSocket()
{
    shutdown();
}

void QXAsyncSocket::shutdown()
{
    if (!m_thread)
        return;
    Q_ASSERT_X(!onSocketThread(), "QXAsyncSocket", "a socket cannot be destroyed from one of its own blocks");
    SocketWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker] {
            worker->stop();
            delete worker;
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_worker = nullptr;
}

QXAsyncSocketDelegate *QXAsyncSocket::delegate() const
{
    return m_delegate.load();
}

void QXAsyncSocket::setDelegate(QXAsyncSocketDelegate *delegate)
{
    m_delegate.store(delegate);
}

qint64 QXAsyncSocket::status() const
{
    return m_status.load();
}

QString QXAsyncSocket::IP()
{
    std::lock_guard lock(m_settingsMutex);
    if (m_ip.isNull())
        m_ip = QStringLiteral("192.168.1.1");
    return m_ip;
}

void QXAsyncSocket::setIP(const QString &ip)
{
    std::lock_guard lock(m_settingsMutex);
    m_ip = ip;
}

qint64 QXAsyncSocket::port() const
{
    std::lock_guard lock(m_settingsMutex);
    return m_port;
}

void QXAsyncSocket::setPort(qint64 port)
{
    std::lock_guard lock(m_settingsMutex);
    m_port = port;
}

qint64 QXAsyncSocket::connectTimeout()
{
    std::lock_guard lock(m_settingsMutex);
    if (m_connectTimeout == 0)
        m_connectTimeout = 2;
    return m_connectTimeout;
}

void QXAsyncSocket::setConnectTimeout(qint64 seconds)
{
    std::lock_guard lock(m_settingsMutex);
    m_connectTimeout = seconds;
}

qint64 QXAsyncSocket::readTimeout()
{
    std::lock_guard lock(m_settingsMutex);
    if (m_readTimeout == 0) {
        m_readTimeout = 3;
        QXLOG(QStringLiteral("Read Timeout:%1").arg(m_readTimeout));
    }
    return m_readTimeout;
}

void QXAsyncSocket::setReadTimeout(qint64 seconds)
{
    std::lock_guard lock(m_settingsMutex);
    m_readTimeout = seconds;
}

qint64 QXAsyncSocket::writeTimeout()
{
    std::lock_guard lock(m_settingsMutex);
    if (m_writeTimeout == 0)
        m_writeTimeout = 3;
    return m_writeTimeout;
}

void QXAsyncSocket::setWriteTimeout(qint64 seconds)
{
    std::lock_guard lock(m_settingsMutex);
    m_writeTimeout = seconds;
}

QXSocketBlock QXAsyncSocket::commonFailBlock() const
{
    std::lock_guard lock(m_settingsMutex);
    return m_commonFailBlock;
}

void QXAsyncSocket::setCommonFailBlock(QXSocketBlock block)
{
    std::lock_guard lock(m_settingsMutex);
    m_commonFailBlock = std::move(block);
}

QXOperationRef QXAsyncSocket::currentOperation() const
{
    return m_worker ? m_worker->current() : nullptr;
}

QList<QXOperationRef> QXAsyncSocket::operations() const
{
    return m_worker ? m_worker->queued() : QList<QXOperationRef>();
}

qint64 QXAsyncSocket::currentTag() const
{
    return m_currentTag.load();
}

bool QXAsyncSocket::onSocketThread() const
{
    return QThread::currentThread() == m_thread;
}

void QXAsyncSocket::queueOperation(const QXOperationRef &operation, bool insert)
{
    const QXOperationRef root = operation->rootOperation();
    // A chain that has already ended stays ended: queueing it again must not run it a second time.
    if (!root->arrange())
        return;
    SocketWorker *worker = m_worker;
    const quint64 session = m_session.load();
    // From a block the chain joins the queue at once; it starts when the running chain is done.
    if (onSocketThread())
        return worker->enqueue(root, insert, session);
    QMetaObject::invokeMethod(
        worker, [worker, root, insert, session] { worker->enqueue(root, insert, session); }, Qt::QueuedConnection);
}

QXOperationRef QXAsyncSocket::connectThen(const QXOperationRef &operation)
{
    if (!operation)
        return nullptr;
    std::lock_guard lock(m_connectMutex);
    if (status() == Disconnecting) {
        const QXOperationRef root = operation->rootOperation();
        if (!root->arrange())
            return operation;
        SocketWorker *worker = m_worker;
        QMetaObject::invokeMethod(worker, [worker, root] { worker->keep(root); }, Qt::QueuedConnection);
        return operation;
    }
    return connectChain(operation);
}

QXOperationRef QXAsyncSocket::connectChain(const QXOperationRef &operation)
{
    if (status() != Disconnected) {
        queueOperation(operation, false);
        return operation;
    }
    if (QXAsyncSocketDelegate *d = delegate())
        d->prepareForConnectBySocket(this);
    const QString host = IP();
    const qint64 devicePort = port();
    if (!host.isEmpty() && devicePort >= 1) {
        queueOperation(operation, false);
        m_status.store(Connecting);
        SocketWorker *worker = m_worker;
        const qint64 timeout = connectTimeout();
        QMetaObject::invokeMethod(
            worker, [worker, host, devicePort, timeout] { worker->connectTo(host, quint16(devicePort), timeout); },
            Qt::QueuedConnection);
        return operation;
    }
    operation->fail(qxCode(QXSocketCode::notConnected), QVariant());
    dropOperation(operation);
    return nullptr;
}

void QXAsyncSocket::socketDidDisconnect()
{
}

void QXAsyncSocket::setSendBufferSize(int bytes)
{
    m_sendBufferSize.store(bytes);
}

QXOperationRef QXAsyncSocket::connectedWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return connectThen(QXChainedSocketOperation::operationWithTimeout(0, std::move(success), std::move(failure)));
}

QXOperationRef QXAsyncSocket::addOperation(const QXOperationRef &operation)
{
    if (operation)
        queueOperation(operation, false);
    return operation;
}

QXOperationRef QXAsyncSocket::insertOperation(const QXOperationRef &operation)
{
    if (operation)
        queueOperation(operation, true);
    return operation;
}

QXOperationRef QXAsyncSocket::writeData(const QByteArray &data, double timeout, QXOperationBlock success,
                                        QXOperationBlock failure)
{
    return addOperation(
        QXSocketWriteOperation::writeOperationWithTimeout(timeout, data, std::move(success), std::move(failure)));
}

QXOperationRef QXAsyncSocket::writeData(const QByteArray &data, QXOperationBlock success, QXOperationBlock failure)
{
    return writeData(data, double(writeTimeout()), std::move(success), std::move(failure));
}

QXOperationRef QXAsyncSocket::connectThenWriteData(const QByteArray &data, double timeout, QXOperationBlock success,
                                                   QXOperationBlock failure)
{
    return connectThen(
        QXSocketWriteOperation::writeOperationWithTimeout(timeout, data, std::move(success), std::move(failure)));
}

QXOperationRef QXAsyncSocket::refuseRead(const QXOperationBlock &failure)
{
    QXLOG(QStringLiteral("未连接，无法读取数据"));
    if (const QXSocketBlock common = commonFailBlock())
        common(qxCode(QXSocketCode::notConnected), kNotConnected);
    if (failure)
        failure(nullptr, qxCode(QXSocketCode::notConnected), kNotConnected);
    return nullptr;
}

QXOperationRef QXAsyncSocket::readDataToLength(quint64 length, double timeout, QXOperationBlock success,
                                               QXOperationBlock failure)
{
    if (status() != Connected)
        return refuseRead(failure);
    return addOperation(QXSocketReadOperation::readOperationWithTimeout(
        timeout, qint64(qMin<quint64>(length, quint64(std::numeric_limits<qint64>::max()))), std::move(success),
        std::move(failure)));
}

QXOperationRef QXAsyncSocket::readDataToLength(quint64 length, QXOperationBlock success, QXOperationBlock failure)
{
    return readDataToLength(length, double(readTimeout()), std::move(success), std::move(failure));
}

QXOperationRef QXAsyncSocket::readDataWithTimeout(double timeout, QXOperationBlock success, QXOperationBlock failure)
{
    return readDataToLength(0, timeout, std::move(success), std::move(failure));
}

QXOperationRef QXAsyncSocket::readDataWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return readDataToLength(0, double(readTimeout()), std::move(success), std::move(failure));
}

void QXAsyncSocket::dropOperation(const QXOperationRef &operation)
{
    if (!operation)
        return;
    // A step that has ended stays ended: its blocks are never called again.
    if (operation->status() < QXChainedSocketOperation::Succeeded)
        operation->setStatus(QXChainedSocketOperation::New);
    const QXOperationRef root = operation->rootOperation();
    SocketWorker *worker = m_worker;
    if (onSocketThread())
        worker->remove(operation, root);
    else
        QMetaObject::invokeMethod(worker, [worker, operation, root] { worker->remove(operation, root); },
                                  Qt::QueuedConnection);
}

void QXAsyncSocket::disconnectWtihBlock(QXSocketBlock block)
{
    {
        std::lock_guard lock(m_connectMutex);
        if (status() != Disconnected) {
            m_status.store(Disconnecting);
            SocketWorker *worker = m_worker;
            QMetaObject::invokeMethod(worker, [worker, block] { worker->disconnectRequested(block); },
                                      Qt::QueuedConnection);
            return;
        }
    }
    QXLOG(QStringLiteral("已经断开"));
    if (block)
        block(qxCode(QXSocketCode::success), QStringLiteral("socket断开"));
}

bool QXAsyncSocket::isConnected() const
{
    return m_worker && m_worker->linkState() == QAbstractSocket::ConnectedState;
}

bool QXAsyncSocket::isDisconnected() const
{
    return !m_worker || m_worker->linkState() == QAbstractSocket::UnconnectedState;
}
