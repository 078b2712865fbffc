#pragma once

#include "QXAsyncSocket.h"
#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXSocketReadOperation.h"
#include "QXSocketWriteOperation.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <deque>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

namespace qxsocket_detail {

inline bool logging()
{
    return lcOrvaneDevice().isDebugEnabled();
}

inline QString describe(const QXOperationRef &operation)
{
    return operation ? operation->description() : QStringLiteral("(null)");
}

inline int toMilliseconds(double seconds)
{
    return int(qBound(1.0, seconds * 1000.0, double(std::numeric_limits<int>::max())));
}

// Lives on the socket thread and owns everything that happens there: the connection, the
// time-outs, the received bytes and the queue of chains. Only the socket talks to it, by posting.
class SocketWorker : public QObject
{
public:
    explicit SocketWorker(QXAsyncSocket *owner) : m_owner(owner)
    {
        m_tcp = new QTcpSocket(this);
        m_stepTimer = new QTimer(this);
        m_connectTimer = new QTimer(this);
        m_stepTimer->setSingleShot(true);
        m_connectTimer->setSingleShot(true);
        // A coarse timer may fire 5 % late, stretching every time-out by as much.
        m_stepTimer->setTimerType(Qt::PreciseTimer);
        m_connectTimer->setTimerType(Qt::PreciseTimer);
        m_clock.start();
        connect(m_tcp, &QAbstractSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
            const QAbstractSocket::SocketState previous = m_linkState.exchange(state);
            if (state == QAbstractSocket::ConnectedState) {
                didConnect();
            } else if (state == QAbstractSocket::UnconnectedState) {
                // A failed attempt reports the state before the error, yet the error is already
                // set: the waiting requests must learn why nothing connected.
                if (previous != QAbstractSocket::ConnectedState && previous != QAbstractSocket::ClosingState
                    && m_tcp->error() != QAbstractSocket::UnknownSocketError)
                    noteError(m_tcp->errorString());
                didDisconnect();
            }
        });
        connect(m_tcp, &QAbstractSocket::errorOccurred, this, [this] { noteError(m_tcp->errorString()); });
        connect(m_tcp, &QIODevice::readyRead, this, [this] {
            m_received += m_tcp->readAll();
            drive();
        });
        connect(m_tcp, &QIODevice::bytesWritten, this, [this] { didWrite(); });
        connect(m_stepTimer, &QTimer::timeout, this, [this] {
            if (!m_stepArmed)
                return;
            // The deadline may have moved on since the timer was started (a later step, or a
            // coarse timer firing a little early): wait for the rest of it.
            if (const qint64 left = m_stepDeadline - m_clock.elapsed(); left > 0) {
                m_stepTimer->start(int(qMin<qint64>(left, std::numeric_limits<int>::max())));
                m_timerDue = m_stepDeadline;
                return;
            }
            m_stepArmed = false;
            const bool reading = m_current && m_current->kind() == QXChainedSocketOperation::Kind::Read;
            abortWith(reading ? QStringLiteral("Read operation timed out")
                              : QStringLiteral("Write operation timed out"));
        });
        connect(m_connectTimer, &QTimer::timeout, this, [this] {
            if (m_tcp->state() != QAbstractSocket::ConnectedState)
                abortWith(QStringLiteral("Attempt to connect to host timed out"));
        });
    }

    void connectTo(const QString &host, quint16 port, qint64 timeoutSeconds)
    {
        m_error.reset();
        m_received.clear();
        m_connectTimer->start(toMilliseconds(double(timeoutSeconds)));
        m_tcp->connectToHost(host, port);
    }

    // `session` is the connection the caller saw when it queued the chain. When that connection
    // ended before the chain got here, the chain was waiting on it and fails like the others did.
    void enqueue(QXOperationRef root, bool insert, quint64 session)
    {
        // Failed on its way here: a password step queued ahead of it was refused before the
        // chain was handed over.
        if (root->status() >= QXChainedSocketOperation::Succeeded)
            return;
        if (session != m_owner->m_session.load()) {
            if (logging())
                QXLOG(QStringLiteral("Other Operation Failing:%1").arg(describe(root)));
            root->fail(qxCode(QXSocketCode::disconnected), m_lastError);
            return;
        }
        {
            std::lock_guard lock(m_mutex);
            const bool known =
                root == m_current || std::find(m_queue.begin(), m_queue.end(), root) != m_queue.end();
            if (known) {
                root.reset();
            } else if (insert) {
                m_queue.push_front(root);
            } else {
                m_queue.push_back(root);
            }
        }
        if (root && logging())
            QXLOG(QStringLiteral("Socket:%1,Queue Operation:%2").arg(socketName(), describe(root)));
        drive();
    }

