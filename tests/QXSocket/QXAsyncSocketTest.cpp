#include "BlockRecorder.h"
#include "EventLoop.h"
#include "FakeFan.h"
#include "Loopback.h"
#include "QXAsyncSocket.h"
#include "QXSocketCode.h"
#include "QXSocketReadOperation.h"
#include "QXSocketWriteOperation.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <thread>

using orvane::test::BlockRecorder;
using orvane::test::closedPort;
using orvane::test::FakeFan;
using orvane::test::spinFor;
using orvane::test::waitUntil;

namespace {

const QString kSocketThread = QStringLiteral("Orvane.socket.operation");
const QString kLoopback = QStringLiteral("127.0.0.1");

QByteArray frame(quint8 code, quint8 high = 0, quint8 low = 0)
{
    QByteArray bytes("\x05\x35\xA4", 3);
    bytes.append(char(code));
    bytes.append(char(high));
    bytes.append(char(low));
    return bytes;
}

// A write of the frame, then one read of whatever arrives.
QXOperationRef exchange(const QByteArray &bytes, BlockRecorder &calls, const QString &name)
{
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(3, bytes, nullptr, calls.block(name + ".failure"));
    write->thenReadTimeout(3, calls.block(name + ".read"), calls.block(name + ".failure"));
    return write;
}

struct PreparingDelegate : QXAsyncSocketDelegate
{
    explicit PreparingDelegate(quint16 port) : port(port) {}
    void prepareForConnectBySocket(QXAsyncSocket *socket) override
    {
        ++prepared;
        socket->setIP(kLoopback);
        socket->setPort(port);
    }
    quint16 port;
    std::atomic<int> prepared{0};
};

} // namespace

// Refusals reach the caller before the method returns, on the caller's own thread.
TEST(AsyncSocketQueue, RefusalsAreReportedAtOnceOnTheCallersThread)
{
    BlockRecorder calls;
    QXAsyncSocket socket;
    socket.setIP(QStringLiteral(""));
    socket.setPort(8000);
    QThread::currentThread()->setObjectName(QStringLiteral("caller"));

    EXPECT_EQ(socket.connectedWithSuccess(calls.block("success"), calls.block("failure")), nullptr);
    ASSERT_EQ(calls.count(), 1);
    EXPECT_EQ(calls.calls()[0].name, "failure");
    EXPECT_TRUE(calls.calls()[0].code == QXSocketCode::notConnected);
    EXPECT_TRUE(calls.calls()[0].operation) << "the refused step is reported";
    EXPECT_EQ(calls.calls()[0].thread, "caller");

    socket.setIP(kLoopback);
    socket.setPort(0);
    EXPECT_EQ(socket.connectedWithSuccess(calls.block("success"), calls.block("failure")), nullptr);
    EXPECT_EQ(calls.count(), 2);

    socket.setCommonFailBlock(calls.socketBlock("common"));
    EXPECT_EQ(socket.readDataToLength(4, calls.block("success"), calls.block("readFailure")), nullptr);
    EXPECT_EQ(socket.readDataWithSuccess(calls.block("success"), calls.block("readFailure")), nullptr);
    EXPECT_EQ(calls.callsNamed("readFailure").size(), 2);
    EXPECT_EQ(calls.callsNamed("common").size(), 2);
    EXPECT_EQ(calls.callsNamed("readFailure")[0].payload.toString(), QStringLiteral("未连接"));
    EXPECT_FALSE(calls.callsNamed("readFailure")[0].operation);
    EXPECT_TRUE(socket.operations().isEmpty()) << "a refused read queues nothing";

    socket.disconnectWtihBlock(calls.socketBlock("disconnected"));
    ASSERT_EQ(calls.callsNamed("disconnected").size(), 1);
    EXPECT_TRUE(calls.callsNamed("disconnected")[0].code == QXSocketCode::success);
    EXPECT_EQ(calls.callsNamed("disconnected")[0].payload.toString(), QStringLiteral("socket断开"));

    spinFor(100);
    EXPECT_TRUE(calls.callsNamed("success").isEmpty());
}

