#include "BlockRecorder.h"
#include "EventLoop.h"
#include "FakeFan.h"
#include "QXInsSocket.h"
#include "QXLogCapture.h"
#include "QXSocketCode.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <thread>

using orvane::test::BlockRecorder;
using orvane::test::FakeFan;
using orvane::test::spinFor;
using orvane::test::waitUntil;

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

QByteArray head(QXInsCode code)
{
    return bytes({0x35, 0xA4, qxInsByte(code)});
}

struct Fixture
{
    explicit Fixture(const QHostAddress &address = QHostAddress::LocalHost) : fan(address), socket(kLoopback, fan.port())
    {
    }
    BlockRecorder calls;
    FakeFan fan;
    QXInsSocket socket;

    QXOperationBlock success() { return calls.block("success"); }
    QXOperationBlock failure() { return calls.block("failure"); }
    // The one call of a request, after a pause long enough to show that no second call follows.
    BlockRecorder::Call onlyCall()
    {
        EXPECT_TRUE(calls.waitFor(1));
        spinFor(50);
        EXPECT_EQ(calls.count(), 1) << calls.names().join(',').toStdString();
        return calls.count() > 0 ? calls.calls().first() : BlockRecorder::Call{};
    }
};

struct RecordingDelegate : QXInsSocketDelegate
{
    void insSocket(QXInsSocket *, const QString &password, const QString &deviceName) override
    {
        std::lock_guard lock(mutex);
        accepted.append({password, deviceName});
    }
    std::mutex mutex;
    QList<std::pair<QString, QString>> accepted;
};

// Every instruction of the short form with the number it has on the wire.
const QList<std::pair<QXInsCode, int>> kShortInstructions = {
    {QXInsCode::powerOn, 1}, {QXInsCode::powerOff, 2}, {QXInsCode::light, 3}, {QXInsCode::deleteItem, 4},
    {QXInsCode::clearList, 5}, {QXInsCode::pause, 6}, {QXInsCode::play, 7}, {QXInsCode::playItem, 8},
    {QXInsCode::status, 10}, {QXInsCode::closeTimer, 14}, {QXInsCode::angle, 17}, {QXInsCode::volume, 20},
    {QXInsCode::breathLamp, 21}, {QXInsCode::autoStart, 23}, {QXInsCode::staToAp, 24}, {QXInsCode::screenMoveX, 32},
    {QXInsCode::screenMoveY, 33}, {QXInsCode::maskMode, 34}, {QXInsCode::whiteBlank, 35}, {QXInsCode::innerRadius, 36},
    {QXInsCode::coverLength, 37}, {QXInsCode::rightMaskAngle, 38}, {QXInsCode::rightMaskLength, 39}, {QXInsCode::topMaskAngle, 40},
    {QXInsCode::topMaskLength, 41}, {QXInsCode::leftMaskAngle, 42}, {QXInsCode::leftMaskLength, 43}, {QXInsCode::bottomMaskAngle, 44},
    {QXInsCode::bottomMaskLength, 45}, {QXInsCode::mask, 46}, {QXInsCode::serverIndex, 49}, {QXInsCode::restart, 51},
    {QXInsCode::useList, 52}, {QXInsCode::deleteList, 53}, {QXInsCode::switchGap, 54}, {QXInsCode::rotationRate, 55},
    {QXInsCode::remoteControl, 56}, {QXInsCode::emergencyStop, 57}, {QXInsCode::cellular4G, 67}, {QXInsCode::hotspot, 68},
};

} // namespace

TEST(InsSocket, EveryShortInstructionIsSentAndItsReplyChecked)
{
    Fixture f;
    for (const auto &[code, number] : kShortInstructions)
        f.socket.sendInsWithType(code, qint16(number * 10 - 300), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(kShortInstructions.size()));
    const QList<FakeFan::Frame> frames = f.fan.frames();
    ASSERT_EQ(frames.size(), kShortInstructions.size());
    for (qsizetype i = 0; i < kShortInstructions.size(); ++i) {
        const int number = kShortInstructions[i].second;
        const quint16 data = quint16(number * 10 - 300);
        EXPECT_EQ(frames[i].bytes, bytes({0x05, 0x35, 0xA4, number, data >> 8, data & 0xFF})) << number;
        const BlockRecorder::Call call = f.calls.calls()[i];
        EXPECT_EQ(call.name, "success") << number;
        EXPECT_EQ(call.payload.toByteArray(), FakeFan::plainReply(quint8(number)));
    }
    EXPECT_EQ(f.fan.connectionCount(), 1);
}

