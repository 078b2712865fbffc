#include "ChildProcesses.h"
#include "EventLoop.h"
#include "FileSocketHarness.h"
#include "OrvaneProcess.h"
#include "PortraitPhoto.h"
#include "QXMediaConversion.h"
#include "QXSocketCode.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

using namespace QXMediaConversion;
using orvane::test::aimAtFan;
using orvane::test::FakeFanFileServer;
using orvane::test::ffmpegRunner;
using orvane::test::firstVideoStream;
using orvane::test::UploadRecorder;
using orvane::test::waitUntil;
using orvane::test::processEnded;
using orvane::test::runTool;
using orvane::test::StallLimit;
using orvane::test::StandInFfmpeg;
using orvane::test::standsUpright;
using orvane::test::writeFile;
using orvane::test::writePortraitPhoto;
using orvane::test::writtenPid;

namespace {

const QString F = "[0:v]scale=512:512,pad=1300:512:69:0[a];[1:v]scale=512:512[b];[a][b]overlay=719";
const QString V = "scale=-1:512,pad=1300:512:0:0";

QXMediaSizeProbe fixedSize(double width, double height, int *calls = nullptr)
{
    return [=](const QString &) {
        if (calls)
            ++*calls;
        return QSizeF(width, height);
    };
}

QStringList wide(bool video, const QXMediaSizeProbe &probe)
{
    return argumentsFor("1300x512", "2M", "P", "O", video, probe);
}

// ffmpeg's test pattern under any name (ffmpeg itself would take a "%d" in it for a sequence):
// one picture of the given size, or for a GIF a short animation.
QString testPicture(const QTemporaryDir &dir, const QString &name, const QString &size)
{
    const QString suffix = QFileInfo(name).suffix();
    const QString made = dir.filePath("made." + suffix);
    QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=rate=10:size=" + size};
    arguments << (suffix == "gif" ? QStringList{"-t", "0.5"} : QStringList{"-frames:v", "1"}) << made;
    EXPECT_EQ(runTool("ffmpeg", arguments), 0) << name.toStdString();
    QFile::remove(dir.filePath(name));
    QFile::rename(made, dir.filePath(name));
    return dir.filePath(name);
}

// A file socket that converts with a real runner and sends to a fake fan.
struct ConverterUpload : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(fan.start());
        aimAtFan(socket, fan);
        socket.setResolution("64");
        socket.setRate("1M");
    }
    QTemporaryDir dir;
    FakeFanFileServer fan;
    QXFileSocket socket;
    UploadRecorder record;
};

} // namespace

TEST(QXMediaConversionTest, NormalListsOfTheDeviceSize)
{
    int probed = 0;
    EXPECT_EQ(argumentsFor("720", "1M", "P", "O", true, fixedSize(1, 1, &probed)),
              (QStringList{"-i", "P", "-c:v", "libx264", "-vprofile", "baseline", "-level", "30", "-s", "720x720",
                           "-r", "24", "-refs", "1", "-b:v", "1M", "-maxrate", "1M", "-bufsize", "2M", "-c:a",
                           "libmp3lame", "-ac", "2", "-ar", "22050", "-pix_fmt", "yuvj420p", "-strict", "-2", "O"}));
    EXPECT_EQ(argumentsFor("512x256", "1M", "P", "O", false, fixedSize(1, 1, &probed)),
              (QStringList{"-loop", "1", "-i", "P", "-c:v", "libx264", "-vprofile", "baseline", "-level", "30", "-s",
                           "512x256", "-r", "24", "-refs", "1", "-b:v", "1M", "-maxrate", "1M", "-bufsize", "2M",
                           "-c:a", "libmp3lame", "-ac", "2", "-ar", "22050", "-pix_fmt", "yuvj420p", "-t", "5", "O"}));
    // Only the wide device needs the source's size.
    EXPECT_EQ(probed, 0);
}

