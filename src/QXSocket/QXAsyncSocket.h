#pragma once

#include "QXChainedSocketOperation.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class QXAsyncSocket;
class QThread;

namespace qxsocket_detail {
class SocketWorker;
}

// The connection manager's side of a socket. Every method is optional (the defaults do nothing).
// Subclass it virtually: a manager serves several socket kinds through one object.
class QXAsyncSocketDelegate
{
public:
    virtual ~QXAsyncSocketDelegate();
    // Called right before each connection attempt from the disconnected state, on the thread that
    // asked for the connection, so the delegate can put address, port, time-outs and password
    // settings on the socket.
    virtual void prepareForConnectBySocket(QXAsyncSocket *socket);
    // The stored password of a device (by its Wi-Fi name), or a null text when none is stored.
    virtual QString passwordForDeviceName(const QString &deviceName);
};

// A TCP client that runs a first-in first-out queue of operation chains, one step at a time, over
// one connection; base of the instruction and file sockets.
//
// Threads: each socket owns one thread named "Orvane.socket.operation". Its connection, timers and
// queue live there, and every success, failure and disconnect block is called there, except the
// refusals reported before anything is queued (no address or port, a read while not connected),
// which are called on the caller's thread before the method returns. Every public method may be
// called from any thread, blocks included; status(), settings and currentOperation() may be read
// from any thread. Never destroy a socket from one of its own blocks; a subclass calls shutdown()
// first thing in its destructor.
//
// A lost connection (asked for, closed by the device, a refused or timed-out connection attempt, a
// read or write time-out) fails the current step and every queued root with 305 exactly once;
// the later steps of a failed chain get no call. Chains handed to connectThen() while the socket
// is disconnecting are kept and connect afresh once it is down.
class QXAsyncSocket
{
public:
    enum Status : qint64 {
        Disconnected = -1,
        Connecting = 0,
        Connected = 1,
        Disconnecting = 2,
    };

    QXAsyncSocket();
    // Sets IP and port only when the host is not empty and the port is not 0.
    QXAsyncSocket(const QString &host, quint16 port);
    virtual ~QXAsyncSocket();
    QXAsyncSocket(const QXAsyncSocket &) = delete;
    QXAsyncSocket &operator=(const QXAsyncSocket &) = delete;

    QXAsyncSocketDelegate *delegate() const;
    // Not owned; it must outlive the socket or be reset to null first.
    void setDelegate(QXAsyncSocketDelegate *delegate);

    qint64 status() const;

    // Reading IP while unset (null) stores and returns "192.168.1.1"; an empty text stays empty.
    QString IP();
    void setIP(const QString &ip);
    // A connection attempt needs 1 or more and uses the low 16 bits.
    qint64 port() const;
    void setPort(qint64 port);
    // Seconds; reading one while it is 0 stores and returns its default (2 connect, 3 read and write).
    qint64 connectTimeout();
    void setConnectTimeout(qint64 seconds);
    qint64 readTimeout();
    void setReadTimeout(qint64 seconds);
    qint64 writeTimeout();
    void setWriteTimeout(qint64 seconds);

    // Socket-wide failure hook for refusals (read while not connected, a busy file socket).
    QXSocketBlock commonFailBlock() const;
    void setCommonFailBlock(QXSocketBlock block);

    // Snapshots: the step being run, and the roots of the waiting chains, oldest first.
    QXOperationRef currentOperation() const;
    QList<QXOperationRef> operations() const;

    // Queues the step's chain; connects first when disconnected (after asking the delegate to
    // prepare the socket). Without an address or port: failure(step, 300, none) on the caller's
    // thread and none is returned. Returns the step.
    QXOperationRef connectThen(const QXOperationRef &operation);
    // An empty step through connectThen(): its success runs once the socket is connected and every
    // chain queued before it is done.
    virtual QXOperationRef connectedWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    // Queue the chain at the end / at the front; neither connects.
    QXOperationRef addOperation(const QXOperationRef &operation);
    QXOperationRef insertOperation(const QXOperationRef &operation);

    QXOperationRef writeData(const QByteArray &data, double timeout, QXOperationBlock success,
                             QXOperationBlock failure);
    QXOperationRef writeData(const QByteArray &data, QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef connectThenWriteData(const QByteArray &data, double timeout, QXOperationBlock success,
                                        QXOperationBlock failure);
    // Reads are refused unless connected: commonFailBlock(300, "未连接") and failure(none, 300, "未连接")
    // on the caller's thread, and none is returned.
    QXOperationRef readDataToLength(quint64 length, double timeout, QXOperationBlock success,
                                    QXOperationBlock failure);
    QXOperationRef readDataToLength(quint64 length, QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef readDataWithTimeout(double timeout, QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef readDataWithSuccess(QXOperationBlock success, QXOperationBlock failure);

    // Removes the step's chain from the queue (at once when called from a block, else soon) and puts
    // a step that has not ended back to status 0.
    void dropOperation(const QXOperationRef &operation);
    // Closes the connection; the block gets (200, the error or none) once it is down. On a
    // disconnected socket the block is called at once with (200, "socket断开").
    void disconnectWtihBlock(QXSocketBlock block);

    // The connection as the network layer reports it.
    bool isConnected() const;
    bool isDisconnected() const;

protected:
    // The connection step of connectThen(): a subclass adds its own steps (a password) and then
    // calls the base. Runs under the socket's connection lock, so the status cannot turn to
    // disconnected in the middle; never called while the socket is disconnecting.
    virtual QXOperationRef connectChain(const QXOperationRef &operation);
    // Called on the socket thread, under the connection lock, when the status becomes
    // disconnected and before any step is failed.
    virtual void socketDidDisconnect();
    // Tag of the step being run, 0 when none. Readable from any thread.
    qint64 currentTag() const;
    // True on the socket's own thread (inside its blocks).
    bool onSocketThread() const;
    // Stops the socket thread without calling any block; idempotent. Subclass destructors call it
    // first, so the thread never runs into a half-destroyed object.
    void shutdown();
    // The kernel send buffer of the next connections, in bytes (0: the system's own sizing), so a
    // sender's progress can follow what the peer has received.
    void setSendBufferSize(int bytes);

private:
    friend class qxsocket_detail::SocketWorker;

    void queueOperation(const QXOperationRef &operation, bool insert);
    QXOperationRef refuseRead(const QXOperationBlock &failure);

    mutable std::mutex m_settingsMutex;
    QString m_ip;
    qint64 m_port = 0;
    qint64 m_connectTimeout = 0;
    qint64 m_readTimeout = 0;
    qint64 m_writeTimeout = 0;
    QXSocketBlock m_commonFailBlock;

    std::recursive_mutex m_connectMutex;
    std::atomic<qint64> m_status{Disconnected};
    // Counts the connections that have ended; a chain queued during one fails when it ends.
    std::atomic<quint64> m_session{0};
    std::atomic<qint64> m_currentTag{0};
    std::atomic<int> m_sendBufferSize{0};
    std::atomic<QXAsyncSocketDelegate *> m_delegate{nullptr};

    QThread *m_thread = nullptr;
    qxsocket_detail::SocketWorker *m_worker = nullptr;
};
