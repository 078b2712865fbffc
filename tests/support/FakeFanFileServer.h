#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QString>

#include <map>

class QTcpServer;
class QTcpSocket;
class QThread;

namespace orvane::test {

// The file side of a fake fan: a plain file port (the fan's 8002) and a port with the password
// step (8003), both on 127.0.0.1 with ports the test chooses. It receives transfers (a 17-byte
// head, the name, the body), stores them, answers each with one byte, and records the raw bytes
// of every connection. Faults: refuse the password, stop reading, drop the connection after a
// number of bytes, never answer. Runs on a thread of its own; every method is thread-safe.
class FakeFanFileServer
{
public:
    struct Transfer {
        quint16 port = 0;
        quint8 kind = 0;
        quint64 total = 0;
        QByteArray name;
        QByteArray body;     // empty unless data is kept
        qint64 bodySize = 0; // bytes of the body received
    };

    FakeFanFileServer();
    ~FakeFanFileServer();
    FakeFanFileServer(const FakeFanFileServer &) = delete;
    FakeFanFileServer &operator=(const FakeFanFileServer &) = delete;

    // Listens on 127.0.0.1, or on a fan address inside the test network; port 0 picks a free
    // one. False when either port cannot be bound.
    bool start(quint16 plainPort = 0, quint16 passwordPort = 0, const QHostAddress &address = QHostAddress::LocalHost);
    quint16 plainPort() const { return m_plainPort; }
    quint16 passwordPort() const { return m_passwordPort; }
    // Stops listening on the plain port, so clients must turn to the password port.
    void closePlainPort();

    // The password the fan accepts on the password port ("12345678" by default).
    void setPassword(const QByteArray &password) { set(m_password, password); }
    void setRefusePassword(bool refuse) { set(m_refusePassword, refuse); }
    // The byte that answers each transfer.
    void setAnswer(char answer) { set(m_answer, answer); }
    void setNeverAnswer(bool never) { set(m_neverAnswer, never); }
    // After this many bytes of a connection the fan reads no more (-1: off). Set before the
    // connection is made.
    void setStopReadingAfter(qint64 bytes) { set(m_stopReadingAfter, bytes); }
    // After this many bytes of a connection the fan closes it (-1: off).
    void setDropAfter(qint64 bytes) { set(m_dropAfter, bytes); }
    // Bodies and raw streams are kept by default; a benchmark that sends hundreds of megabytes
    // only counts them.
    void setKeepData(bool keep) { set(m_keepData, keep); }

    QList<Transfer> transfers() const { return get(m_transfers); }
    // The raw bytes received on each connection, in order of acceptance.
    QList<QByteArray> streams() const { return get(m_streams); }
    // The port of each accepted connection, in order of acceptance.
    QList<quint16> connectionPorts() const { return get(m_connectionPorts); }
    QList<QByteArray> passwords() const { return get(m_passwords); }
    qint64 bytesReceived() const { return get(m_bytesReceived); }

private:
    enum class Stage { Password, Head, Name, Body };
    struct Connection {
        quint16 port = 0;
        Stage stage = Stage::Head;
        qint64 received = 0;
        qint64 needed = 0;
        int stream = 0;
        QByteArray pending;
        Transfer transfer;
    };

    // The fields below m_mutex are shared between the server's thread and the test's.
    template <typename T>
    void set(T &field, const T &value)
    {
        QMutexLocker lock(&m_mutex);
        field = value;
    }
    template <typename T>
    T get(const T &field) const
    {
        QMutexLocker lock(&m_mutex);
        return field;
    }

    void accept(QTcpServer *server);
    void receive(QTcpSocket *socket);
    // Consumes what the current stage needs; false when it needs more bytes.
    bool advance(QTcpSocket *socket, Connection &connection);
    void finishTransfer(QTcpSocket *socket, Connection &connection);

    QThread *m_thread = nullptr;
    QTcpServer *m_plainServer = nullptr;              // lives on m_thread
    QTcpServer *m_passwordServer = nullptr;           // lives on m_thread
    std::map<QTcpSocket *, Connection> m_connections; // used on m_thread only
    quint16 m_plainPort = 0;
    quint16 m_passwordPort = 0;

    mutable QMutex m_mutex;
    QByteArray m_password = "12345678";
    bool m_refusePassword = false;
    char m_answer = 0x01;
    bool m_neverAnswer = false;
    qint64 m_stopReadingAfter = -1;
    qint64 m_dropAfter = -1;
    bool m_keepData = true;
    QList<Transfer> m_transfers;
    QList<QByteArray> m_streams;
    QList<quint16> m_connectionPorts;
    QList<QByteArray> m_passwords;
    qint64 m_bytesReceived = 0;
};

} // namespace orvane::test