TEST(InsSocket, FramesOfTheirOwnAreSentAsTheDeviceExpects)
{
    Fixture f;
    f.socket.ap2Sta(QStringLiteral("abc"), QStringLiteral("12345678"), f.success(), f.failure());
    f.socket.sendTimer(QStringLiteral("2024-01-02 03:04:05"), QStringLiteral("08:00:00"), QStringLiteral("22:30:00"),
                       f.success(), f.failure());
    f.socket.connectBluetoothAddress(QStringLiteral("AA:BB"), f.success(), f.failure());
    f.socket.changeWifiPassword(QStringLiteral("newpass1"), f.success(), f.failure());
    f.socket.sendUnityCommandWithParams(QJsonObject{{QStringLiteral("a"), 1}}, f.success(), f.failure());
    f.socket.sta2ApWithSuccess(f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(6));
    EXPECT_EQ(f.calls.names(), QStringList(6, "success"));

    const QList<FakeFan::Frame> frames = f.fan.frames();
    ASSERT_EQ(frames.size(), 6);
    EXPECT_EQ(frames[0].bytes, bytes({0x10, 0x35, 0xA4, 0x12, 0x03, 0x08}) + "abc12345678");
    EXPECT_EQ(frames[1].bytes,
              bytes({0x29, 0x35, 0xA4, 0x0D, 0x13, 0x08, 0x08}) + "2024-01-02 03:04:0508:00:0022:30:00");
    EXPECT_EQ(frames[2].bytes, bytes({0x09, 0x35, 0xA4, 0x30, 0x05}) + "AA:BB");
    EXPECT_EQ(frames[3].bytes, bytes({0x0C, 0x35, 0xA4, 0x41, 0x08}) + "newpass1");
    EXPECT_EQ(frames[4].bytes, bytes({0x0B, 0x35, 0xA4, 0x98, 0x07}) + "{\"a\":1}");
    EXPECT_EQ(frames[5].bytes, bytes({0x05, 0x35, 0xA4, 0x18, 0x00, 0x00}));
    EXPECT_EQ(f.calls.calls()[4].payload.toByteArray(), FakeFan::plainReply(0x98)) << "code 152 as an unsigned byte";
}

