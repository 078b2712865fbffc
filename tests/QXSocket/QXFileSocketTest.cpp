#include "EventLoop.h"
#include "FileSocketHarness.h"
#include "QXAppFolder.h"
#include "QXSocketCode.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace orvane::test;

namespace {

// A converter that writes the given bytes to its output (the last argument) and exits with `status`.
QXConverterRunner writingConverter(const QByteArray &bytes, int status)
{
    return [bytes, status](const QStringList &arguments) {
        if (!bytes.isEmpty())
            writeFile(arguments.last(), bytes);
        return status;
    };
}

class QXFileSocketTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fan.start());
        aimAtFan(socket, fan);
        socket.setDelegate(&delegate);
        socket.setWifiName(QStringLiteral("Fan-1"));
        socket.setResolution(QStringLiteral("64"));
        socket.setRate(QStringLiteral("1M"));
        // Every source holds a picture here: measuring a real one would start ffprobe, which the
        // thread checker these uploads also run under cannot follow.
        socket.setMediaSizeProbe([](const QString &) { return QSizeF(64, 64); });
            }

    void send(const QList<QXFileRef> &files, UploadRecorder &recorder)
    {
        socket.sendFiles(files, recorder.translate(), recorder.progress(), recorder.success(), recorder.failure());
    }

    bool waitIdle() { return waitUntil([this] { return socket.currentIns() == QXFileSocket::Idle; }); }

    QTemporaryDir dir;
    FakeFanFileServer fan;
    ScriptedFileDelegate delegate;
    QXFileSocket socket;
    UploadRecorder record;
};

} // namespace

TEST_F(QXFileSocketTest, TenThousandBytesReachTheFanInSlices)
{
    const QXFileRef file = convertedFile(dir.path(), "abc.mp4", "abc", 10000);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(1));
    const auto outcome = record.outcomes().first();
    EXPECT_TRUE(outcome.success);
    EXPECT_EQ(outcome.code, QXSocketCode::success);
    EXPECT_EQ(outcome.payload.value<QXFileRef>(), file);

    EXPECT_EQ(record.writeSizes(), (QList<qsizetype>{17 + 7, 4096, 4096, 1808}));
    const QList<double> progress = record.progressValues();
    ASSERT_EQ(progress.size(), 4);
    const double expected[] = {0, 0.4096, 0.8192, 1};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(progress[i], expected[i], 1e-9);
    EXPECT_EQ(record.translations(), (QStringList{"0:" + file->path(), "1:" + file->path()}));

    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    const QByteArray wire = QByteArray::fromHex("01" "0000000000002727" "0000000000000007") + "abc.mp4"
        + readFile(file->path());
    EXPECT_EQ(fan.streams().value(0), wire);
    EXPECT_EQ(fan.connectionPorts(), QList<quint16>{fan.plainPort()});
    EXPECT_TRUE(waitIdle());
}

TEST_F(QXFileSocketTest, FileLargerThanEveryBufferArrivesWhole)
{
    // Far more than the send and receive buffers hold: the writes must go on as the fan reads.
    const QXFileRef file = convertedFile(dir.path(), "big.mp4", "big", 8 * 1024 * 1024 + 123);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(1, 20000));
    EXPECT_TRUE(record.outcomes()[0].success) << record.outcomes()[0].payload.toString().toStdString();
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    EXPECT_EQ(fan.transfers()[0].body, readFile(file->path()));
    EXPECT_EQ(record.progressValues().size(), 1 + 2049);
}

TEST_F(QXFileSocketTest, ListGoesOnPastAFileThatCannotBeSent)
{
    const QXFileRef first = convertedFile(dir.path(), "a.mp4", "a", 3000);
    const auto text = std::make_shared<QXFile>(writeFile(dir.filePath("notes.txt"), "hello"), QString());
    const QXFileRef last = convertedFile(dir.path(), "c.mp4", "c", 5000);
    send({first, text, last}, record);
    ASSERT_TRUE(record.waitForOutcomes(3));
    const auto outcomes = record.outcomes();
    EXPECT_TRUE(outcomes[0].success);
    EXPECT_FALSE(outcomes[1].success);
    EXPECT_EQ(outcomes[1].code, QXSocketCode::checkFailed);
    EXPECT_EQ(outcomes[1].payload.toString(), QStringLiteral("转码文件不存在"));
    EXPECT_TRUE(outcomes[2].success);
    EXPECT_EQ(outcomes[2].payload.value<QXFileRef>(), last);

    // One connection per sent file, none for the text file.
    EXPECT_EQ(fan.connectionPorts().size(), 2);
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 2; }));
    EXPECT_EQ(fan.transfers()[0].name, "a.mp4");
    EXPECT_EQ(fan.transfers()[1].name, "c.mp4");
    EXPECT_TRUE(socket.uploadingFiles().isEmpty());
    spinFor(100);
    EXPECT_EQ(record.outcomes().size(), 3);
}