    // A chain handed over while the socket was disconnecting: it connects afresh once down.
    void keep(const QXOperationRef &root)
    {
        if (m_owner->status() == QXAsyncSocket::Disconnecting)
            m_kept.push_back(root);
        else
            m_owner->connectThen(root);
    }

    void remove(const QXOperationRef &operation, const QXOperationRef &root)
    {
        std::lock_guard lock(m_mutex);
        for (const QXOperationRef &step : {operation, root}) {
            m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), step), m_queue.end());
            m_kept.erase(std::remove(m_kept.begin(), m_kept.end(), step), m_kept.end());
        }
    }

    void disconnectRequested(const QXSocketBlock &block)
    {
        if (block)
            m_disconnectBlocks.push_back(block);
        switch (m_tcp->state()) {
        case QAbstractSocket::UnconnectedState:
            didDisconnect();
            break;
        case QAbstractSocket::ConnectedState:
            // Gracefully, so bytes already handed over still reach the device; a peer that stops
            // reading must not keep the socket closing for ever, though.
            m_tcp->disconnectFromHost();
            if (m_tcp->state() != QAbstractSocket::UnconnectedState)
                armStepTimer(0, m_owner->writeTimeout());
            break;
        default:
            m_tcp->abort();
            break;
        }
    }

    // Ends the thread's work without calling any block.
    void stop()
    {
        QObject::disconnect(m_tcp, nullptr, this, nullptr);
        m_stepArmed = false;
        m_stepTimer->stop();
        m_connectTimer->stop();
        m_tcp->abort();
    }

    QXOperationRef current() const
    {
        std::lock_guard lock(m_mutex);
        return m_current;
    }

    QList<QXOperationRef> queued() const
    {
        std::lock_guard lock(m_mutex);
        return QList<QXOperationRef>(m_queue.begin(), m_queue.end());
    }

    QAbstractSocket::SocketState linkState() const { return m_linkState.load(); }