// Every failed check is a failure with 302, including the generic send and the Wi-Fi join.
TEST(InsSocket, AReplyThatFailsItsCheckReachesTheFailureBlockWith302)
{
    Fixture f;
    f.fan.setReply(0x11, head(QXInsCode::currentPlayList));
    f.fan.setReply(0x12, head(QXInsCode::status));
    f.fan.setReply(0x0D, bytes({0x35, 0xA5, 0x0D}));
    f.socket.sendInsWithType(QXInsCode::angle, qint16(300), f.success(), f.failure());
    f.socket.ap2Sta(QStringLiteral("net"), QStringLiteral("password"), f.success(), f.failure());
    f.socket.sendTimer(QStringLiteral("2024-01-02 03:04:05"), QStringLiteral("08:00:00"), QStringLiteral("22:30:00"),
                       f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    spinFor(50);
    ASSERT_EQ(f.calls.count(), 3);
    for (const BlockRecorder::Call &call : f.calls.calls()) {
        EXPECT_EQ(call.name, "failure");
        EXPECT_TRUE(call.code == QXSocketCode::checkFailed);
    }
    EXPECT_EQ(f.calls.calls()[0].payload.toByteArray(), head(QXInsCode::currentPlayList));
}

TEST(InsSocket, AReplyOfTwoBytesPassesTheCheck)
{
    Fixture f;
    f.fan.setReply(0x11, bytes({0x00, 0x01}));
    f.socket.sendInsWithType(QXInsCode::angle, qint16(1), f.success(), f.failure());
    const BlockRecorder::Call call = f.onlyCall();
    EXPECT_EQ(call.name, "success");
    EXPECT_EQ(call.payload.toByteArray(), bytes({0x00, 0x01}));
}

TEST(InsSocket, ListRepliesReadExactlyTheirLengthInOneSegmentOrMany)
{
    const QByteArray body = QStringLiteral("clip.mp4,1024,1\nvidéo.mp4,2048,2").toUtf8();
    for (int segment : {0, 1, 3, 8}) {
        Fixture f;
        f.fan.setScript([&body, segment](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
            if (frame.code != 0x0B)
                return std::nullopt;
            const QByteArray reply = FakeFan::listReply(0x0B, body + char(frame.bytes[4]));
            return segment ? FakeFan::Reply::split(reply, segment, 2) : FakeFan::Reply::bytes(reply);
        });
        f.socket.downloadListWithSuccess(f.success(), f.failure());
        f.socket.fetchListAtIndex(2, f.success(), f.failure());
        f.socket.fetchPlaylistsWithSuccess(f.success(), f.failure());
        f.socket.fetchVideoListWithSuccess(f.success(), f.failure());
        f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
        ASSERT_TRUE(f.calls.waitFor(5)) << "segment " << segment;
        EXPECT_EQ(f.calls.names(), QStringList(5, "success"));
        const QString text = QString::fromUtf8(body);
        EXPECT_EQ(f.calls.calls()[0].payload.toString(), text + QChar(0));
        EXPECT_EQ(f.calls.calls()[1].payload.toString(), text + QChar(1));
        EXPECT_EQ(f.calls.calls()[2].payload.toString(), text + QChar(2));
        EXPECT_EQ(f.calls.calls()[3].payload.toString(), text + QChar(3));
        EXPECT_EQ(f.calls.calls()[4].payload.toByteArray(), FakeFan::plainReply(0x0A)) << "nothing left over";
        const QList<FakeFan::Frame> frames = f.fan.frames();
        EXPECT_EQ(frames[1].bytes, bytes({0x05, 0x35, 0xA4, 0x0B, 0x01, 0x02}));
        EXPECT_EQ(frames[3].bytes, bytes({0x05, 0x35, 0xA4, 0x0B, 0x03, 0x00}));
    }
}

TEST(InsSocket, AnEmptyOrNegativeListLengthEndsWithAnEmptyText)
{
    Fixture f;
    f.fan.setScript([](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        if (frame.code != 0x0B)
            return std::nullopt;
        const bool negative = frame.bytes[4] == 1;
        return FakeFan::Reply::bytes(negative ? bytes({0x35, 0xA4, 0x0B, 0x80, 0x00, 0x00, 0x00})
                                              : FakeFan::listReply(0x0B, QByteArray()));
    });
    f.socket.downloadListWithSuccess(f.success(), f.failure());
    f.socket.fetchListAtIndex(0, f.success(), f.failure());
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    EXPECT_EQ(f.calls.names(), QStringList(3, "success"));
    EXPECT_EQ(f.calls.calls()[0].payload.toString(), QString(QLatin1String("")));
    EXPECT_EQ(f.calls.calls()[1].payload.toString(), QString(QLatin1String("")));
}

TEST(InsSocket, AListHeadThatFailsItsCheckFailsOnceWith302)
{
    Fixture f;
    f.fan.setReply(0x0B, bytes({0x35, 0xA4, 0x0C, 0x00, 0x00, 0x00, 0x05}) + "abcde");
    f.socket.downloadListWithSuccess(f.success(), f.failure());
    const BlockRecorder::Call call = f.onlyCall();
    EXPECT_EQ(call.name, "failure");
    EXPECT_TRUE(call.code == QXSocketCode::checkFailed);
    EXPECT_EQ(call.payload.toByteArray(), bytes({0x35, 0xA4, 0x0C, 0x00, 0x00, 0x00, 0x05}));
}

TEST(InsSocket, BluetoothListIsParsedAsJson)
{
    Fixture f;
    QList<QByteArray> bodies = {"[{\"name\":\"speaker\"}]", "not json", ""};
    f.fan.setScript([&bodies](const FakeFan::Frame &) -> std::optional<FakeFan::Reply> {
        return FakeFan::Reply::bytes(FakeFan::listReply(0x2F, bodies.takeFirst()));
    });
    f.socket.fetchBluetoothList(f.success(), f.failure());
    f.socket.fetchBluetoothList(f.success(), f.failure());
    f.socket.fetchBluetoothList(f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    EXPECT_EQ(f.calls.names(), (QStringList{"success", "failure", "success"}));
    const QJsonValue list = f.calls.calls()[0].payload.value<QJsonValue>();
    EXPECT_EQ(list.toArray().at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("speaker"));
    EXPECT_TRUE(f.calls.calls()[1].code == QXSocketCode::checkFailed);
    EXPECT_EQ(f.calls.calls()[2].payload.toString(), QString(QLatin1String("")));
    EXPECT_EQ(f.fan.frames()[0].bytes, bytes({0x05, 0x35, 0xA4, 0x2F, 0x00, 0x00}));
}

TEST(InsSocket, JsonCommandReadsItsBodyAndNamesAMissingHead)
{
    Fixture f;
    f.fan.setReply(0x40, FakeFan::Reply::split(FakeFan::jsonReply("{\"ok\":true}"), 4));
    f.socket.sendJsonCommanndWithParams(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("x")}}, f.success(),
                                        f.failure());
    BlockRecorder::Call call = f.onlyCall();
    EXPECT_EQ(call.name, "success");
    EXPECT_EQ(call.payload.toByteArray(), QByteArray("{\"ok\":true}"));
    EXPECT_EQ(f.fan.frames()[0].bytes, bytes({0x05, 0x35, 0xA4, 0x40, 0x0B, 0x00}) + "{\"cmd\":\"x\"}");

    Fixture silent;
    silent.fan.setSilent(true);
    silent.socket.setReadTimeout(1);
    silent.socket.sendJsonCommanndWithParams(QJsonValue(1), silent.success(), silent.failure());
    call = silent.onlyCall();
    EXPECT_EQ(call.name, "failure");
    EXPECT_TRUE(call.code == QXSocketCode::jsonHeadMissing);
}