TEST_F(QXFileSocketTest, PasswordStepCalledDirectly)
{
    // Wrong lengths are refused before anything reaches the wire.
    socket.checkPassword("1234567", record.success(), record.failure());
    socket.checkPassword("123456789", record.success(), record.failure());
    ASSERT_EQ(record.outcomes().size(), 2);
    for (const auto &outcome : record.outcomes()) {
        EXPECT_EQ(outcome.code, QXSocketCode::badArgument);
        EXPECT_EQ(outcome.payload.toString(), QStringLiteral("密码格式错误"));
    }

    socket.setPort(fan.passwordPort());
    fan.setRefusePassword(true);
    socket.checkPassword("12345678", record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(3));
    EXPECT_EQ(record.outcomes()[2].code, QXSocketCode::checkFailed);
    EXPECT_EQ(record.outcomes()[2].payload.toByteArray(), "0");
    EXPECT_TRUE(delegate.acceptedPasswords().isEmpty());

    // A second try on the same connection.
    fan.setRefusePassword(false);
    socket.checkPassword("12345678", record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(4));
    EXPECT_TRUE(record.outcomes()[3].success);
    EXPECT_EQ(record.outcomes()[3].payload.toByteArray(), "1");
    EXPECT_TRUE(waitUntil([this] { return delegate.acceptedPasswords() == QStringList{"12345678"}; }));
    EXPECT_EQ(fan.connectionPorts(), QList<quint16>{fan.passwordPort()});

    // A cancelled prompt.
    delegate.setPromptAnswer(std::nullopt);
    socket.checkPasswordWithDialog(record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(5));
    EXPECT_EQ(record.outcomes()[4].code, QXSocketCode::checkFailed);
    EXPECT_FALSE(record.outcomes()[4].payload.isValid());
    EXPECT_EQ(delegate.prompts(), QStringList{"ov_connect_device:Fan-1,ov_psd:"});
}

TEST_F(QXFileSocketTest, FailedPasswordStepFailsTheListOnce)
{
    fan.closePlainPort();
    socket.setShouldVerify(true);
    const QXFileRef file = convertedFile(dir.path(), "p.mp4", "p", 100);

    delegate.setPromptAnswer(QStringLiteral("1234567"));
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(1));

    delegate.setPromptAnswer(std::nullopt);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(2));

    fan.setRefusePassword(true);
    delegate.setPromptAnswer(QStringLiteral("12345678"));
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(3));

    for (const auto &outcome : record.outcomes()) {
        EXPECT_FALSE(outcome.success);
        EXPECT_EQ(outcome.code, QXSocketCode::notConnected);
        EXPECT_EQ(outcome.payload.toString(), QStringLiteral("Socket自动连接失败"));
    }
    EXPECT_EQ(fan.passwords(), QList<QByteArray>{"12345678"});
    EXPECT_TRUE(fan.transfers().isEmpty());
    spinFor(100);
    EXPECT_EQ(record.outcomes().size(), 3);
}

TEST_F(QXFileSocketTest, StoredPasswordThatFailsLeadsToThePrompt)
{
    fan.closePlainPort();
    socket.setShouldVerify(true);
    delegate.setStoredPassword(QStringLiteral("87654321"));
    delegate.setPromptAnswer(QStringLiteral("12345678"));
    const QXFileRef file = convertedFile(dir.path(), "s.mp4", "s", 5000);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(1));
    EXPECT_TRUE(record.outcomes().first().success);
    EXPECT_EQ(fan.passwords(), (QList<QByteArray>{"87654321", "12345678"}));
    EXPECT_EQ(delegate.prompts().size(), 1);
    EXPECT_EQ(delegate.acceptedPasswords(), QStringList{"12345678"});
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    EXPECT_EQ(fan.transfers().first().port, fan.passwordPort());
    EXPECT_EQ(fan.transfers().first().bodySize, 5000);
}