TEST(QXMediaConversionTest, WideDeviceChoosesByTheSourceShape)
{
    const QStringList padded = {"-i", "P", "-i", "P", "-vf", V, "-c:v", "libx264", "-vprofile", "baseline", "-level",
                                "30", "-r", "24", "-refs", "1", "-b:v", "2M", "-c:a", "libmp3lame", "-ac", "2", "-ar",
                                "22050", "-pix_fmt", "yuvj420p", "-strict", "-2", "O"};
    EXPECT_EQ(wide(true, fixedSize(1920, 1080)), padded);

    const QStringList normal = {"-i", "P", "-c:v", "libx264", "-vprofile", "baseline", "-level", "30", "-s",
                                "1300x512", "-r", "24", "-refs", "1", "-b:v", "2M", "-maxrate", "1M", "-bufsize",
                                "2M", "-c:a", "libmp3lame", "-ac", "2", "-ar", "22050", "-pix_fmt", "yuvj420p",
                                "-strict", "-2", "O"};
    EXPECT_EQ(wide(true, fixedSize(3000, 1000)), normal);
    // An unreadable source falls back to stretching it to the device size.
    EXPECT_EQ(wide(true, fixedSize(0, 0)), normal);

    EXPECT_EQ(wide(true, fixedSize(1080, 1080)),
              (QStringList{"-i", "P", "-i", "P", "-filter_complex", F, "-c:v", "libx264", "-vprofile", "baseline",
                           "-level", "30", "-r", "24", "-refs", "1", "-b:v", "2M", "-c:a", "libmp3lame", "-ac", "2",
                           "-ar", "22050", "-pix_fmt", "yuvj420p", "-strict", "-2", "O"}));
}

TEST(QXMediaConversionTest, WidePictureLists)
{
    // Exactly the device's own ratio is not wider than the device: padded.
    EXPECT_EQ(wide(false, fixedSize(1300, 512)),
              (QStringList{"-loop", "1", "-i", "P", "-i", "P", "-vf", V, "-c:v", "libx264", "-vprofile", "baseline",
                           "-level", "30", "-r", "24", "-refs", "1", "-b:v", "2M", "-c:a", "libmp3lame", "-ac", "2",
                           "-ar", "22050", "-pix_fmt", "yuvj420p", "-t", "5", "O"}));
    EXPECT_EQ(wide(false, fixedSize(800, 800)),
              (QStringList{"-loop", "1", "-i", "P", "-i", "P", "-filter_complex", F, "-c:v", "libx264", "-vprofile",
                           "baseline", "-level", "30", "-s", "1300x512", "-r", "24", "-refs", "1", "-b:v", "2M",
                           "-maxrate", "1M", "-bufsize", "2M", "-c:a", "libmp3lame", "-ac", "2", "-ar", "22050",
                           "-pix_fmt", "yuvj420p", "-t", "5", "O"}));
}

TEST(QXMediaConversionTest, RotationTurnsTheShape)
{
    EXPECT_EQ(displayedSize({1920, 1080}, 90), QSizeF(1080, 1920));
    EXPECT_EQ(displayedSize({1920, 1080}, -90), QSizeF(1080, 1920));
    EXPECT_EQ(displayedSize({1920, 1080}, 180), QSizeF(1920, 1080));
    // A portrait video on the wide device is padded.
    EXPECT_EQ(wideLayout(displayedSize({1920, 1080}, 90)), Layout::Padded);
}

TEST(QXMediaConversionTest, OlderListsNameTheProgramAndCarryNoMp3Pair)
{
    EXPECT_EQ(olderArgumentsFor("720", "1M", "P", "O", true, fixedSize(1, 1)),
              (QStringList{"ffmpeg", "-i", "P", "-c:v", "libx264", "-vprofile", "baseline", "-level", "30", "-s",
                           "720x720", "-r", "24", "-refs", "1", "-b:v", "1M", "-maxrate", "1M", "-bufsize", "2M", "-ac",
                           "2", "-ar", "22050", "-pix_fmt", "yuvj420p", "-strict", "-2", "O"}));
    EXPECT_EQ(olderArgumentsFor("1300x512", "2M", "P", "O", false, fixedSize(1920, 1080)),
              (QStringList{"ffmpeg", "-y", "-loop", "1", "-i", "P", "-i", "P", "-vf", V, "-c:v", "libx264",
                           "-vprofile", "baseline", "-level", "30", "-r", "24", "-refs", "1", "-b:v", "2M", "-ac", "2",
                           "-ar", "22050", "-pix_fmt", "yuvj420p", "-t", "5", "O"}));
    // A wide video of unknown size converts nothing; a picture is stretched as in the newer form.
    EXPECT_TRUE(olderArgumentsFor("1300x512", "2M", "P", "O", true, fixedSize(0, 0)).isEmpty());
    const QStringList stretched = olderArgumentsFor("1300x512", "2M", "P", "O", false, fixedSize(0, 0));
    EXPECT_EQ(stretched.mid(0, 2), (QStringList{"ffmpeg", "-loop"}));
    EXPECT_TRUE(stretched.contains("1300x512"));
}