private:
    QString socketName() const
    {
        return QStringLiteral("<QXAsyncSocket %1>").arg(quintptr(m_owner), 0, 16);
    }

    void noteError(const QString &error)
    {
        if (!m_error)
            m_error = error;
    }

    void abortWith(const QString &error)
    {
        noteError(error);
        m_tcp->abort();
    }

    void didConnect()
    {
        m_connectTimer->stop();
        m_tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (const int sendBuffer = m_owner->m_sendBufferSize.load(); sendBuffer > 0)
            m_tcp->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, sendBuffer);
        {
            std::lock_guard lock(m_owner->m_connectMutex);
            qint64 connecting = QXAsyncSocket::Connecting;
            m_owner->m_status.compare_exchange_strong(connecting, QXAsyncSocket::Connected);
        }
        if (logging())
            QXLOG(QStringLiteral("成功连接到“%1， %2")
                      .arg(m_tcp->peerName(), QString::number(m_tcp->peerPort())));
        drive();
    }

    void didDisconnect()
    {
        m_stepArmed = false;
        m_stepTimer->stop();
        m_connectTimer->stop();
        m_writing = false;
        const QVariant error = m_error ? QVariant(*m_error) : QVariant();
        m_lastError = error;
        m_error.reset();
        m_received.clear();
        {
            std::lock_guard lock(m_owner->m_connectMutex);
            m_owner->m_status.store(QXAsyncSocket::Disconnected);
            m_owner->m_session.fetch_add(1);
            m_owner->socketDidDisconnect();
        }
        if (logging())
            QXLOG(QStringLiteral("disconnect:%1").arg(error.toString()));

        QXOperationRef current;
        std::deque<QXOperationRef> waiting;
        {
            std::lock_guard lock(m_mutex);
            current.swap(m_current);
            waiting.swap(m_queue);
        }
        m_owner->m_currentTag.store(0);
        if (current && current->status() < QXChainedSocketOperation::Succeeded) {
            if (logging())
                QXLOG(QStringLiteral("Current Operation Failing:%1").arg(describe(current)));
            current->fail(qxCode(QXSocketCode::disconnected), error);
        }
        for (const QXOperationRef &root : waiting) {
            if (root->status() >= QXChainedSocketOperation::Succeeded)
                continue;
            if (logging())
                QXLOG(QStringLiteral("Other Operation Failing:%1").arg(describe(root)));
            root->fail(qxCode(QXSocketCode::disconnected), error);
        }

        std::vector<QXSocketBlock> blocks;
        blocks.swap(m_disconnectBlocks);
        for (const QXSocketBlock &block : blocks)
            block(qxCode(QXSocketCode::success), error);

        std::vector<QXOperationRef> kept;
        kept.swap(m_kept);
        for (const QXOperationRef &root : kept)
            m_owner->connectThen(root);
    }

    // A write ends when all its bytes are handed to the system; drive() then reports it.
    void didWrite()
    {
        if (!m_writing || m_tcp->bytesToWrite() > 0)
            return;
        m_writing = false;
        m_stepArmed = false;
        drive();
    }

    // Runs steps for as long as they can end without waiting: empty steps, writes of nothing, and
    // reads whose bytes have already arrived (a buffered reply produces no new readyRead).
    void drive()
    {
        if (m_driving)
            return;
        m_driving = true;
        while (m_current || startNextRoot()) {
            const QXOperationRef step = m_current;
            if (!m_started) {
                m_started = true;
                if (!begin(step))
                    break;
                // The flush of a write may lose the connection at once, which fails the step.
                if (m_current != step)
                    continue;
            }
            if (step->kind() == QXChainedSocketOperation::Kind::Read) {
                QByteArray data;
                if (!takeRead(static_cast<QXSocketReadOperation &>(*step), data))
                    break;
                m_stepArmed = false;
                if (logging())
                    QXLOG(QStringLiteral("Did Read:%1").arg(QString::fromLatin1(data.toHex(' '))));
                step->succeed(qxCode(QXSocketCode::success), data);
            } else if (step->kind() == QXChainedSocketOperation::Kind::Empty) {
                step->succeed(qxCode(QXSocketCode::success), QVariant());
            } else if (m_writing) {
                break;
            } else {
                step->succeed(qxCode(QXSocketCode::success), QStringLiteral("writeSuccess"));
            }
            moveOn();
        }
        if (!m_current)
            m_owner->m_currentTag.store(0);
        m_driving = false;
    }

    bool startNextRoot()
    {
        if (m_tcp->state() != QAbstractSocket::ConnectedState)
            return false;
        QXOperationRef root;
        {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty())
                return false;
            root = m_queue.front();
            m_queue.pop_front();
            m_current = root;
        }
        m_started = false;
        m_owner->m_currentTag.store(root->tag());
        if (logging())
            QXLOG(QStringLiteral("Socket:%1,Out Queue Operation:%2").arg(socketName(), describe(root)));
        return true;
    }

    // Starts a step's input or output; false when it must wait for the network.
    bool begin(const QXOperationRef &step)
    {
        if (logging())
            QXLOG(QStringLiteral("Socket:%1 ProcessingOperation:%2").arg(socketName(), describe(step)));
        switch (step->kind()) {
        case QXChainedSocketOperation::Kind::Write: {
            const QByteArray data = static_cast<QXSocketWriteOperation &>(*step).writeData();
            if (data.isEmpty())
                return true;
            const qint64 sent = sendDirectly(data);
            if (sent == data.size())
                return true;
            m_writing = true;
            armStepTimer(step->timeout(), m_owner->writeTimeout());
            const QByteArray rest = sent > 0 ? data.sliced(sent) : data;
            if (m_tcp->write(rest) != rest.size()) {
                // Never closed from inside the queue's advance: the close runs as its own event.
                QMetaObject::invokeMethod(this, [this] { abortWith(m_tcp->errorString()); }, Qt::QueuedConnection);
                return false;
            }
            // Sent now rather than on the next turn of the event loop; a write the system takes
            // at once ends here (didWrite() runs inside the flush).
            m_tcp->flush();
            // Inside a bytesWritten() emission Qt does not emit it again for this flush: a write
            // the system took whole must end here too, or nothing would ever end it.
            if (m_writing && m_tcp->bytesToWrite() == 0) {
                m_writing = false;
                m_stepArmed = false;
            }
            return true;
        }
        case QXChainedSocketOperation::Kind::Read:
            armStepTimer(step->timeout(), m_owner->readTimeout());
            return true;
        case QXChainedSocketOperation::Kind::Empty:
            return true;
        }
        return true;
    }

    // A step without a time-out of its own takes the socket's, so nothing waits for ever. A file
    // goes out in thousands of short steps: restarting the timer for each would cost more than
    // the write, so a running timer that fires no later than the new deadline is kept, and its
    // handler waits for whatever is left of the deadline.
    void armStepTimer(double seconds, qint64 fallbackSeconds)
    {
        const int milliseconds = toMilliseconds(seconds > 0 ? seconds : double(fallbackSeconds));
        m_stepDeadline = m_clock.elapsed() + milliseconds;
        m_stepArmed = true;
        if (!m_stepTimer->isActive() || m_timerDue > m_stepDeadline) {
            m_stepTimer->start(milliseconds);
            m_timerDue = m_stepDeadline;
        }
    }

    // Hands the bytes to the system at once while the connection's own buffer is empty, which
    // keeps the order of the bytes and spares a small write the buffering and the write
    // notifications. Returns how many the system took; whatever is left (or an error, which the
    // connection then meets and reports itself) goes through the connection as before.
    qint64 sendDirectly(const QByteArray &data)
    {
        if (m_tcp->state() != QAbstractSocket::ConnectedState || m_tcp->bytesToWrite() > 0)
            return 0;
        const qintptr descriptor = m_tcp->socketDescriptor();
        if (descriptor < 0)
            return 0;
        ssize_t sent = 0;
        do {
            sent = ::send(int(descriptor), data.constData(), size_t(data.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        } while (sent < 0 && errno == EINTR);
        return sent > 0 ? qint64(sent) : 0;
    }

    bool takeRead(const QXSocketReadOperation &read, QByteArray &data)
    {
        const QByteArray terminator = read.terminator();
        const qint64 length = read.readLength();
        qsizetype count = 0;
        if (!terminator.isEmpty()) {
            const qsizetype at = m_received.indexOf(terminator);
            if (at < 0)
                return false;
            count = at + terminator.size();
        } else if (length >= 1) {
            if (m_received.size() < length)
                return false;
            count = qsizetype(length);
        } else {
            if (m_received.isEmpty())
                return false;
            count = m_received.size();
        }
        data = m_received.left(count);
        m_received.remove(0, count);
        return true;
    }

    // The step's blocks have returned, so a cut or a splice they made is seen here.
    void moveOn()
    {
        const QXOperationRef finished = m_current;
        if (logging())
            QXLOG(QStringLiteral("Socket:%1,End Queue Operation:%2").arg(socketName(), describe(finished)));
        const QXOperationRef next = finished->thenOperation();
        {
            std::lock_guard lock(m_mutex);
            m_current = next;
        }
        m_started = false;
        // The idle tag is set by drive() only when no next chain follows, so readers never see
        // a gap between two chains.
        if (next)
            m_owner->m_currentTag.store(next->tag());
        if (logging()) {
            QStringList waiting;
            for (const QXOperationRef &root : queued())
                waiting << describe(root);
            QXLOG(QStringLiteral("Socket:%1,Total Operations:(%2)")
                      .arg(socketName(), waiting.join(QStringLiteral(", "))));
        }
    }

    QXAsyncSocket *const m_owner;
    QTcpSocket *m_tcp = nullptr;
    QTimer *m_stepTimer = nullptr;
    QTimer *m_connectTimer = nullptr;
    // The step time-out: armed or not, its deadline and when the running timer fires (both on
    // m_clock, in milliseconds).
    QElapsedTimer m_clock;
    bool m_stepArmed = false;
    qint64 m_stepDeadline = 0;
    qint64 m_timerDue = 0;
    std::atomic<QAbstractSocket::SocketState> m_linkState{QAbstractSocket::UnconnectedState};

    mutable std::mutex m_mutex; // m_current and m_queue, for the snapshots read by other threads
    QXOperationRef m_current;
    std::deque<QXOperationRef> m_queue;

    std::vector<QXOperationRef> m_kept;
    std::vector<QXSocketBlock> m_disconnectBlocks;
    std::optional<QString> m_error;
    QVariant m_lastError;
    QByteArray m_received;
    bool m_started = false;
    bool m_writing = false;
    bool m_driving = false;
};

} // namespace qxsocket_detail
