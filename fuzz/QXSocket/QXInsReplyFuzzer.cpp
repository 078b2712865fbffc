// Feeds arbitrary reply bytes, cut into arbitrary segments, to the instruction socket's
// reply-reading chains over loopback, and checks that every request ends with exactly one of its
// blocks and a code it may report.
//
// Input: byte 0 picks the request; the rest is a list of segments, each a length byte followed by
// up to that many bytes. The fan side writes the segments one by one and then closes, so every
// chain ends quickly whatever the bytes say.
#include "QXInsSocket.h"
#include "QXSocketCode.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

constexpr int kRequests = 9;
const QByteArray kPassword("12345678");

struct Outcome
{
    std::mutex mutex;
    int calls = 0;
    qint64 code = 0;
    bool success = false;
};

struct Harness
{
    QTcpServer server;
    std::unique_ptr<QXInsSocket> socket;
};

Harness &harness()
{
    static Harness *instance = [] {
        auto *h = new Harness;
        if (!h->server.listen(QHostAddress::LocalHost, 0))
            std::abort();
        h->socket = std::make_unique<QXInsSocket>(QStringLiteral("127.0.0.1"), h->server.serverPort());
        h->socket->setReadTimeout(2);
        h->socket->setWriteTimeout(2);
        return h;
    }();
    return *instance;
}

// Sends request `kind`; returns how many bytes the fan must receive before it answers.
qsizetype send(QXInsSocket &socket, int kind, QXOperationBlock success, QXOperationBlock failure)
{
    socket.setShouldVerify(kind == 8);
    socket.setVerifyData(kind == 8 ? kPassword : QByteArray());
    switch (kind) {
    case 0:
        socket.sendInsWithType(QXInsCode::status, qint16(0), success, failure);
        return 6;
    case 1:
        socket.downloadListWithSuccess(success, failure);
        return 6;
    case 2:
        socket.fetchBluetoothList(success, failure);
        return 6;
    case 3:
        socket.sendJsonCommanndWithParams(QJsonValue(1), success, failure);
        return 7;
    case 4:
        socket.fetchCurrentPlayListIndexWithSuccess(success, failure);
        return 6;
    case 5:
        socket.fetchCurrentPlayListNameWithSuccess(success, failure);
        return 6;
    case 6:
        socket.ap2Sta(QStringLiteral("net"), QStringLiteral("pw"), success, failure);
        return 11;
    case 7:
        socket.sendUnityCommandWithParams(QJsonValue(2), success, failure);
        return 6;
    default:
        socket.sendInsWithType(QXInsCode::mask, qint16(0), success, failure);
        return kPassword.size();
    }
}

bool allowedFailure(qint64 code)
{
    return code == QXSocketCode::checkFailed || code == QXSocketCode::disconnected
        || code == QXSocketCode::jsonHeadMissing;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    harness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    Harness &h = harness();
    const int kind = data[0] % kRequests;
    QList<QByteArray> segments;
    for (size_t at = 1; at < size;) {
        const size_t length = qMin<size_t>(data[at], size - at - 1);
        segments.append(QByteArray(reinterpret_cast<const char *>(data + at + 1), qsizetype(length)));
        at += 1 + length;
    }

    auto outcome = std::make_shared<Outcome>();
    auto record = [outcome](bool success) {
        return [outcome, success](const QXOperationRef &, qint64 code, const QVariant &) {
            std::lock_guard lock(outcome->mutex);
            ++outcome->calls;
            outcome->code = code;
            outcome->success = success;
        };
    };
    const qsizetype expected = send(*h.socket, kind, record(true), record(false));

    if (!h.server.waitForNewConnection(3000))
        std::abort();
    std::unique_ptr<QTcpSocket> peer(h.server.nextPendingConnection());
    QByteArray request;
    QDeadlineTimer deadline(3000);
    while (request.size() < expected && !deadline.hasExpired()) {
        if (peer->bytesAvailable() > 0 || peer->waitForReadyRead(50))
            request += peer->readAll();
    }
    for (const QByteArray &segment : std::as_const(segments)) {
        peer->write(segment);
        peer->waitForBytesWritten(100);
        QThread::usleep(100);
    }
    peer->disconnectFromHost();
    if (peer->state() != QAbstractSocket::UnconnectedState)
        peer->waitForDisconnected(1000);

    // Once the socket is down every block it owed has been called.
    QDeadlineTimer settled(5000);
    while (!settled.hasExpired()) {
        {
            std::lock_guard lock(outcome->mutex);
            if (outcome->calls > 0 && h.socket->status() == QXAsyncSocket::Disconnected)
                break;
        }
        QThread::usleep(200);
    }
    std::lock_guard lock(outcome->mutex);
    if (outcome->calls != 1) {
        std::fprintf(stderr, "request %d ended with %d calls\n", kind, outcome->calls);
        std::abort();
    }
    if (outcome->success ? outcome->code != QXSocketCode::success : !allowedFailure(outcome->code)) {
        std::fprintf(stderr, "request %d ended with code %lld\n", kind, static_cast<long long>(outcome->code));
        std::abort();
    }
    return 0;
}