TEST(InsSocket, CurrentPlayListIndexNeedsAReplyThatHoldsIt)
{
    Fixture f;
    QList<QByteArray> replies = {FakeFan::indexReply(-3), head(QXInsCode::currentPlayList)};
    f.fan.setScript([&replies](const FakeFan::Frame &) -> std::optional<FakeFan::Reply> {
        return FakeFan::Reply::bytes(replies.takeFirst());
    });
    f.socket.fetchCurrentPlayListIndexWithSuccess(f.success(), f.failure());
    f.socket.fetchCurrentPlayListIndexWithSuccess(f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(2));
    EXPECT_EQ(f.calls.names(), (QStringList{"success", "failure"}));
    EXPECT_EQ(f.calls.calls()[0].payload.toInt(), -3);
    EXPECT_TRUE(f.calls.calls()[1].code == QXSocketCode::checkFailed);
    EXPECT_EQ(f.fan.frames()[0].bytes, bytes({0x05, 0x35, 0xA4, 0x0C, 0x02, 0x00}));
}

// The head arrives as one read of whatever comes; however the name's bytes are cut into
// segments after it, the name is read whole and only once.
TEST(InsSocket, CurrentPlayListNameIsReadWholeHoweverItArrives)
{
    const QByteArray name = QStringLiteral("Liste für heute").toUtf8();
    const QByteArray reply = FakeFan::nameReply(name);
    FakeFan::Reply byteByByte = FakeFan::Reply::split(reply.mid(5), 1, 2);
    byteByByte.segments.prepend(reply.left(5));
    const QList<FakeFan::Reply> shapes = {
        FakeFan::Reply::bytes(reply),
        FakeFan::Reply::split(reply, 5),
        FakeFan::Reply::split(reply, 7),
        byteByByte,
    };
    for (const FakeFan::Reply &shape : shapes) {
        Fixture f;
        f.fan.setReply(0x0C, shape);
        f.socket.fetchCurrentPlayListNameWithSuccess(f.success(), f.failure());
        f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
        ASSERT_TRUE(f.calls.waitFor(2));
        EXPECT_EQ(f.calls.names(), (QStringList{"success", "success"})) << shape.segments.size();
        EXPECT_EQ(f.calls.calls()[0].payload.toString(), QString::fromUtf8(name));
        EXPECT_EQ(f.fan.frames()[0].bytes, bytes({0x05, 0x35, 0xA4, 0x0C, 0x03, 0x00}));
    }
}