TEST(QXMediaConversionTest, TheOlderRunnerGetsTheWholeCommandLine)
{
    QXFileSocket socket;
    socket.setResolution("1300x512");
    socket.setRate("1M");
    socket.setMediaSizeProbe(fixedSize(1080, 1080));
    QStringList received;
    socket.setFfmpeg_main([&](int argc, const char *const *argv) {
        for (int index = 0; index < argc; ++index)
            received.append(QString::fromUtf8(argv[index]));
        EXPECT_EQ(argv[argc], nullptr);
        return 7;
    });
    EXPECT_EQ(socket.transcodeVideo(true), -1) << "no file, nothing to convert";
    socket.setFile(std::make_shared<QXFile>(QStringLiteral("/media/clip é.mp4"), QStringLiteral("clip é.mp4")));
    EXPECT_EQ(socket.transcodeVideo(true), 7);
    EXPECT_EQ(received, olderArgumentsFor("1300x512", "1M", "/media/clip é.mp4", socket.file()->translatePath(), true,
                                          fixedSize(1080, 1080)));
    EXPECT_EQ(received.mid(0, 2), (QStringList{"ffmpeg", "-y"}));

    socket.setFfmpeg_main(nullptr);
    EXPECT_EQ(socket.transcodeVideo(true), -1);
}

TEST(QXMediaConversionTest, MissingRateOrInputGivesNoList)
{
    EXPECT_TRUE(argumentsFor("720", "", "P", "O", true, fixedSize(1, 1)).isEmpty());
    EXPECT_TRUE(argumentsFor("720", "1M", "", "O", true, fixedSize(1, 1)).isEmpty());
}

TEST(QXMediaConversionTest, ProbeReadsRealFilesWithRotation)
{
    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mp4");
    const QString turned = dir.filePath("turned.mp4");
    const QString picture = dir.filePath("p.png");
    const QString gif = dir.filePath("a.gif");
    const QString sound = dir.filePath("sound.mp4");
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=192x108:rate=10", "-t", "0.3", clip}),
              0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-i", clip, gif}), 0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", sound}), 0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-i", clip, "-c", "copy", "-metadata:s:v:0", "rotate=90", turned}), 0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=100x50", "-frames:v", "1", picture}),
              0);
    const QString damaged = testPicture(dir, "damaged.jpg", "1280x960");
    ASSERT_TRUE(QFile::resize(damaged, 3000));

    EXPECT_EQ(probeMediaSize(clip), QSizeF(192, 108));
    EXPECT_EQ(probeMediaSize(turned), QSizeF(108, 192));
    EXPECT_EQ(probeMediaSize(picture), QSizeF(100, 50));
    EXPECT_EQ(probeMediaSize(gif), QSizeF(192, 108));
    EXPECT_EQ(probeMediaSize(dir.filePath("none.mp4")), QSizeF(0, 0));
    EXPECT_TRUE(holdsNoPicture(probeMediaSize(sound)));
    // Its header tells a size, but ffmpeg cannot decode the picture: it cannot be read.
    EXPECT_EQ(probeMediaSize(damaged), QSizeF(0, 0));
    EXPECT_TRUE(holdsNoPicture(probeMediaSize(damaged)));

    // Without ffprobe a picture is still measured; what it cannot tell is never taken for sound.
    qputenv("ORVANE_FFPROBE", "/nonexistent/ffprobe");
    EXPECT_EQ(probeMediaSize(picture), QSizeF(100, 50));
    EXPECT_EQ(probeMediaSize(clip), QSizeF(0, 0));
    EXPECT_EQ(probeMediaSize(sound), QSizeF(0, 0));
    qunsetenv("ORVANE_FFPROBE");
}