TEST_F(QXFileSocketTest, FailedConversionIsNeverUploaded)
{
    const QString output = qxAppDataFolder() + "/out.mp4";
    const QString source = writeFile(dir.filePath("clip.mp4"), "not really a video");
    // No program is started here (TSan runs this test and cannot follow a fork); the real runner
    // with a stand-in ffmpeg is tested with the conversion.
    const QList<QXConverterRunner> converters = {
        writingConverter({}, 1),        // writes nothing, exits 1
        writingConverter("partial", 1), // leaves a partial output behind
        writingConverter({}, 0),        // claims success but writes nothing
    };
    int expected = 0;
    for (const QXConverterRunner &converter : converters) {
        writeFile(output, "stale output of an earlier upload");
        socket.setFfmpeg_mac(converter);
        socket.sendFile(std::make_shared<QXFile>(source, "clip"), nullptr, record.progress(), record.success(),
                        record.failure());
        ASSERT_TRUE(record.waitForOutcomes(++expected));
        const auto outcome = record.outcomes().last();
        EXPECT_FALSE(outcome.success);
        EXPECT_EQ(outcome.code, QXSocketCode::checkFailed);
        EXPECT_EQ(outcome.payload.toString(), QStringLiteral("转码文件不存在"));
        EXPECT_FALSE(QFile::exists(output));
    }
    EXPECT_TRUE(fan.connectionPorts().isEmpty());
    EXPECT_TRUE(record.progressValues().isEmpty());
    EXPECT_TRUE(QFile::exists(source));

    // Without a converter nothing can be sent either.
    socket.setFfmpeg_mac(nullptr);
    socket.sendFile(source, "clip", nullptr, nullptr, record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(++expected));
    EXPECT_EQ(record.outcomes().last().code, QXSocketCode::checkFailed);
}

TEST_F(QXFileSocketTest, TheOperatorsDocumentsAreNeverWritten)
{
    // The operator's own files under the names the system uses for its copies.
    const QString documents = QDir::homePath() + "/Documents";
    QDir().mkpath(documents);
    const QString ownVideo = writeFile(documents + "/out.mp4", "my own video");
    const QString ownProgram = writeFile(documents + "/update.bin", "my own program");
    const QString picture = writeFile(dir.filePath("photo.png"), "picture");
    const QString program = writeFile(dir.filePath("update.bin"), QByteArray(5000, 'p'));
    socket.setFfmpeg_mac(writingConverter("converted", 0));
    send({std::make_shared<QXFile>(picture, "photo"), std::make_shared<QXFile>(ownVideo, "mine")}, record);
    ASSERT_TRUE(record.waitForOutcomes(2));
    // A device program gets no answer byte.
    fan.setNeverAnswer(true);
    socket.sendFile(program, "update", nullptr, nullptr, record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(3));
    for (const auto &outcome : record.outcomes())
        EXPECT_TRUE(outcome.success);
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 3; }));
    EXPECT_EQ(fan.transfers().at(0).name, "photo.mp4");
    EXPECT_EQ(fan.transfers().at(0).body, "converted");
    EXPECT_EQ(fan.transfers().at(1).name, "mine.mp4");
    EXPECT_EQ(fan.transfers().at(1).body, "converted");
    EXPECT_EQ(fan.transfers().at(2).name, "update.bin");
    EXPECT_EQ(fan.transfers().at(2).body, QByteArray(5000, 'p'));
    EXPECT_EQ(readFile(ownVideo), "my own video");
    EXPECT_EQ(readFile(ownProgram), "my own program");
}

