#include "EventLoop.h"
#include "Modules/Union/UnionData.h"
#include "NetworkingDevice.h"
#include "PortraitPhoto.h"
#include "TranscodeTestSupport.h"

#include <QFileInfo>
#include <QImage>

#include <atomic>

using namespace orvane::test;

namespace {

std::shared_ptr<UnionData> unionOf(qint64 row, qint64 colomn, std::optional<UnionGrid> grid = std::nullopt)
{
    return std::make_shared<UnionData>("u", row, colomn, false, QString(), std::move(grid));
}

QString folderOf(const QString &name)
{
    return QDir(TranscodeManager::transcodedDirectory()).filePath(name);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

std::vector<float> tileProgress(int total, int made)
{
    std::vector<float> values{0.05f, 0.25f};
    for (int done = 1; done <= made; ++done)
        values.push_back(float(done) * 0.75f / float(total) + 0.24f);
    return values;
}

class CutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<QTemporaryDir>();
        s_ffmpegFound = !realFfmpeg().isEmpty();
        if (s_ffmpegFound) {
            ASSERT_TRUE(generateMedia(clip(), "testsrc2=size=160x90:rate=25:duration=1", true));
            ASSERT_TRUE(generateMedia(media("sound.mp4"), "sine=duration=1", false));
        }
    }
    static void TearDownTestSuite() { s_media.reset(); }

    void SetUp() override
    {
        if (!s_ffmpegFound)
            GTEST_SKIP() << "ffmpeg is not installed";
    }

    static QString clip() { return s_media->filePath("clip.mp4"); }
    static QString media(const QString &name) { return s_media->filePath(name); }

    TranscodeManager m_manager{9};

private:
    static inline std::unique_ptr<QTemporaryDir> s_media;
    static inline bool s_ffmpegFound = false;
};

