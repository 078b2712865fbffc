#include "FakeFan.h"

#include <QMetaObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <future>

namespace orvane::test {

namespace {

constexpr quint8 kJsonCode = 0x40;
constexpr quint8 kCurrentPlayListCode = 0x0C;
constexpr quint8 kListCode = 0x0B;
constexpr quint8 kBluetoothListCode = 0x2F;

QByteArray head(quint8 code)
{
    QByteArray bytes;
    bytes.append(char(0x35));
    bytes.append(char(0xA4));
    bytes.append(char(code));
    return bytes;
}

// Bytes of the first complete frame in `buffer`, 0 while it is incomplete. The count byte gives
// the bytes that follow it, except in the JSON frame (05 35 A4 40 L0 L1 text).
qsizetype frameLength(const QByteArray &buffer)
{
    if (buffer.isEmpty())
        return 0;
    const auto *b = reinterpret_cast<const uchar *>(buffer.constData());
    if (b[0] == 0x05 && buffer.size() >= 4 && b[3] == kJsonCode) {
        if (buffer.size() < 6)
            return 0;
        const qsizetype total = 6 + (qsizetype(b[4]) | (qsizetype(b[5]) << 8));
        return buffer.size() >= total ? total : 0;
    }
    const qsizetype total = qsizetype(b[0]) + 1;
    return buffer.size() >= total ? total : 0;
}

} // namespace

// The fan's side of the connections; lives on the fan's thread.
class FakeFanServer : public QObject
{
public:
    explicit FakeFanServer(FakeFan *fan) : m_fan(fan) {}

    quint16 listen(const QHostAddress &address, quint16 port)
    {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *client = m_server->nextPendingConnection())
                accept(client);
        });
        if (!m_server->listen(address, port))
            return 0;
        return m_server->serverPort();
    }

    void disconnectClients()
    {
        for (const QPointer<QTcpSocket> &client : std::as_const(m_clients)) {
            if (client)
                client->abort();
        }
        m_clients.clear();
    }

private:
    struct Connection
    {
        QByteArray buffer;
        qint64 receivedTotal = 0;
        bool passwordDone = false;
    };

    void accept(QTcpSocket *client)
    {
        m_fan->locked([this] { ++m_fan->m_connections; });
        client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        if (m_fan->settings().refuse) {
            client->abort();
            client->deleteLater();
            return;
        }
        m_clients.append(client);
        auto connection = std::make_shared<Connection>();
        connect(client, &QIODevice::readyRead, this, [this, client, connection] { read(client, *connection); });
    }

    void read(QTcpSocket *client, Connection &connection)
    {
        QByteArray incoming = client->readAll();
        const FakeFan::Settings settings = m_fan->settings();
        bool drop = false;
        if (settings.dropAfter > 0 && connection.receivedTotal + incoming.size() >= settings.dropAfter) {
            incoming.truncate(settings.dropAfter - connection.receivedTotal);
            drop = true;
        }
        connection.receivedTotal += incoming.size();
        m_fan->locked([&] { m_fan->m_received += incoming; });
        connection.buffer += incoming;
        if (drop) {
            client->abort();
            return;
        }
        serve(client, connection, settings);
    }

    void serve(QTcpSocket *client, Connection &connection, const FakeFan::Settings &settings)
    {
        for (;;) {
            if (settings.password && !connection.passwordDone) {
                const QByteArray &expected = *settings.password;
                if (connection.buffer.size() < expected.size())
                    return;
                const bool accepted = connection.buffer.left(expected.size()) == expected;
                connection.buffer.remove(0, expected.size());
                m_fan->locked([this] { ++m_fan->m_passwordAttempts; });
                const QByteArray answer = settings.passwordAnswer.value_or(QByteArray(1, accepted ? '1' : '0'));
                connection.passwordDone = answer.startsWith('1');
                send(client, FakeFan::Reply::bytes(answer), settings);
                continue;
            }
            const qsizetype length = frameLength(connection.buffer);
            if (length == 0)
                return;
            FakeFan::Frame frame;
            frame.bytes = connection.buffer.left(length);
            frame.code = length >= 4 ? quint8(frame.bytes[3]) : 0;
            connection.buffer.remove(0, length);
            m_fan->locked([&] { m_fan->m_frames.append(frame); });
            send(client, m_fan->replyFor(frame), settings);
        }
    }

    void send(QTcpSocket *client, FakeFan::Reply reply, const FakeFan::Settings &settings)
    {
        if (reply.silent || settings.silent)
            return;
        if (settings.segmentSize > 0) {
            QList<QByteArray> pieces;
            for (const QByteArray &segment : std::as_const(reply.segments)) {
                for (qsizetype at = 0; at < segment.size(); at += settings.segmentSize)
                    pieces.append(segment.mid(at, settings.segmentSize));
            }
            reply.segments = pieces;
        }
        QPointer<QTcpSocket> target(client);
        int at = reply.delayMs + settings.delayMs;
        for (const QByteArray &segment : std::as_const(reply.segments)) {
            if (at == 0) {
                client->write(segment);
                client->flush();
            } else {
                QTimer::singleShot(at, client, [target, segment] {
                    if (target && target->state() == QAbstractSocket::ConnectedState) {
                        target->write(segment);
                        target->flush();
                    }
                });
            }
            at += reply.gapMs;
        }
    }

    FakeFan *const m_fan;
    QTcpServer *m_server = nullptr;
    QList<QPointer<QTcpSocket>> m_clients;
};

