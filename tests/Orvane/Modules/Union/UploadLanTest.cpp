// Tiles of a cut, and one file for all, uploaded to every member's file port.
#include "UnionFans.h"

#include "Modules/Union/UnionUploader.h"
#include "QXButton.h"
#include "Transcode/TranscodeManager.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using namespace orvane::test;

class Upload : public UnionFans
{
protected:
    UnionUploader uploader(const std::shared_ptr<UnionData> &made)
    {
        return UnionUploader(made, transcoder, connector());
    }

    // A cut's folder holding a tile of distinct bytes for every slot of a rows x colomns grid.
    QString tileFolder(const QString &name, qint64 rows, qint64 colomns)
    {
        const QString folder = dir.filePath(name);
        QDir().mkpath(folder);
        for (qint64 r = 0; r < rows; ++r) {
            for (qint64 c = 0; c < colomns; ++c) {
                QFile tile(*UnionUploader::tileURL(folder, r, c));
                EXPECT_TRUE(tile.open(QIODevice::WriteOnly));
                tile.write(tileBytes(r, c));
            }
        }
        return folder;
    }

    static QByteArray tileBytes(qint64 row, qint64 colomn)
    {
        return QByteArray(5000 + int(row * 10 + colomn), char('a' + row * 3 + colomn));
    }

    std::shared_ptr<TranscodeManager> transcoder = std::make_shared<TranscodeManager>(9);
    QTemporaryDir dir;
};

TEST(TileName, FollowsTheFolderNameUpToItsLastUnderscore)
{
    EXPECT_EQ(UnionUploader::tileURL("/t/clip_3x3", 0, 0), "/t/clip_3x3/clip_result_1_1.mp4");
    EXPECT_EQ(UnionUploader::tileURL("/t/my_clip_2x3/", 1, 2), "/t/my_clip_2x3/my_clip_result_2_3.mp4");
    EXPECT_EQ(UnionUploader::tileURL("/t/tiles", 0, 0), std::nullopt);
    // The operator's folder name is never read as a format.
    EXPECT_EQ(UnionUploader::tileURL("/t/a%1%2_2x2", 0, 1), "/t/a%1%2_2x2/a%1%2_result_1_2.mp4");
}

TEST(UploadName, IsTheBaseNameWithoutWhatWouldSplitAListLine)
{
    EXPECT_EQ(UnionUploader::uploadName("/t/a b,c;d#e_result_1_1.mp4"), "abcde_result_1_1");
    EXPECT_EQ(UnionUploader::uploadName("/t/clip.final.mov"), "clip.final");
}

TEST_F(Upload, EachMemberGetsItsOwnTileAndAnEmptySlotNone)
{
    addFans(5, true);
    const std::shared_ptr<UnionData> wall = unionOf(2, 3, {0, 1, 2, 3, -1, 4});
    const QString folder = tileFolder(QStringLiteral("clip_2x3"), 2, 3);
    uploader(wall).uploadCuttedAction(folder);
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }, 10000));
    EXPECT_EQ(sheetRows().size(), 5);
    const QList<std::pair<qint64, qint64>> places = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 2}};
    for (int i = 0; i < 5; ++i) {
        // The fan records a transfer just after it has answered it.
        ASSERT_TRUE(waitUntil([&] { return fans.at(i)->files->transfers().size() == 1; })) << i;
        const QList<FakeFanFileServer::Transfer> transfers = fans.at(i)->files->transfers();
        const auto [r, c] = places.at(i);
        EXPECT_TRUE(transfers[0].name.startsWith(QStringLiteral("clip_result_%1_%2").arg(r + 1).arg(c + 1).toUtf8()))
            << transfers[0].name.constData();
        EXPECT_EQ(transfers[0].body, tileBytes(r, c));
        EXPECT_EQ(sheetRows().at(i)->fractionCompleted(), 1.0);
    }
}