TEST(InsSocket, ANameReplyWithoutANameFailsOnceWith302)
{
    for (const QByteArray &reply : {FakeFan::indexReply(0), FakeFan::indexReply(-5), head(QXInsCode::currentPlayList),
                                    bytes({0x35, 0xA4, 0x0B, 0x00, 0x02, 'a', 'b'})}) {
        Fixture f;
        f.fan.setReply(0x0C, reply);
        f.socket.fetchCurrentPlayListNameWithSuccess(f.success(), f.failure());
        const BlockRecorder::Call call = f.onlyCall();
        EXPECT_EQ(call.name, "failure") << reply.toHex().toStdString();
        EXPECT_TRUE(call.code == QXSocketCode::checkFailed);
        EXPECT_EQ(call.payload.toByteArray(), reply);
    }
}

// Frames whose counts cannot hold their content are refused before anything is sent.
TEST(InsSocket, ArgumentsThatCannotBeFramedAreRefusedWith303)
{
    Fixture f;
    const QString longText(252, QLatin1Char('x'));
    EXPECT_FALSE(f.socket.ap2Sta(QString(), QStringLiteral("secret12"), f.success(), f.failure()));
    EXPECT_FALSE(f.socket.ap2Sta(QStringLiteral("net"), QString(), f.success(), f.failure()));
    EXPECT_FALSE(f.socket.ap2Sta(QString(125, QLatin1Char('n')), QString(126, QLatin1Char('p')), f.success(),
                                 f.failure()));
    EXPECT_FALSE(f.socket.sendTimer(QStringLiteral("2024-1-2 3:4:5"), QStringLiteral("08:00:00"),
                                    QStringLiteral("22:00:00"), f.success(), f.failure()));
    EXPECT_FALSE(f.socket.connectBluetoothAddress(longText, f.success(), f.failure()));
    EXPECT_FALSE(f.socket.changeWifiPassword(longText, f.success(), f.failure()));
    EXPECT_FALSE(f.socket.sendUnityCommandWithParams(QJsonValue(longText), f.success(), f.failure()));
    EXPECT_FALSE(f.socket.sendJsonCommanndWithParams(QJsonValue(QString(70000, QLatin1Char('j'))), f.success(),
                                                     f.failure()));
    const QList<BlockRecorder::Call> calls = f.calls.calls();
    ASSERT_EQ(calls.size(), 8) << "refused before returning";
    for (const BlockRecorder::Call &call : calls) {
        EXPECT_EQ(call.name, "failure");
        EXPECT_TRUE(call.code == QXSocketCode::badArgument);
        EXPECT_FALSE(call.operation);
    }
    EXPECT_EQ(calls[0].payload.toString(), QStringLiteral("wifi:(null), pwd:********"));
    EXPECT_EQ(calls[1].payload.toString(), QStringLiteral("wifi:net, pwd:(null)"));
    EXPECT_FALSE(calls[2].payload.toString().contains(QString(126, QLatin1Char('p'))));
    spinFor(100);
    EXPECT_EQ(f.fan.connectionCount(), 0);
}