TEST(AsyncSocketQueue, ConnectingAsksTheDelegateAndRunsBlocksOnTheSocketThread)
{
    FakeFan fan;
    BlockRecorder calls;
    PreparingDelegate delegate(fan.port());
    QXAsyncSocket socket;
    socket.setDelegate(&delegate);

    ASSERT_TRUE(socket.connectedWithSuccess(calls.block("connected"), calls.block("failure")));
    ASSERT_TRUE(calls.waitFor(1));
    EXPECT_EQ(calls.calls()[0].name, "connected");
    EXPECT_EQ(calls.calls()[0].thread, kSocketThread);
    EXPECT_EQ(delegate.prepared, 1);
    EXPECT_EQ(socket.status(), QXAsyncSocket::Connected);
    EXPECT_TRUE(socket.isConnected());

    // Connected and idle: the next chain runs at once, without preparing again.
    socket.connectThen(exchange(frame(10), calls, "status"));
    ASSERT_TRUE(calls.waitFor(2));
    EXPECT_EQ(calls.calls()[1].payload.toByteArray(), FakeFan::plainReply(10));
    EXPECT_EQ(delegate.prepared, 1);
    EXPECT_EQ(fan.connectionCount(), 1);
    socket.setDelegate(nullptr);
}

TEST(AsyncSocketQueue, ConnectedBlockWaitsForTheChainsQueuedBeforeIt)
{
    FakeFan fan;
    fan.setDelay(100);
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    socket.connectThen(exchange(frame(10), calls, "first"));
    socket.connectedWithSuccess(calls.block("connected"), calls.block("failure"));
    ASSERT_TRUE(calls.waitFor(2));
    EXPECT_EQ(calls.names(), (QStringList{"first.read", "connected"}));
}

TEST(AsyncSocketQueue, AChainIsQueuedOnceWhicheverOfItsStepsIsHandedOver)
{
    FakeFan fan;
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    const QXOperationRef root = exchange(frame(10), calls, "chain");
    socket.addOperation(root);
    socket.addOperation(root);
    socket.addOperation(root->thenOperation());
    socket.connectThen(root->thenOperation());
    ASSERT_TRUE(calls.waitFor(1));
    spinFor(100);
    EXPECT_EQ(fan.frames().size(), 1);
    EXPECT_EQ(calls.names(), QStringList{"chain.read"});
}

// A step ahead of a chain (a refused password) may fail it before the chain reaches the socket
// thread; handed over afterwards, it must stay failed and never reach the device.
TEST(AsyncSocketQueue, AChainThatEndedBeforeItWasQueuedNeverRuns)
{
    FakeFan fan;
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    const QXOperationRef refused = exchange(frame(10), calls, "refused");
    refused->fail(qxCode(QXSocketCode::checkFailed), QVariant());
    socket.connectThen(refused);
    socket.addOperation(refused);
    socket.connectThen(exchange(frame(11), calls, "next"));
    ASSERT_TRUE(calls.waitFor(2));
    spinFor(100);
    EXPECT_EQ(calls.names(), (QStringList{"refused.failure", "next.read"}));
    ASSERT_EQ(fan.frames().size(), 1);
    EXPECT_EQ(fan.frames().first().code, 11);
    EXPECT_EQ(refused->status(), QXChainedSocketOperation::Failed);
}

TEST(AsyncSocketQueue, ChainsQueuedFromTwoThreadsRunInOrderAndNeverInterleave)
{
    FakeFan fan;
    // The fan echoes each frame after its head, so every reply names the request it answers.
    fan.setScript([](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        return FakeFan::Reply::bytes(FakeFan::plainReply(frame.code, frame.bytes));
    });
    QXAsyncSocket socket(kLoopback, fan.port());
    std::mutex mutex;
    QList<QByteArray> events;
    auto queueFrom = [&](quint8 code) {
        for (int sequence = 0; sequence < 40; ++sequence) {
            const QByteArray request = frame(code, 0, quint8(sequence));
            auto note = [&mutex, &events, request](const QByteArray &event) {
                std::lock_guard lock(mutex);
                events.append(event + request);
            };
            auto write = QXSocketWriteOperation::writeOperationWithTimeout(
                3, request, [note](const QXOperationRef &, qint64, const QVariant &) { note("w"); }, nullptr);
            write->thenReadTimeout(
                3,
                [note](const QXOperationRef &, qint64, const QVariant &payload) {
                    note("r" + payload.toByteArray());
                },
                nullptr);
            socket.connectThen(write);
        }
    };
    std::thread first(queueFrom, quint8(1));
    std::thread second(queueFrom, quint8(2));
    first.join();
    second.join();
    ASSERT_TRUE(waitUntil([&] {
        std::lock_guard lock(mutex);
        return events.size() == 160;
    }));

    int lastSequence[3] = {-1, -1, -1};
    for (qsizetype i = 0; i < events.size(); i += 2) {
        const QByteArray written = events[i];
        const QByteArray read = events[i + 1];
        ASSERT_TRUE(written.startsWith('w'));
        const QByteArray request = written.mid(1);
        EXPECT_EQ(read, "r" + FakeFan::plainReply(quint8(request[3]), request) + request)
            << "the read right after a write answers that write";
        const int code = request[3];
        EXPECT_GT(int(quint8(request[5])), lastSequence[code]) << "each thread's chains keep their order";
        lastSequence[code] = quint8(request[5]);
    }
    EXPECT_EQ(fan.connectionCount(), 1);
}

