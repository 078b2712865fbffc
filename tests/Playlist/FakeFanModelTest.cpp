// The fan model the play-list tests talk to: it answers from its list and takes in uploads.
#include "EventLoop.h"
#include "FakeFanModel.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeFan;
using orvane::test::FakeFanFileServer;
using orvane::test::FakeFanModel;
using orvane::test::waitUntil;

TEST(FakeFanModelTest, ListsItsTextAndTakesInUploadsAndStoredLists)
{
    FakeFan fan;
    FakeFanFileServer files;
    ASSERT_TRUE(files.start());
    FakeFanModel model(fan, files);
    model.setListText("a.mp4,1.0M,1,\r\n");

    QXInsSocket ins(QStringLiteral("127.0.0.1"), fan.port());
    QString listed;
    ins.downloadListWithSuccess([&](const QXOperationRef &, qint64, const QVariant &text) { listed = text.toString(); },
                                nullptr);
    ASSERT_TRUE(waitUntil([&] { return !listed.isEmpty(); }));
    EXPECT_EQ(listed, QStringLiteral("a.mp4,1.0M,1,\r\n"));

    QTemporaryDir folder;
    const QString clip = folder.filePath(QStringLiteral("clip.mp4"));
    {
        QFile file(clip);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, 'v'));
    }
    QXFileSocket upload(QStringLiteral("127.0.0.1"), files.plainPort());
    upload.setPlainPort(files.plainPort());
    auto video = std::make_shared<QXFile>(clip, QStringLiteral("clip"));
    video->setAlreadyTranscoded(true);
    int done = 0;
    upload.sendFiles({video}, nullptr, nullptr, [&](auto &&...) { ++done; }, [&](auto &&...) { ++done; });
    ASSERT_TRUE(waitUntil([&] { return done == 1 && upload.currentIns() == QXFileSocket::Idle; }));
    EXPECT_EQ(model.listText(), QByteArray("a.mp4,1.0M,1,\r\nclip.mp4,2.0K,1,\r\n"));

    upload.sendListWithName(QStringLiteral("playlist.txt"), QStringLiteral("clip.mp4,2.0K,4,\r\n"), nullptr,
                            [&](auto &&...) { ++done; }, [&](auto &&...) { ++done; });
    ASSERT_TRUE(waitUntil([&] { return done == 2 && model.storedFile("playlist.txt").has_value(); }));
    EXPECT_EQ(model.listText(), QByteArray("clip.mp4,2.0K,4,\r\n"));
    EXPECT_EQ(model.storedNames(), (QList<QByteArray>{"clip.mp4", "playlist.txt"}));

    // The status offers several lists only with a list index.
    EXPECT_EQ(FakeFanModel::statusReply(2, std::nullopt).size(), 8);
    EXPECT_EQ(FakeFanModel::statusReply(2, 0).size(), 51);
}

} // namespace
