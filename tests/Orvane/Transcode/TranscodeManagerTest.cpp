#include "Modules/Union/UnionData.h"
#include "NetworkingDevice.h"
#include "TranscodeTestSupport.h"

#include <QRegularExpression>

using namespace orvane::test;

namespace {

TEST(TranscodeManagerTest, KindFollowsTheExtensionInAnyCase)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/m/Clip.MOV", "video"}, {"a.mp4", "video"},   {"a.avi", "video"},  {"a.wmv", "video"},
        {"a.mkv", "video"},       {"a.RMVB", "video"},  {"a.flv", "video"},  {"a.webm", "video"},
        {"photo.JPEG", "image"},  {"a.jpg", "image"},   {"a.png", "image"},  {"a.bmp", "image"},
        {"anim.Gif", "gif"},      {"clip.mpg", ""},     {"noextension", ""}, {"a.mp4.txt", ""},
    };
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(TranscodeManager::fileKind(path), QString::fromUtf8(kind)) << path;
}

TEST(TranscodeManagerTest, ArgumentListsPerKind)
{
    const QString tail = "-r 24 -refs 1 -b:v 2M -maxrate 2M -bufsize 2M -c:a libmp3lame";
    const struct
    {
        const char *input;
        qint64 width;
        qint64 height;
        QString expected;
    } cases[] = {
        {"in.mp4", 720, 720,
         "-y -i in.mp4 -c:v libx264 -vprofile baseline -level 30 -s 720x720 " + tail
             + " -ac 2 -ar 22050 -pix_fmt yuvj420p out.mp4"},
        {"in.gif", 1300, 512,
         "-y -f gif -i in.gif -c:v libx264 -vprofile baseline -level 30 -s 1300x512 " + tail
             + " -pix_fmt yuvj420p out.mp4"},
        {"in.png", 512, 512,
         "-y -loop 1 -i in.png -c:v libx264 -vprofile baseline -level 3 -s 512x512 " + tail
             + " -pix_fmt yuvj420p -t 5 out.mp4"},
        // Without a usable size ffmpeg keeps the input's.
        {"in.mov", 0, 720, "-y -i in.mov -c:v libx264 -vprofile baseline -level 30 " + tail
                               + " -ac 2 -ar 22050 -pix_fmt yuvj420p out.mp4"},
        {"in.bmp", 720, -1, "-y -loop 1 -i in.bmp -c:v libx264 -vprofile baseline -level 3 " + tail
                                + " -pix_fmt yuvj420p -t 5 out.mp4"},
        {"in.txt", 720, 720, ""},
    };
    for (const auto &c : cases) {
        const QStringList arguments = TranscodeManager::ffmpegArguments(c.input, "out.mp4", c.width, c.height, "2M");
        EXPECT_EQ(arguments.join(' '), c.expected) << c.input;
    }
    // A path with blanks stays one argument.
    EXPECT_TRUE(TranscodeManager::ffmpegArguments("/a b/c d.mp4", "/o p.mp4", 1, 1, "1M").contains("/a b/c d.mp4"));
}

TEST(TranscodeManagerTest, CutGeometryOfTheWorkedFigures)
{
    const auto geometry = TranscodeManager::cutGeometry(QSize(1920, 1080), 2, 3, 720);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(geometry->spacing, 510);
    EXPECT_EQ(geometry->padFilter, "pad=1920:1357:0:138:black");
    EXPECT_EQ(geometry->tile, 794);
    EXPECT_EQ(geometry->step, 562);
    EXPECT_EQ(geometry->cropFilter(1, 2), "crop=794:794:1124:562");

    // A union relatively wider than the input gets black at the sides.
    const auto wide = TranscodeManager::cutGeometry(QSize(1080, 1080), 1, 3, 720);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->padFilter, "pad=2610:1080:765:0:black");
    EXPECT_EQ(wide->tile, 1080);

    // Equal shapes: no pad at all.
    const auto square = TranscodeManager::cutGeometry(QSize(500, 500), 1, 1, 720);
    ASSERT_TRUE(square.has_value());
    EXPECT_EQ(square->padFilter, std::nullopt);
    EXPECT_EQ(square->tile, 500);
    EXPECT_EQ(TranscodeManager::cutGeometry(QSize(1740, 1230), 2, 3, 720)->padFilter, std::nullopt);

    for (const auto &[size, row, colomn, diameter] :
         {std::tuple{QSize(0, 1080), 1, 1, 720}, {QSize(1920, 0), 1, 1, 720}, {QSize(1920, 1080), 1, 1, 0},
          {QSize(1920, 1080), 0, 1, 720}, {QSize(1920, 1080), 1, 33, 720}}) {
        EXPECT_EQ(TranscodeManager::cutGeometry(size, row, colomn, diameter), std::nullopt);
    }
}