// write → read → read, and the device drops the connection during the first read.
TEST(AsyncSocketQueue, ADropFailsTheRunningStepAndEachQueuedRootOnceThenReconnects)
{
    FakeFan fan;
    fan.setSilent(true);
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());

    auto write = QXSocketWriteOperation::writeOperationWithTimeout(3, frame(11), calls.block("write"),
                                                                   calls.block("write.failure"));
    write->thenReadTimeout(3, qint64(7), calls.block("head"), calls.block("head.failure"));
    write->thenReadTimeout(3, calls.block("body"), calls.block("body.failure"));
    socket.connectThen(write);
    socket.connectThen(exchange(frame(10), calls, "second"));
    socket.connectThen(exchange(frame(46), calls, "third"));
    ASSERT_TRUE(waitUntil([&] { return fan.frames().size() == 1; }));
    ASSERT_TRUE(calls.waitFor(1));
    fan.disconnectClients();

    ASSERT_TRUE(calls.waitFor(4));
    spinFor(200);
    EXPECT_EQ(calls.names(), (QStringList{"write", "head.failure", "second.failure", "third.failure"}));
    for (const BlockRecorder::Call &call : calls.calls().mid(1))
        EXPECT_TRUE(call.code == QXSocketCode::disconnected) << call.name.toStdString();
    EXPECT_EQ(socket.status(), QXAsyncSocket::Disconnected);

    fan.setSilent(false);
    socket.connectThen(exchange(frame(10), calls, "again"));
    ASSERT_TRUE(calls.waitFor(5));
    EXPECT_EQ(calls.calls().last().name, "again.read");
    EXPECT_EQ(fan.connectionCount(), 2);
}

TEST(AsyncSocketQueue, AClosedPortFailsEveryWaitingRootOnce)
{
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, closedPort());
    // Queued before the attempt starts: a refusal can come back before a later call is made.
    socket.addOperation(exchange(frame(46), calls, "added"));
    socket.connectThen(exchange(frame(10), calls, "first"));
    socket.connectedWithSuccess(calls.block("connected"), calls.block("connected.failure"));
    ASSERT_TRUE(calls.waitFor(3));
    spinFor(200);
    QStringList names = calls.names();
    names.sort();
    EXPECT_EQ(names, (QStringList{"added.failure", "connected.failure", "first.failure"}));
    for (const BlockRecorder::Call &call : calls.calls()) {
        EXPECT_TRUE(call.code == QXSocketCode::disconnected);
        EXPECT_TRUE(call.payload.toString().contains(QStringLiteral("refused"), Qt::CaseInsensitive))
            << call.name.toStdString() << ": " << call.payload.toString().toStdString();
    }
    EXPECT_EQ(socket.status(), QXAsyncSocket::Disconnected);
}

TEST(AsyncSocketQueue, AReadTimeOutClosesTheConnection)
{
    FakeFan fan;
    fan.setSilent(true);
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(3, frame(10), nullptr, calls.block("failure"));
    write->thenReadTimeout(0.3, calls.block("read"), calls.block("failure"));
    QElapsedTimer clock;
    clock.start();
    socket.connectThen(write);
    ASSERT_TRUE(calls.waitFor(1));
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_EQ(calls.calls()[0].name, "failure");
    EXPECT_TRUE(calls.calls()[0].code == QXSocketCode::disconnected);
    EXPECT_TRUE(calls.calls()[0].payload.toString().contains(QStringLiteral("timed out")));
    EXPECT_TRUE(waitUntil([&] { return socket.status() == QXAsyncSocket::Disconnected; }));
}