FakeFan::Reply FakeFan::Reply::split(const QByteArray &reply, int size, int gapMs)
{
    Reply result;
    result.gapMs = gapMs;
    for (qsizetype at = 0; at < reply.size(); at += size)
        result.segments.append(reply.mid(at, size));
    return result;
}

FakeFan::FakeFan(const QHostAddress &address, quint16 port) : m_address(address)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("FakeFan"));
    m_server = new FakeFanServer(this);
    m_server->moveToThread(m_thread);
    m_thread->start();
    std::promise<quint16> listening;
    std::future<quint16> bound = listening.get_future();
    FakeFanServer *server = m_server;
    QMetaObject::invokeMethod(
        server, [server, address, port, &listening] { listening.set_value(server->listen(address, port)); },
        Qt::QueuedConnection);
    m_port = bound.get();
}

FakeFan::~FakeFan()
{
    FakeFanServer *server = m_server;
    QMetaObject::invokeMethod(
        server,
        [server] {
            server->disconnectClients();
            delete server;
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    m_thread->wait();
    delete m_thread;
}

void FakeFan::disconnectClients()
{
    FakeFanServer *server = m_server;
    QMetaObject::invokeMethod(server, [server] { server->disconnectClients(); }, Qt::QueuedConnection);
}

QList<quint8> FakeFan::codes() const
{
    std::lock_guard lock(m_mutex);
    QList<quint8> codes;
    for (const Frame &frame : m_frames)
        codes.append(frame.code);
    return codes;
}

void FakeFan::clearRecords()
{
    std::lock_guard lock(m_mutex);
    m_received.clear();
    m_frames.clear();
    m_connections = 0;
    m_passwordAttempts = 0;
}

FakeFan::Reply FakeFan::replyFor(const Frame &frame) const
{
    Script script;
    std::optional<Reply> scripted;
    {
        std::lock_guard lock(m_mutex);
        script = m_settings.script;
        const auto found = m_settings.replies.constFind(frame.code);
        if (found != m_settings.replies.cend())
            scripted = *found;
    }
    // Outside the lock: a script may change the fan's settings.
    if (script) {
        if (std::optional<Reply> reply = script(frame))
            return *reply;
    }
    if (scripted)
        return *scripted;
    switch (frame.code) {
    case kListCode:
    case kBluetoothListCode:
        return Reply::bytes(listReply(frame.code, QByteArray()));
    case kJsonCode:
        return Reply::bytes(jsonReply(QByteArray()));
    case kCurrentPlayListCode:
        return Reply::bytes(frame.bytes.size() > 4 && frame.bytes[4] == 3 ? nameReply(QByteArray()) : indexReply(0));
    default:
        return Reply::bytes(plainReply(frame.code));
    }
}

QByteArray FakeFan::plainReply(quint8 code, const QByteArray &extra)
{
    return head(code) + extra;
}

QByteArray FakeFan::listReply(quint8 code, const QByteArray &body)
{
    QByteArray reply = head(code);
    const quint32 length = quint32(body.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        reply.append(char((length >> shift) & 0xFF));
    return reply + body;
}

QByteArray FakeFan::jsonReply(const QByteArray &body)
{
    QByteArray reply = head(kJsonCode);
    reply.append(char(body.size() & 0xFF));
    reply.append(char((body.size() >> 8) & 0xFF));
    return reply + body;
}

QByteArray FakeFan::indexReply(qint16 index)
{
    QByteArray reply = head(kCurrentPlayListCode);
    reply.append(char((quint16(index) >> 8) & 0xFF));
    reply.append(char(quint16(index) & 0xFF));
    return reply;
}

QByteArray FakeFan::nameReply(const QByteArray &name)
{
    return indexReply(qint16(name.size())) + name;
}

} // namespace orvane::test