TEST(TranscodeManagerTest, PaddedPictureHoldsTheInputAndEveryTileForAnyShape)
{
    const QRegularExpression pad(QStringLiteral("^pad=(\\d+):(\\d+):(\\d+):(\\d+):black$"));
    for (int width : {1, 2, 7, 319, 1280, 1919, 1920, 4096}) {
        for (int height : {1, 5, 179, 720, 1079, 1080, 2160}) {
            for (const auto &[row, colomn] : {std::pair{1, 1}, {1, 7}, {2, 3}, {5, 2}, {3, 3}}) {
                const auto g = TranscodeManager::cutGeometry(QSize(width, height), row, colomn, 720);
                if (!g) {
                    // Only an input a few pixels across has no room for a tile.
                    ASSERT_LT(std::min(width, height), 4);
                    continue;
                }
                const auto match = pad.match(
                    g->padFilter.value_or(QStringLiteral("pad=%1:%2:0:0:black").arg(width).arg(height)));
                ASSERT_TRUE(match.hasMatch());
                const qint64 paddedWidth = match.captured(1).toLongLong();
                const qint64 paddedHeight = match.captured(2).toLongLong();
                ASSERT_LE(match.captured(3).toLongLong() + width, paddedWidth);
                ASSERT_LE(match.captured(4).toLongLong() + height, paddedHeight);
                ASSERT_LE(g->step * (colomn - 1) + g->tile, paddedWidth);
                ASSERT_LE(g->step * (row - 1) + g->tile, paddedHeight);
            }
        }
    }
}

TEST(TranscodeManagerTest, SingleConversionUsesTheFirstSquareFanSizeAndRate)
{
    QTemporaryDir media;
    const QString clip = media.filePath("Show.mov");
    const QString still = media.filePath("Show.png");
    ASSERT_TRUE(generateMedia(clip, "testsrc2=size=160x90:rate=25:duration=1", false));
    ASSERT_TRUE(generateMedia(still, "testsrc2=size=160x90", false));
    StandInFfmpeg recorder(StandInFfmpeg::kRecorder);
    const QString expectedOutput = QDir(TranscodeManager::transcodedDirectory()).filePath("Show.mp4");
    EXPECT_TRUE(QFileInfo(TranscodeManager::transcodedDirectory()).isDir());

    auto wide = std::make_shared<NetworkingDevice>("W_kvo", "10.0.0.1");    // 1300x512, 2M
    auto small = std::make_shared<NetworkingDevice>("S_kvg", "10.0.0.2");   // 512, 1M
    UnionData fans("u", 1, 2, false, QString(), UnionGrid{{wide, small}});
    const TranscodeResult result = TranscodeManager::transcode(clip, fans);
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_EQ(std::get<QString>(result), expectedOutput);

    UnionData empty("u", 1, 1, false, QString());
    EXPECT_TRUE(std::holds_alternative<QString>(TranscodeManager::transcode(still, empty)));

    const QStringList lines = recorder.recordedCalls();
    ASSERT_EQ(lines.size(), 2);
    // The rate is the first fan's, the size the first square one's; ffmpeg reports its progress.
    EXPECT_EQ(lines.at(0),
              "-progress pipe:1 " + TranscodeManager::ffmpegArguments(clip, expectedOutput, 512, 512, "2M").join(' '));
    EXPECT_EQ(lines.at(1),
              "-progress pipe:1 " + TranscodeManager::ffmpegArguments(still, expectedOutput, 720, 720, "1M").join(' '));
}

TEST(TranscodeManagerTest, FailedOrMissingConverterIsAFailure)
{
    UnionData empty("u", 1, 1, false, QString());
    {
        StandInFfmpeg failing(QStringLiteral("exit 3"));
        EXPECT_FALSE(TranscodeManager::transcode("in.mp4", "out.mp4", QSize(720, 720), empty));
        const TranscodeResult result = TranscodeManager::transcode("in.mp4", empty);
        ASSERT_TRUE(std::holds_alternative<EditError>(result));
        EXPECT_EQ(std::get<EditError>(result).kind(), EditError::Kind::transcodeFail);
    }
    qputenv("ORVANE_FFMPEG", "/nonexistent/ffmpeg");
    EXPECT_FALSE(TranscodeManager::transcode("in.mp4", "out.mp4", QSize(720, 720), empty));
    qunsetenv("ORVANE_FFMPEG");
}

} // namespace