TEST(AsyncSocketQueue, ASuccessBlockThatCutsTheChainEndsTheExchange)
{
    FakeFan fan;
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(3, frame(10), nullptr, calls.block("failure"));
    auto record = calls.block("read");
    write->thenReadTimeout(
        3,
        [record](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            operation->giveupThen();
            record(operation, code, payload);
        },
        calls.block("failure"));
    write->thenReadTimeout(3, calls.block("never"), calls.block("never"));
    socket.connectThen(write);
    socket.connectThen(exchange(frame(46), calls, "next"));
    ASSERT_TRUE(calls.waitFor(2));
    spinFor(100);
    EXPECT_EQ(calls.names(), (QStringList{"read", "next.read"}));
}

// As the file socket does between two files: from a block, disconnect and hand over the next
// chain at once. The chain is kept while the socket goes down and then connects afresh.
TEST(AsyncSocketQueue, ChainsHandedOverWhileDisconnectingConnectAfresh)
{
    FakeFan fan;
    BlockRecorder calls;
    QXAsyncSocket socket(kLoopback, fan.port());
    std::atomic<qint64> statusWhenHandedOver = 0;
    auto connected = calls.block("connected");
    socket.connectedWithSuccess(
        [&](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            connected(operation, code, payload);
            socket.disconnectWtihBlock(calls.socketBlock("disconnected"));
            statusWhenHandedOver = socket.status();
            socket.connectThen(exchange(frame(10), calls, "after"));
        },
        calls.block("failure"));
    ASSERT_TRUE(calls.waitFor(3));
    spinFor(100);
    EXPECT_EQ(statusWhenHandedOver, QXAsyncSocket::Disconnecting);
    EXPECT_EQ(calls.names(), (QStringList{"connected", "disconnected", "after.read"}));
    EXPECT_TRUE(calls.callsNamed("disconnected")[0].code == QXSocketCode::success);
    EXPECT_EQ(fan.connectionCount(), 2);
}

// Exact-length and terminator reads take the same bytes whether the reply comes in one segment
// or byte by byte.
TEST(AsyncSocketQueue, CoalescedAndSplitRepliesReadTheSame)
{
    for (int segment : {0, 1}) {
        FakeFan fan;
        fan.setReply(10, FakeFan::Reply::bytes(QByteArray("\x35\xA4\x0A", 3) + "hello\nworld"));
        fan.setSegmentSize(segment);
        BlockRecorder calls;
        QXAsyncSocket socket(kLoopback, fan.port());
        auto write = QXSocketWriteOperation::writeOperationWithTimeout(3, frame(10), nullptr, calls.block("failure"));
        write->thenReadTimeout(3, qint64(3), calls.block("head"), calls.block("failure"));
        write->thenReadTimeout(3, QByteArray("\n"), calls.block("line"), calls.block("failure"));
        write->thenReadTimeout(3, qint64(5), calls.block("rest"), calls.block("failure"));
        socket.connectThen(write);
        ASSERT_TRUE(calls.waitFor(3));
        EXPECT_EQ(calls.names(), (QStringList{"head", "line", "rest"})) << "segment " << segment;
        EXPECT_EQ(calls.calls()[1].payload.toByteArray(), QByteArray("hello\n"));
        EXPECT_EQ(calls.calls()[2].payload.toByteArray(), QByteArray("world"));
    }
}

// A step ends once: whichever way it ended first, a second ending calls no block and changes
// nothing, so two racing paths (a reply and a time-out) never answer twice.
TEST(OperationEnd, SettlingAnEndedStepCallsNoBlock)
{
    using End = std::function<bool(QXChainedSocketOperation &)>;
    const QList<std::pair<QString, End>> ends = {
        {QStringLiteral("succeed"), [](QXChainedSocketOperation &step) { return step.succeed(200, QVariant()); }},
        {QStringLiteral("fail"), [](QXChainedSocketOperation &step) { return step.fail(302, QVariant()); }},
        {QStringLiteral("failWithoutStep"),
         [](QXChainedSocketOperation &step) { return step.failWithoutStep(303, QVariant()); }},
    };
    for (const auto &[firstName, first] : ends) {
        for (const auto &[secondName, second] : ends) {
            BlockRecorder calls;
            const QXOperationRef step =
                QXChainedSocketOperation::operationWithTimeout(1, calls.block("success"), calls.block("failure"));
            EXPECT_TRUE(first(*step)) << firstName.toStdString();
            const quint64 ended = step->status();
            EXPECT_FALSE(second(*step)) << firstName.toStdString() << " then " << secondName.toStdString();
            EXPECT_EQ(calls.calls().size(), 1) << firstName.toStdString() << " then " << secondName.toStdString();
            EXPECT_EQ(step->status(), ended);
        }
    }
}