TEST_F(QXFileSocketTest, BusySocketRefusesEveryUploadUntilItEnds)
{
    QSemaphore gate;
    socket.setFfmpeg_mac([&gate](const QStringList &arguments) {
        gate.acquire();
        writeFile(arguments.last(), QByteArray(2000, 'v'));
        return 0;
    });
    const QString source = writeFile(dir.filePath("slow.mov"), "source");
    socket.sendFile(source, "slow", nullptr, nullptr, record.success(), record.failure());
    ASSERT_TRUE(waitUntil([this] { return socket.isTranscoding(); }));
    EXPECT_EQ(socket.currentIns(), QXFileSocket::Transcoding);

    UploadRecorder busy;
    int common = 0;
    socket.setCommonFailBlock([&common](qint64 code, const QVariant &) { common += code == QXSocketCode::busy; });
    const QXFileRef other = convertedFile(dir.path(), "o.mp4", "o", 10);
    socket.sendFiles({other}, nullptr, nullptr, busy.success(), busy.failure());
    socket.sendFile(other, nullptr, nullptr, busy.success(), busy.failure());
    socket.sendListWithName("list", "o.mp4,1\n", nullptr, busy.success(), busy.failure());
    ASSERT_EQ(busy.outcomes().size(), 3);
    for (const auto &outcome : busy.outcomes()) {
        EXPECT_EQ(outcome.code, QXSocketCode::busy);
        EXPECT_EQ(outcome.payload.toLongLong(), QXFileSocket::Transcoding);
    }
    EXPECT_EQ(common, 3);

    gate.release();
    ASSERT_TRUE(record.waitForOutcomes(1));
    EXPECT_TRUE(record.outcomes().first().success);
    // Free again once the upload has ended.
    socket.sendListWithName("list", "o.mp4,1\n", nullptr, record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(2));
    EXPECT_TRUE(record.outcomes().last().success);
    EXPECT_EQ(record.outcomes().last().payload.toString(), "writeSuccess");
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 2; }));
    EXPECT_EQ(fan.transfers().last().name, "list");
    EXPECT_EQ(fan.transfers().last().body, "o.mp4,1\n");
    EXPECT_TRUE(waitIdle());
}

TEST_F(QXFileSocketTest, RefusedArguments)
{
    socket.sendFiles({}, nullptr, nullptr, record.success(), record.failure());
    ASSERT_EQ(record.outcomes().size(), 1);
    EXPECT_EQ(record.outcomes()[0].code, QXSocketCode::badArgument);
    EXPECT_EQ(record.outcomes()[0].payload.toString(), QStringLiteral("文件列表为空!"));

    // Names that would break the device's list texts.
    socket.sendListWithName("a,b", "x", nullptr, record.success(), record.failure());
    ASSERT_EQ(record.outcomes().size(), 2);
    EXPECT_EQ(record.outcomes()[1].code, QXSocketCode::badArgument);
    socket.sendFile(convertedFile(dir.path(), "n.mp4", "bad;name", 10), nullptr, nullptr, record.success(),
                    record.failure());
    ASSERT_TRUE(record.waitForOutcomes(3));
    EXPECT_EQ(record.outcomes()[2].code, QXSocketCode::badArgument);
    EXPECT_TRUE(fan.connectionPorts().isEmpty());
    EXPECT_TRUE(waitIdle());
}

TEST_F(QXFileSocketTest, FanFaultsEndTheFileOnce)
{
    const QXFileRef file = convertedFile(dir.path(), "f.mp4", "f", 50000);

    fan.setDropAfter(100);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(1));
    EXPECT_EQ(record.outcomes()[0].code, QXSocketCode::disconnected);
    fan.setDropAfter(-1);

    fan.setNeverAnswer(true);
    socket.setReadTimeout(1);
    send({file}, record);
    ASSERT_TRUE(record.waitForOutcomes(2, 5000));
    EXPECT_EQ(record.outcomes()[1].code, QXSocketCode::disconnected);
    EXPECT_EQ(record.outcomes()[1].payload.toString(), QStringLiteral("发送文件碎片失败"));
    fan.setNeverAnswer(false);

    // A fan that stops reading: the writes back up and time out.
    const QXFileRef large = convertedFile(dir.path(), "large.mp4", "large", 16 * 1024 * 1024);
    fan.setStopReadingAfter(1000);
    socket.setWriteTimeout(1);
    send({large}, record);
    ASSERT_TRUE(record.waitForOutcomes(3, 8000));
    EXPECT_EQ(record.outcomes()[2].code, QXSocketCode::disconnected);
    EXPECT_LT(record.progressValues().last(), 0.5);

    spinFor(200);
    EXPECT_EQ(record.outcomes().size(), 3);
    EXPECT_TRUE(waitIdle());
}