TEST(QXMediaConversionTest, RealConversionGivesTheWideFormat)
{
    QTemporaryDir dir;
    const QString flat = dir.filePath("flat.mp4");
    const QString square = dir.filePath("square.mp4");
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=320x180:rate=24", "-t", "1", flat}),
              0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=240x240:rate=24", "-t", "1", square}),
              0);

    for (const QString &source : {flat, square}) {
        const QString output = source + ".out.mp4";
        const QStringList list = argumentsFor("1300x512", "1M", source, output, true, probeMediaSize);
        EXPECT_TRUE(list.contains(source == flat ? "-vf" : "-filter_complex"));
        ASSERT_EQ(runTool("ffmpeg", list), 0) << list.join(' ').toStdString();
        const QJsonObject stream = firstVideoStream(output);
        EXPECT_EQ(stream.value("codec_name").toString(), "h264");
        EXPECT_EQ(stream.value("width").toInt(), 1300);
        EXPECT_EQ(stream.value("height").toInt(), 512);
    }
}

TEST_F(ConverterUpload, PictureIsConvertedByTheRealConverterAndSent)
{
    const QString picture = dir.filePath("pic.png");
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=100x50", "-frames:v", "1", picture}),
              0);
    socket.setFfmpeg_mac(ffmpegRunner());
    socket.sendFile(picture, "", record.translate(), nullptr, record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(1, 20000));
    ASSERT_TRUE(record.outcomes()[0].success);
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    const auto transfer = fan.transfers()[0];
    EXPECT_EQ(transfer.name, "pic.mp4");
    EXPECT_EQ(transfer.body.mid(4, 4), "ftyp");
    EXPECT_EQ(firstVideoStream(writeFile(dir.filePath("received.mp4"), transfer.body)).value("width").toInt(), 64);
}

TEST_F(ConverterUpload, PortraitPhotoTakesTheWideLayoutOfItsShownShape)
{
    // Stored wider than the wide fan, shown narrower than it: padded on the right, and upright.
    const QString photo = dir.filePath("portrait.jpg");
    ASSERT_TRUE(writePortraitPhoto(photo, 6, QSize(600, 200), Qt::red, Qt::blue));
    EXPECT_EQ(probeMediaSize(photo), QSizeF(200, 600));
    socket.setResolution("1300x512");
    socket.setFfmpeg_mac(ffmpegRunner());
    socket.sendFile(photo, "", nullptr, nullptr, record.success(), record.failure());
    ASSERT_TRUE(record.waitForOutcomes(1, 30000));
    ASSERT_TRUE(record.outcomes()[0].success);
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    const QString frame = dir.filePath("frame.png");
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-i", writeFile(dir.filePath("received.mp4"), fan.transfers()[0].body),
                                 "-frames:v", "1", frame}),
              0);
    const QImage shown(frame);
    ASSERT_EQ(shown.size(), QSize(1300, 512));
    EXPECT_TRUE(standsUpright(shown.copy(0, 0, 160, 512), Qt::red, Qt::blue));
    EXPECT_LT(QColor(shown.pixel(1000, 256)).value(), 30) << "the right side is the pad";
}

TEST_F(ConverterUpload, SourceWithoutAPictureIsRefusedBeforeConverting)
{
    const QString sound = dir.filePath("sound.mp4");
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", sound}), 0);
    socket.setFfmpeg_mac(ffmpegRunner());
    socket.sendFiles({std::make_shared<QXFile>(sound, "sound")}, nullptr, record.progress(), record.success(),
                     record.failure());
    ASSERT_TRUE(record.waitForOutcomes(1, 20000));
    ASSERT_EQ(record.outcomes().size(), 1);
    EXPECT_EQ(record.outcomes()[0].code, QXSocketCode::checkFailed);
    EXPECT_EQ(record.outcomes()[0].payload.toString(), QStringLiteral("转码文件不存在"));
    EXPECT_TRUE(fan.transfers().isEmpty());
}

TEST_F(ConverterUpload, StandInConvertersThatFailOrNeverEndSendNothing)
{
    const QString source = testPicture(dir, "pic.png", "100x50");
    const StallLimit limit(std::chrono::seconds(1));
    const QString pidFile = dir.filePath("converter");
    // Neither writes anything: one exits 1, one sleeps for ever.
    for (const QString &script : {QStringLiteral("exit 1"), "echo $$ > '" + pidFile + "'\nexec sleep 600"}) {
        const StandInFfmpeg standIn(script);
        socket.setFfmpeg_mac(ffmpegRunner());
        UploadRecorder failed;
        socket.sendFiles({std::make_shared<QXFile>(source, "pic")}, nullptr, failed.progress(), failed.success(),
                         failed.failure());
        ASSERT_TRUE(failed.waitForOutcomes(1, 60000)) << script.toStdString();
        EXPECT_EQ(failed.outcomes()[0].code, QXSocketCode::checkFailed);
        EXPECT_EQ(failed.outcomes()[0].payload.toString(), QStringLiteral("转码文件不存在"));
        EXPECT_TRUE(failed.progressValues().isEmpty());
        ASSERT_TRUE(waitUntil([this] { return socket.currentIns() == QXFileSocket::Idle; }));
    }
    // The one that never ended was killed.
    EXPECT_TRUE(processEnded(writtenPid(pidFile)));
    EXPECT_TRUE(fan.transfers().isEmpty());
}