// The password precedes the first instruction; the queued requests are then answered in order.
TEST(InsSocket, PasswordStepRunsBeforeTheFirstInstruction)
{
    Fixture f;
    RecordingDelegate delegate;
    f.fan.requirePassword("12345678");
    f.socket.setDelegate(&delegate);
    f.socket.setShouldVerify(true);
    f.socket.setVerifyData("12345678");
    f.socket.setWifiName(QStringLiteral("POV-360-1"));
    f.socket.downloadListWithSuccess(f.calls.block("list"), f.failure());
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.calls.block("status"), f.failure());
    f.socket.sendInsWithType(QXInsCode::mask, qint16(0), f.calls.block("mask"), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    EXPECT_EQ(f.calls.names(), (QStringList{"list", "status", "mask"}));
    EXPECT_TRUE(f.fan.received().startsWith("12345678\x05\x35\xA4\x0B"));
    EXPECT_EQ(f.fan.codes(), (QList<quint8>{0x0B, 0x0A, 0x2E}));
    EXPECT_EQ(f.socket.verifyState(), QXInsSocket::Accepted);
    EXPECT_TRUE(f.socket.isReadyForInstructions());
    ASSERT_EQ(delegate.accepted.size(), 1);
    EXPECT_EQ(delegate.accepted[0], std::make_pair(QStringLiteral("12345678"), QStringLiteral("POV-360-1")));

    // A new connection passes the step again.
    f.fan.disconnectClients();
    ASSERT_TRUE(waitUntil([&] { return f.socket.status() == QXAsyncSocket::Disconnected; }));
    EXPECT_EQ(f.socket.verifyState(), QXInsSocket::NotChecked);
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.calls.block("again"), f.failure());
    ASSERT_TRUE(f.calls.waitFor(4));
    EXPECT_EQ(f.calls.calls().last().name, "again");
    EXPECT_EQ(f.fan.passwordAttempts(), 2);
    f.socket.setDelegate(nullptr);
}

TEST(InsSocket, ARefusedPasswordFailsTheRequestWith302AndIsAskedAgain)
{
    Fixture f;
    f.fan.requirePassword("12345678");
    f.socket.setShouldVerify(true);
    f.socket.setVerifyData("87654321");
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    const BlockRecorder::Call call = f.onlyCall();
    EXPECT_EQ(call.name, "failure");
    EXPECT_TRUE(call.code == QXSocketCode::checkFailed);
    EXPECT_TRUE(call.operation);
    EXPECT_EQ(f.socket.verifyState(), QXInsSocket::NotChecked);
    EXPECT_TRUE(f.fan.frames().isEmpty()) << "the refused request is never sent";
    EXPECT_FALSE(f.socket.isReadyForInstructions()) << "a link that failed the password step is not ready";

    f.socket.setVerifyData("12345678");
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(2));
    EXPECT_EQ(f.calls.calls()[1].name, "success");
    EXPECT_EQ(f.fan.passwordAttempts(), 2);
    EXPECT_EQ(f.fan.connectionCount(), 1) << "asked again on the same connection";
}

// Requests made while the password step runs wait behind it; when it is refused they fail with
// it, and none of them goes out on the refused link.
TEST(InsSocket, RequestsQueuedDuringARefusedPasswordStepFailWithIt)
{
    Fixture f;
    f.fan.requirePassword("12345678");
    f.socket.setShouldVerify(true);
    f.socket.setVerifyData("87654321");
    f.socket.downloadListWithSuccess(f.success(), f.failure());
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    f.socket.sendInsWithType(QXInsCode::mask, qint16(0), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    spinFor(100);
    EXPECT_EQ(f.calls.names(), (QStringList{"failure", "failure", "failure"}));
    for (const BlockRecorder::Call &call : f.calls.calls())
        EXPECT_TRUE(call.code == QXSocketCode::checkFailed);
    EXPECT_EQ(f.fan.passwordAttempts(), 1);
    EXPECT_TRUE(f.fan.frames().isEmpty());
    EXPECT_EQ(f.fan.received(), QByteArray("87654321"));
}

TEST(InsSocket, APasswordCheckWithoutAPasswordFailsAtOnce)
{
    Fixture f;
    f.socket.setShouldVerify(true);
    EXPECT_FALSE(f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure()));
    ASSERT_EQ(f.calls.count(), 1);
    EXPECT_TRUE(f.calls.calls()[0].code == QXSocketCode::checkFailed);
    EXPECT_EQ(f.calls.calls()[0].payload.toString(), QStringLiteral("verifyData为空!"));
    spinFor(100);
    EXPECT_EQ(f.calls.count(), 1);
    EXPECT_EQ(f.fan.connectionCount(), 0);
}