TEST_F(Upload, TwoMembersAtOneAddressBothFinish)
{
    addFans(1, true);
    const auto twin = std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvi_twin"), fans.front()->ip);
    auto pair = unionOf(1, 2);
    pair->setDevice(0, 1, twin);
    const QString folder = tileFolder(QStringLiteral("clip_1x2"), 1, 2);
    uploader(pair).uploadCuttedAction(folder);
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }, 10000));
    for (const auto &row : sheetRows())
        EXPECT_EQ(row->fractionCompleted(), 1.0) << "a shared file socket takes one member after the other";
    EXPECT_TRUE(waitUntil([&] { return fans.front()->files->transfers().size() == 2; }));
}

TEST_F(Upload, AFileSocketBusyWithAnotherUploadPausesTheRowAndTheRunEnds)
{
    addFans(1, true);
    fans.front()->files->setNeverAnswer(true);
    const QString folder = tileFolder(QStringLiteral("clip_1x1"), 1, 1);
    uploader(unionOf(1, 1)).uploadCuttedAction(folder);
    ASSERT_TRUE(waitUntil([&] { return fans.front()->files->bytesReceived() > 0; }));
    uploader(unionOf(1, 1)).uploadCuttedAction(folder);
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }));
    EXPECT_TRUE(sheetRows().front()->isPaused());
}

TEST_F(Upload, AFolderWithoutTilesUploadsNothingAndShowsNothing)
{
    addFans(1, true);
    const QString tiles = dir.filePath(QStringLiteral("tiles"));
    QDir().mkpath(tiles);
    QFile tile(QDir(tiles).filePath(QStringLiteral("tiles_result_1_1.mp4")));
    ASSERT_TRUE(tile.open(QIODevice::WriteOnly));
    tile.write("tile");
    tile.close();
    uploader(unionOf(1, 1)).uploadCuttedAction(tiles);
    uploader(unionOf(1, 1)).uploadCuttedAction(dir.filePath(QStringLiteral("none_1x1")));
    spinFor(200);
    EXPECT_TRUE(presenter.presented().isEmpty());
    EXPECT_TRUE(fans.front()->files->transfers().isEmpty());
}

TEST_F(Upload, AConversionThatFailsUploadsNothingAndLetsItsSheetClose)
{
    addFans(1, true);
    QFile junk(dir.filePath(QStringLiteral("junk.mp4")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a video");
    junk.close();
    // Sound without a picture converts, but no fan could show it.
    const QString sound = dir.filePath(QStringLiteral("sound.mp4"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", sound}), 0);
    uploader(unionOf(1, 1)).cutAndUploadAction(junk.fileName());
    uploader(unionOf(1, 1)).uploadSameAction(junk.fileName());
    uploader(unionOf(1, 1)).uploadSameAction(sound);
    // Guarded: a sheet dismissed as if its conversion had succeeded is gone.
    QList<QPointer<MultyProgressDialogController>> sheets;
    for (const QPointer<QDialog> &shown : presenter.presented())
        sheets.append(qobject_cast<MultyProgressDialogController *>(shown.data()));
    ASSERT_EQ(sheets.size(), 3);
    for (const auto &sheet : sheets) {
        ASSERT_TRUE(sheet);
        EXPECT_FALSE(sheet->confirmBtn()->isEnabled()) << "locked while converting";
    }
    for (const auto &sheet : sheets)
        EXPECT_TRUE(waitUntil([&] { return sheet && sheet->confirmBtn()->isEnabled(); }, 20000));
    spinFor(200);
    EXPECT_EQ(presenter.presented().size(), 3) << "no upload sheet";
    EXPECT_TRUE(fans.front()->files->transfers().isEmpty());
}

TEST_F(Upload, AFailedUploadPausesOnlyItsRow)
{
    addFans(2, true);
    fans.at(0)->files->setDropAfter(1000);
    uploader(unionOf(1, 2)).uploadCuttedAction(tileFolder(QStringLiteral("clip_1x2"), 1, 2));
    ASSERT_TRUE(waitUntil([&] { return sheetSettled(); }, 10000));
    EXPECT_TRUE(sheetRows().at(0)->isPaused());
    EXPECT_EQ(sheetRows().at(1)->fractionCompleted(), 1.0);
}

} // namespace