TEST_F(ConverterUpload, DamagedPicturesFailInBoundedTimeAndTheNextUploadWorks)
{
    std::atomic<int> conversions = 0;
    socket.setFfmpeg_mac([&conversions, ffmpeg = ffmpegRunner()](const QStringList &arguments) {
        ++conversions;
        return ffmpeg(arguments);
    });
    QStringList damaged;
    // ffprobe, like ffmpeg, would take the "%03d" for a numbered sequence and find none.
    for (const char *name : {"photo.jpg", "shot.png", "photo%03d.jpg"}) {
        damaged << testPicture(dir, name, "1280x960");
        ASSERT_TRUE(QFile::resize(damaged.last(), 3000));
    }
    const auto upload = [this](const QString &path, UploadRecorder &recorder) {
        EXPECT_TRUE(waitUntil([this] { return socket.currentIns() == QXFileSocket::Idle; }));
        socket.sendFile(path, "", nullptr, recorder.progress(), recorder.success(), recorder.failure());
        return recorder.waitForOutcomes(1, 60000);
    };
    // Refused before converting.
    for (const QString &path : damaged) {
        UploadRecorder refused;
        ASSERT_TRUE(upload(path, refused)) << path.toStdString();
        EXPECT_EQ(refused.outcomes()[0].code, QXSocketCode::checkFailed);
    }
    EXPECT_EQ(conversions.load(), 0);
    // Taken for whole by a probe that reads no more than the header, the picture reaches ffmpeg,
    // which never gets its first picture and is killed once it has made no progress for the limit.
    socket.setMediaSizeProbe([](const QString &) { return QSizeF(1280, 960); });
    {
        const StallLimit limit(std::chrono::seconds(2));
        for (const QString &path : damaged) {
            UploadRecorder stalled;
            ASSERT_TRUE(upload(path, stalled)) << path.toStdString();
            EXPECT_EQ(stalled.outcomes()[0].code, QXSocketCode::checkFailed);
        }
    }
    EXPECT_TRUE(fan.transfers().isEmpty());

    socket.setMediaSizeProbe(nullptr);
    ASSERT_TRUE(upload(testPicture(dir, "whole.jpg", "100x50"), record));
    EXPECT_TRUE(record.outcomes()[0].success);
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 1; }));
    EXPECT_EQ(fan.transfers()[0].name, "whole.mp4");
}

TEST_F(ConverterUpload, PicturesAreReadAsTheOneFileTheirNameNames)
{
    socket.setFfmpeg_mac(ffmpegRunner());
    const struct
    {
        const char *name;
        const char *size;
        const char *resolution;
    } cases[] = {
        {"50%discount.jpg", "100x50", "64"},
        {"frame%03d.png", "100x50", "64"},
        {"loop%02d.gif", "100x50", "64"},
        // Square on the wide fan: read twice, side by side.
        {"frame%d.png", "64x64", "1300x512"},
        {"frame%d.jpg", "100x50", "1300x512"},
    };
    for (const auto &c : cases) {
        socket.setResolution(c.resolution);
        UploadRecorder sent;
        ASSERT_TRUE(waitUntil([this] { return socket.currentIns() == QXFileSocket::Idle; }));
        socket.sendFile(testPicture(dir, c.name, c.size), "", nullptr, nullptr, sent.success(), sent.failure());
        ASSERT_TRUE(sent.waitForOutcomes(1, 30000)) << c.name;
        EXPECT_TRUE(sent.outcomes()[0].success) << c.name << " " << sent.outcomes()[0].payload.toString().toStdString();
    }
    ASSERT_TRUE(waitUntil([this] { return fan.transfers().size() == 5; }));
    EXPECT_EQ(firstVideoStream(writeFile(dir.filePath("received.mp4"), fan.transfers()[4].body)).value("width").toInt(),
              1300);
}