TEST(InsSocket, CurrentInsSeenFromAnotherThreadMovesFromPasswordToCodeToIdle)
{
    Fixture f;
    f.fan.requirePassword("12345678");
    f.fan.setDelay(150);
    f.socket.setShouldVerify(true);
    f.socket.setVerifyData("12345678");
    EXPECT_EQ(f.socket.currentIns(), -1);
    EXPECT_TRUE(f.socket.isFree());

    std::atomic<bool> done{false};
    std::atomic<bool> watching{false};
    QList<qint64> seen;
    std::thread watcher([&] {
        while (!done) {
            const qint64 value = f.socket.currentIns();
            if (seen.isEmpty() || seen.last() != value)
                seen.append(value);
            watching = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    while (!watching)
        std::this_thread::yield();
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    EXPECT_TRUE(f.calls.waitFor(1));
    EXPECT_TRUE(waitUntil([&] { return f.socket.currentIns() == -1; }));
    spinFor(20);
    done = true;
    watcher.join();
    EXPECT_EQ(seen, (QList<qint64>{-1, -2, 10, -1}));
    EXPECT_TRUE(f.socket.isFree());
}

TEST(InsSocket, NoPasswordReachesTheLog)
{
    orvane::test::QXLogCapture log;
    Fixture f;
    f.fan.requirePassword("sekret99");
    f.socket.setShouldVerify(true);
    f.socket.setVerifyData("sekret99");
    f.socket.ap2Sta(QStringLiteral("net"), QStringLiteral("wifipass1"), f.success(), f.failure());
    f.socket.changeWifiPassword(QStringLiteral("newpass12"), f.success(), f.failure());
    f.socket.ap2Sta(QString(), QStringLiteral("wifipass1"), f.success(), f.failure());
    // A union's open-sync command carries each slave's password inside its JSON.
    const QJsonObject slave{{QStringLiteral("sn"), QStringLiteral("fan")}, {QStringLiteral("pwd"), QStringLiteral("slavepw7")}};
    f.socket.sendJsonCommanndWithParams(
        QJsonObject{{QStringLiteral("type"), 64}, {QStringLiteral("slaveList"), QJsonArray{slave}}}, f.success(),
        f.failure());
    ASSERT_TRUE(f.calls.waitFor(4));
    EXPECT_TRUE(log.contains(QStringLiteral("ProcessingOperation"))) << "the write steps were logged";
    EXPECT_TRUE(log.contains(QStringLiteral("\"pwd\":\"********\""))) << "the JSON line still shows its keys";
    EXPECT_TRUE(f.fan.received().contains("\"pwd\":\"slavepw7\"")) << "the fan gets the real password";
    for (const QByteArray &secret :
         {QByteArray("sekret99"), QByteArray("wifipass1"), QByteArray("newpass12"), QByteArray("slavepw7")}) {
        EXPECT_FALSE(log.contains(QString::fromLatin1(secret))) << secret.constData();
        EXPECT_FALSE(log.contains(QString::fromLatin1(secret.toHex(' ')))) << secret.constData();
    }
}

// A fan that closes the connection in the middle of a request, or at once, ends each request
// with one 305; the next request connects again.
TEST(InsSocket, AFanThatDropsOrRefusesTheConnectionGivesOne305)
{
    Fixture f;
    f.fan.setDropAfter(3);
    f.socket.downloadListWithSuccess(f.success(), f.failure());
    BlockRecorder::Call call = f.onlyCall();
    EXPECT_EQ(call.name, "failure");
    EXPECT_TRUE(call.code == QXSocketCode::disconnected);
    EXPECT_EQ(f.fan.received(), bytes({0x05, 0x35, 0xA4}));

    f.fan.setDropAfter(0);
    f.fan.setRefuseConnections(true);
    ASSERT_TRUE(waitUntil([&] { return f.socket.status() == QXAsyncSocket::Disconnected; }));
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(2));
    EXPECT_TRUE(f.calls.calls()[1].code == QXSocketCode::disconnected);

    f.fan.setRefuseConnections(false);
    ASSERT_TRUE(waitUntil([&] { return f.socket.status() == QXAsyncSocket::Disconnected; }));
    f.socket.sendInsWithType(QXInsCode::status, qint16(0), f.success(), f.failure());
    ASSERT_TRUE(f.calls.waitFor(3));
    EXPECT_EQ(f.calls.calls()[2].name, "success");
    EXPECT_EQ(f.fan.connectionCount(), 3);
}