TEST_F(CutTest, RefusalsCompleteAtOnceAndWriteNothing)
{
    const QDir transcoded(TranscodeManager::transcodedDirectory());
    const QStringList before = transcoded.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto fanless = unionOf(1, 1);
    auto wideFan = std::make_shared<NetworkingDevice>("W_kvo", "10.0.0.1"); // diameter 0
    const struct
    {
        std::shared_ptr<UnionData> unionData;
        QString input;
        EditError error;
    } cases[] = {
        {nullptr, clip(), EditError::wrongRowColomn(0, 0)},
        {unionOf(0, 2), clip(), EditError::wrongRowColomn(0, 2)},
        {unionOf(3, -1), clip(), EditError::wrongRowColomn(3, -1)},
        {unionOf(33, 1), clip(), EditError::wrongRowColomn(33, 1)},
        {fanless, media("missing.mp4"), EditError(EditError::Kind::resolutionFail)},
        // Sound without a picture: no fan could show its tiles.
        {fanless, media("sound.mp4"), EditError(EditError::Kind::resolutionFail)},
        {unionOf(1, 1, UnionGrid{{wideFan}}), clip(), EditError(EditError::Kind::resolutionFail)},
    };
    for (const auto &c : cases) {
        std::vector<TranscodeResult> completions;
        std::vector<float> progress;
        m_manager.cut(
            c.input, c.unionData, true, [&](float value) { progress.push_back(value); },
            [&](const TranscodeResult &result) { completions.push_back(result); });
        // Called before the cut returned, on this thread.
        ASSERT_EQ(completions.size(), 1u);
        ASSERT_TRUE(std::holds_alternative<EditError>(completions.front()));
        EXPECT_EQ(std::get<EditError>(completions.front()), c.error) << c.error.what();
        EXPECT_TRUE(progress.empty());
    }
    EXPECT_EQ(transcoded.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST_F(CutTest, RealClipIntoFourConvertedTilesThenAgainWithoutConversion)
{
    const auto grid = unionOf(2, 2);
    const CutOutcome four = cutAndWait(m_manager, clip(), grid);
    ASSERT_EQ(four.completions.size(), 1u);
    EXPECT_EQ(std::get<QString>(four.completions.front()), folderOf("clip_2x2"));
    auto expectedProgress = tileProgress(4, 4);
    expectedProgress.push_back(1.0f);
    EXPECT_EQ(four.progress, expectedProgress);
    EXPECT_EQ(filesIn(folderOf("clip_2x2")),
              QStringList({"clip_1_1.mp4", "clip_1_2.mp4", "clip_2_1.mp4", "clip_2_2.mp4", "clip_pad.mp4",
                           "clip_result_1_1.mp4", "clip_result_1_2.mp4", "clip_result_2_1.mp4",
                           "clip_result_2_2.mp4"}));
    EXPECT_EQ(TranscodeManager::fetchResolution(folderOf("clip_2x2/clip_result_2_2.mp4")), QSize(720, 720));

    // A second cut of the same input and union size replaces the first one's files.
    const CutOutcome again = cutAndWait(m_manager, clip(), grid, false);
    ASSERT_EQ(again.completions.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<QString>(again.completions.front()));
    EXPECT_EQ(filesIn(folderOf("clip_2x2")),
              QStringList({"clip_1_1.mp4", "clip_1_2.mp4", "clip_2_1.mp4", "clip_2_2.mp4", "clip_pad.mp4"}));
}

TEST_F(CutTest, InputWithoutAMuxerIsPaddedAndCutIntoAWritableContainer)
{
    const QString renamed = media("Show.RMVB");
    ASSERT_TRUE(QFile::copy(clip(), renamed) || QFileInfo::exists(renamed));
    const CutOutcome outcome = cutAndWait(m_manager, renamed, unionOf(1, 1));
    ASSERT_EQ(outcome.completions.size(), 1u);
    EXPECT_EQ(std::get<QString>(outcome.completions.front()), folderOf("Show_1x1"));
    EXPECT_EQ(outcome.progress, (std::vector<float>{0.05f, 0.25f, 0.99f, 1.0f}));
    EXPECT_EQ(filesIn(folderOf("Show_1x1")), QStringList({"Show_1_1.mkv", "Show_pad.mkv", "Show_result_1_1.mp4"}));
    // The clip keeps its width and gets black above and below; the fan gets its own size.
    EXPECT_EQ(TranscodeManager::fetchResolution(folderOf("Show_1x1/Show_pad.mkv")), QSize(160, 160));
    EXPECT_EQ(TranscodeManager::fetchResolution(folderOf("Show_1x1/Show_result_1_1.mp4")), QSize(720, 720));
}

TEST_F(CutTest, InputOfTheUnionsShapeIsCutWithoutAPadRun)
{
    const QString square = media("square.png");
    ASSERT_TRUE(generateMedia(square, "testsrc2=size=96x96", false));
    const CutOutcome outcome = cutAndWait(m_manager, square, unionOf(1, 1), false);
    ASSERT_EQ(outcome.completions.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<QString>(outcome.completions.front()));
    EXPECT_EQ(filesIn(folderOf("square_1x1")), QStringList({"square_1_1.png"}));
    EXPECT_EQ(TranscodeManager::fetchResolution(folderOf("square_1x1/square_1_1.png")), QSize(96, 96));
}

TEST_F(CutTest, PortraitPhotoIsCutAsAViewerShowsIt)
{
    // ffmpeg turns the photo upright before its filters: the pad and the crops are for that shape.
    for (const int orientation : {6, 8}) {
        const QString base = QStringLiteral("portrait%1").arg(orientation);
        const QString photo = media(base + ".jpg");
        ASSERT_TRUE(writePortraitPhoto(photo, orientation, QSize(600, 200), Qt::red, Qt::blue));
        EXPECT_EQ(TranscodeManager::fetchResolution(photo), QSize(200, 600));
        const CutOutcome outcome = cutAndWait(m_manager, photo, unionOf(1, 2), false);
        ASSERT_EQ(outcome.completions.size(), 1u);
        ASSERT_TRUE(std::holds_alternative<QString>(outcome.completions.front())) << orientation;
        const QDir folder(folderOf(base + "_1x2"));
        EXPECT_EQ(filesIn(folder.path()), QStringList({base + "_1_1.jpg", base + "_1_2.jpg", base + "_pad.jpg"}));
        for (const QString &tile : {base + "_1_1.jpg", base + "_1_2.jpg"}) {
            const QImage picture(folder.filePath(tile));
            EXPECT_EQ(picture.size(), QSize(600, 600)) << tile.toStdString();
            EXPECT_TRUE(standsUpright(picture, Qt::red, Qt::blue)) << tile.toStdString();
        }
    }
}

TEST_F(CutTest, WorkedFiguresReachFfmpeg)
{
    const QString picture = media("wall.png");
    ASSERT_TRUE(generateMedia(picture, "testsrc2=size=1920x1080", false));
    StandInFfmpeg recorder(StandInFfmpeg::kRecorder);
    const CutOutcome outcome = cutAndWait(m_manager, picture, unionOf(2, 3));
    ASSERT_EQ(outcome.completions.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<QString>(outcome.completions.front()));
    const std::vector<float> expected{0.05f, 0.25f, 0.365f, 0.49f, 0.615f, 0.74f, 0.865f, 0.99f, 1.0f};
    ASSERT_EQ(outcome.progress.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(outcome.progress.at(i), expected.at(i), 1e-6);

    const QStringList calls = recorder.recordedCalls();
    ASSERT_EQ(calls.size(), 1 + 6 * 2);
    const QDir folder(folderOf("wall_2x3"));
    // The picture is read, and each picture written, as the one file named.
    EXPECT_TRUE(calls.contains(QStringList({"-progress", "pipe:1", "-y", "-f", "png_pipe", "-i", picture, "-vf",
                                            "pad=1920:1357:0:138:black", "-update", "1",
                                            folder.filePath("wall_pad.png")})
                                   .join(' ')));
    // Each tile pads and crops the input itself, beside the pad run.
    const QString tile = folder.filePath("wall_2_3.png");
    EXPECT_TRUE(calls.contains(QStringList({"-progress", "pipe:1", "-y", "-f", "png_pipe", "-i", picture, "-vf",
                                            "pad=1920:1357:0:138:black,crop=794:794:1124:562", "-update", "1", tile})
                                   .join(' ')));
    EXPECT_TRUE(calls.contains(
        "-progress pipe:1 "
        + TranscodeManager::ffmpegArguments(tile, folder.filePath("wall_result_2_3.mp4"), 720, 720, "1M").join(' ')));
}

TEST_F(CutTest, OneFailedStepFailsTheCutOnceWithoutFullProgress)
{
    const struct
    {
        const char *failingOutput;
        EditError::Kind error;
        std::vector<float> progress;
    } cases[] = {
        // The other tiles go on; the cut is not complete.
        {"_2_1.mp4", EditError::Kind::transcodeFail, tileProgress(4, 3)},
    };
    for (const auto &c : cases) {
        StandInFfmpeg failing(QStringLiteral("case \"$*\" in *%1*) exit 1;; esac\nexec \"%2\" \"$@\"")
                                  .arg(QString::fromUtf8(c.failingOutput), realFfmpeg()));
        const CutOutcome outcome = cutAndWait(m_manager, clip(), unionOf(2, 2), false);
        ASSERT_EQ(outcome.completions.size(), 1u) << c.failingOutput;
        ASSERT_TRUE(std::holds_alternative<EditError>(outcome.completions.front()));
        EXPECT_EQ(std::get<EditError>(outcome.completions.front()).kind(), c.error) << c.failingOutput;
        EXPECT_EQ(outcome.progress, c.progress) << c.failingOutput;
    }
}

TEST_F(CutTest, FailedPadEndsTheCutAtOnceAndNoWaitingTileRuns)
{
    // The pad run fails at once; a tile's run waits for the gate, so only an early end completes.
    StandInFfmpeg standIn(QStringLiteral("%1\ncase \"$*\" in *_pad.*) exit 1;; esac\n%2")
                              .arg(QLatin1String(StandInFfmpeg::kRecorder), QLatin1String(StandInFfmpeg::kGated)));
    // Room for the pad run and one tile: the other three wait in the queue.
    TranscodeManager manager(2);
    bool early = false;
    const CutOutcome outcome = cutAndWait(manager, clip(), unionOf(2, 2), true, [&](const auto &completed) {
        early = waitUntil(completed, 10000);
        standIn.openGate();
    });
    EXPECT_TRUE(early) << "the cut waited for its tiles";
    ASSERT_EQ(outcome.completions.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<EditError>(outcome.completions.front()));
    EXPECT_EQ(std::get<EditError>(outcome.completions.front()).kind(), EditError::Kind::padFail);
    EXPECT_EQ(outcome.progress, (std::vector<float>{0.05f, 0.25f}));
    // The pad run, and at most the crop of the one tile that had begun: no conversion.
    EXPECT_LE(standIn.recordedCalls().size(), 2) << standIn.recordedCalls().join('\n').toStdString();
}

TEST_F(CutTest, NamesWithPercentAreCutAndConvertedAsTheOneFileNamed)
{
    // ffmpeg's picture reader and writer would take each name for a numbered sequence.
    for (const QString name : {"frame%03d.png", "50%discount.jpg", "loop%02d.gif"}) {
        const QString suffix = QFileInfo(name).suffix();
        const QString made = media("made." + suffix);
        ASSERT_TRUE(generateMedia(made, "testsrc2=size=192x108:rate=10:duration=0.5", false)) << name.toStdString();
        ASSERT_TRUE(QFile::rename(made, media(name)));
        const QString base = QFileInfo(name).completeBaseName();
        const CutOutcome outcome = cutAndWait(m_manager, media(name), unionOf(1, 1));
        ASSERT_EQ(outcome.completions.size(), 1u);
        ASSERT_TRUE(std::holds_alternative<QString>(outcome.completions.front())) << name.toStdString();
        EXPECT_EQ(filesIn(folderOf(base + "_1x1")),
                  QStringList({base + "_1_1." + suffix, base + "_pad." + suffix, base + "_result_1_1.mp4"}));
        // The union's own conversion of the same file.
        const TranscodeResult converted = TranscodeManager::transcode(media(name), *unionOf(1, 1));
        ASSERT_TRUE(std::holds_alternative<QString>(converted)) << name.toStdString();
        EXPECT_EQ(TranscodeManager::fetchResolution(std::get<QString>(converted)), QSize(720, 720));
    }
}

TEST_F(CutTest, DamagedPictureIsRefusedBeforeAnyRun)
{
    const QString damaged = media("damaged.jpg");
    ASSERT_TRUE(generateMedia(damaged, "testsrc2=size=1280x960", false));
    ASSERT_TRUE(QFile::resize(damaged, 3000));
    StandInFfmpeg recorder(StandInFfmpeg::kRecorder);
    const CutOutcome cut = cutAndWait(m_manager, damaged, unionOf(1, 1));
    ASSERT_EQ(cut.completions.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<EditError>(cut.completions.front()));
    EXPECT_EQ(std::get<EditError>(cut.completions.front()).kind(), EditError::Kind::resolutionFail);
    const TranscodeResult converted = TranscodeManager::transcode(damaged, *unionOf(1, 1));
    ASSERT_TRUE(std::holds_alternative<EditError>(converted));
    EXPECT_EQ(std::get<EditError>(converted).kind(), EditError::Kind::transcodeFail);
    EXPECT_TRUE(recorder.recordedCalls().isEmpty());
}

TEST_F(CutTest, ConverterThatNeverEndsFailsTheCutAndTheConversion)
{
    // The limit also bounds the real ffprobe that measures the clip first, which a loaded machine
    // can keep waiting for over a second.
    const StallLimit limit(std::chrono::seconds(3));
    StandInFfmpeg never(QStringLiteral("exec sleep 600"));
    const CutOutcome cut = cutAndWait(m_manager, clip(), unionOf(2, 2));
    ASSERT_EQ(cut.completions.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<EditError>(cut.completions.front()));
    EXPECT_EQ(std::get<EditError>(cut.completions.front()).kind(), EditError::Kind::padFail);
    const TranscodeResult converted = TranscodeManager::transcode(clip(), *unionOf(1, 1));
    ASSERT_TRUE(std::holds_alternative<EditError>(converted));
    EXPECT_EQ(std::get<EditError>(converted).kind(), EditError::Kind::transcodeFail);
}

TEST_F(CutTest, PromiseFormHoldsTheFolderOrTheError)
{
    StandInFfmpeg succeeding(QStringLiteral("exit 0"));
    QFuture<QString> done = m_manager.cut(clip(), nullptr, unionOf(1, 2));
    EXPECT_EQ(done.result(), folderOf("clip_1x2"));

    QThreadPool caller;
    QFuture<QString> refused = m_manager.cut(clip(), &caller, unionOf(0, 0), false);
    try {
        refused.waitForFinished();
        (void)refused.result();
        ADD_FAILURE() << "a cut without rows gave a folder";
    } catch (const EditError &error) {
        EXPECT_EQ(error, EditError::wrongRowColomn(0, 0));
    }
}

TEST_F(CutTest, CutOutlivesItsManager)
{
    StandInFfmpeg slow(QStringLiteral("sleep 0.2"));
    std::atomic<int> completions = 0;
    std::atomic<bool> succeeded = false;
    {
        TranscodeManager manager(2);
        manager.cut(clip(), unionOf(2, 2), true, {}, [&](const TranscodeResult &result) {
            succeeded = std::holds_alternative<QString>(result);
            ++completions;
        });
    }
    EXPECT_TRUE(waitUntil([&] { return completions.load() > 0; }, 20000));
    spinFor(100);
    EXPECT_EQ(completions.load(), 1);
    EXPECT_TRUE(succeeded.load());
}

} // namespace