TEST_F(QXFileSocketTest, FileThatShrinksDuringTheUploadFails)
{
    const QXFileRef file = convertedFile(dir.path(), "shrink.mp4", "shrink", 20000);
    const QString path = file->path();
    socket.sendFiles(
        {file}, nullptr,
        [path](const QXOperationRef &, qint64, const QVariant &) { QFile::resize(path, 5000); },
        record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(1));
    EXPECT_EQ(record.outcomes()[0].code, QXSocketCode::checkFailed);
    spinFor(200);
    EXPECT_EQ(record.outcomes().size(), 1);
    EXPECT_TRUE(fan.transfers().isEmpty());
    EXPECT_TRUE(waitIdle());
}

TEST_F(QXFileSocketTest, EmptyConvertedFileIsCompleteAtOnce)
{
    send({convertedFile(dir.path(), "e.mp4", "e", 0)}, record);
    ASSERT_TRUE(record.waitForOutcomes(1));
    EXPECT_TRUE(record.outcomes()[0].success);
    EXPECT_EQ(record.progressValues(), QList<double>{1.0});
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    EXPECT_EQ(fan.transfers()[0].bodySize, 0);
}

TEST(QXFileSocketConcurrencyTest, TwoSocketsConvertingAtOnceKeepTheirOwnOutput)
{
        QTemporaryDir dir;
    // Each converter writes its mark into the shared output slowly, so an overlap would mix them.
    const auto slowConverter = [](char mark) {
        return [mark](const QStringList &arguments) {
            QFile out(arguments.last());
            out.open(QIODevice::WriteOnly);
            for (int i = 0; i < 5; ++i) {
                out.write(QByteArray(200, mark));
                out.flush();
                QThread::msleep(20);
            }
            return 0;
        };
    };
    FakeFanFileServer fans[2];
    std::unique_ptr<QXFileSocket> sockets[2];
    UploadRecorder records[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(fans[i].start());
        sockets[i] = std::make_unique<QXFileSocket>();
        aimAtFan(*sockets[i], fans[i]);
        sockets[i]->setResolution("64");
        sockets[i]->setRate("1M");
        sockets[i]->setMediaSizeProbe([](const QString &) { return QSizeF(64, 64); });
        sockets[i]->setFfmpeg_mac(slowConverter(i == 0 ? 'A' : 'B'));
    }
    for (int i = 0; i < 2; ++i) {
        const QString source = writeFile(dir.filePath(QStringLiteral("s%1.mov").arg(i)), "source");
        sockets[i]->sendFile(source, "s", nullptr, nullptr, records[i].success(), records[i].failure());
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(records[i].waitForOutcomes(1));
        EXPECT_TRUE(records[i].outcomes()[0].success);
        ASSERT_TRUE(waitUntil([&] { return fans[i].transfers().size() == 1; }));
        const QByteArray body = fans[i].transfers()[0].body;
        EXPECT_EQ(body.size(), 1000);
        EXPECT_EQ(body.count(i == 0 ? 'A' : 'B'), 1000);
    }
}

TEST(QXFileSocketConcurrencyTest, ConvertedFileNeverWaitsForAnotherFansConversion)
{
    QTemporaryDir dir;
    QSemaphore converting;
    QSemaphore release;
    FakeFanFileServer fans[2];
    QXFileSocket sockets[2];
    UploadRecorder records[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(fans[i].start());
        aimAtFan(sockets[i], fans[i]);
    }
    sockets[0].setResolution("64");
    sockets[0].setRate("1M");
    sockets[0].setMediaSizeProbe([](const QString &) { return QSizeF(64, 64); });
    // A conversion that goes on until the test lets it end.
    sockets[0].setFfmpeg_mac([&](const QStringList &) {
        converting.release();
        release.acquire();
        return 1;
    });
    sockets[0].sendFile(writeFile(dir.filePath("s.mov"), "source"), "s", nullptr, nullptr, records[0].success(),
                        records[0].failure());
    ASSERT_TRUE(converting.tryAcquire(1, 10000));
    sockets[1].sendFiles({convertedFile(dir.path(), "c.mp4", "c", 100)}, nullptr, nullptr, records[1].success(),
                         records[1].failure());
    const bool sent = records[1].waitForOutcomes(1);
    release.release();
    ASSERT_TRUE(sent) << "the converted file waited for the other fan's conversion";
    EXPECT_TRUE(records[1].outcomes()[0].success);
    ASSERT_TRUE(records[0].waitForOutcomes(1));
    EXPECT_FALSE(records[0].outcomes()[0].success);
}
