// The play list end to end against a fan model at the hotspot address, inside the private
// network of scripts/in-test-lan: connect, see the list, upload a clip converted by the real
// ffmpeg, reorder, save, and find the new list on the fan; then upload a picture, the operator's
// own out.mp4 and a device program, none of which touches the operator's documents.
#include "AnsweringPresenter.h"
#include "Core/AppPaths.h"
#include "Core/Language.h"
#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "EventLoop.h"
#include "FakeFanModel.h"
#include "FilePanelAnswers.h"
#include "Modules/Playlist/PlayListCell.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "OrvaneProcess.h"
#include "Shell/HomeViewController.h"
#include "Shell/MasterWindowController.h"
#include "Widget/Rows/RowColumnView.h"
#include "QXButton.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXFileSocket.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeFan;
using orvane::test::FakeFanFileServer;
using orvane::test::FakeFanModel;
using orvane::test::waitUntil;

const QString kHotspotAddress = QStringLiteral("192.168.2.1");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeTo(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

TEST(PlaylistLan, ConnectedOperatorUploadsReordersAndSavesAndTheDocumentsStayUntouched)
{
    orvane::language::setLanguage(QStringLiteral("en"));
    FakeFan fan{QHostAddress(kHotspotAddress), 8000};
    ASSERT_NE(fan.port(), 0);
    FakeFanFileServer files;
    ASSERT_TRUE(files.start(8002, 8003, QHostAddress(kHotspotAddress)));
    FakeFanModel model(fan, files);
    model.setListText("intro.mp4,1.0M,1,\r\nloop.mp4,2.0M,2,\r\n");

    QTemporaryDir folder;
    const QString clip = folder.filePath(QStringLiteral("my clip.mp4"));
    const QStringList arguments = {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=10", "-t", "0.5", clip};
    OrvaneProcess generate(OrvaneProcess::findExecutable(QStringLiteral("ffmpeg")), arguments);
    generate.launch();
    generate.waitUntilExit();
    ASSERT_EQ(generate.terminate(), 0);

    // Files of the operator's own under the names the system gives its copies; the video is
    // uploaded too.
    const QDir documents(QDir::homePath() + QStringLiteral("/Documents"));
    ASSERT_TRUE(documents.mkpath(QStringLiteral(".")));
    const QString ownVideo = documents.filePath(QStringLiteral("out.mp4"));
    ASSERT_TRUE(QFile::copy(clip, ownVideo));
    const QMap<QString, QByteArray> ownFiles = {{QStringLiteral("out.mp4"), readAll(clip)},
                                                {QStringLiteral("update.bin"), "my own program"},
                                                {QStringLiteral("playlist.txt"), "my own list"}};
    writeTo(documents.filePath(QStringLiteral("update.bin")), ownFiles.value(QStringLiteral("update.bin")));
    writeTo(documents.filePath(QStringLiteral("playlist.txt")), ownFiles.value(QStringLiteral("playlist.txt")));

    QXConnectManager &manager = QXConnect::connectManager();
    manager.setFfmpeg_mac(&MasterWindowController::runFfmpeg);
    manager.configDeviceWithWifiName(QStringLiteral("Orvane_kvi_AP01"));
    ASSERT_EQ(manager.device()->IP(), kHotspotAddress);
    bool connected = false;
    manager.insSocket()->connectedWithSuccess([&](auto &&...) { connected = true; }, nullptr);
    ASSERT_TRUE(waitUntil([&] { return connected; }));

    HomeViewController home;
    home.resize(1100, 700);
    home.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&home));
    home.switchToViewControllerType(HomeViewController::playlistType);
    auto *screen = qobject_cast<PlaylistViewController *>(home.playlistNavi()->rootViewController());
    ASSERT_TRUE(screen);
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().size() == 2 && screen->btnAddFile()->isEnabled(); }));
    EXPECT_EQ(screen->nameLabel()->text(), QStringLiteral("Orvane_kvi_AP01"));

    orvane::test::AnsweringPresenter presenter;
    presenter.answerNext(orvane::test::chooseFiles({clip}));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().size() == 3; }, 60000));
    EXPECT_EQ(screen->contentArray().last()->fileName(), QStringLiteral("myclip.mp4"));
    ASSERT_EQ(files.transfers().size(), 1);
    EXPECT_EQ(files.transfers().first().name, QByteArray("myclip.mp4"));
    EXPECT_GT(files.transfers().first().bodySize, 0);
    EXPECT_TRUE(model.listText().contains("myclip.mp4,"));

    screen->playList()->layoutIfNeeded();
    screen->cellAt(2)->btnUpItem()->click();
    ASSERT_TRUE(waitUntil([&] {
        const auto entries = screen->contentArray();
        return entries.size() == 3 && entries.at(1)->fileName() == QStringLiteral("myclip.mp4");
    }));
    ASSERT_TRUE(screen->btnSave()->isEnabled());
    screen->btnSave()->click();
    ASSERT_TRUE(waitUntil([&] { return model.storedFile("playlist.txt").has_value(); }));
    const QByteArray saved = model.storedFile("playlist.txt").value();
    EXPECT_TRUE(saved.startsWith("intro.mp4,1.0M,1,\r\nmyclip.mp4,")) << saved.toStdString();
    EXPECT_TRUE(saved.endsWith(",1,\r\nloop.mp4,2.0M,2,\r\n")) << saved.toStdString();
    EXPECT_EQ(model.listText(), saved);
    ASSERT_TRUE(waitUntil([&] { return !screen->btnSave()->isEnabled() && !screen->checkContentChanged(); }));
    EXPECT_EQ(readAll(orvane::appSupportFile(QStringLiteral("playlist.txt"))), saved);

    // The operator's own picture and video, and a device program from elsewhere, go to the fan;
    // the files the operator keeps in Documents under the names of the system's copies stay
    // as they were.
    const QString picture = documents.filePath(QStringLiteral("photo.png"));
    const QStringList still = {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=64x48", "-frames:v", "1", picture};
    ASSERT_EQ(QProcess::execute(OrvaneProcess::findExecutable(QStringLiteral("ffmpeg")), still), 0);
    presenter.answerNext(orvane::test::chooseFiles({ownVideo, picture}));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return screen->contentArray().size() == 5; }, 60000));
    const QByteArray program(3000, 'p');
    presenter.answerNext(orvane::test::chooseFiles({writeTo(folder.filePath(QStringLiteral("update.bin")), program)}));
    ASSERT_TRUE(waitUntil([&] { return manager.fileSocket()->currentIns() == QXFileSocket::Idle; }));
    screen->btnAddFile()->click();
    ASSERT_TRUE(waitUntil([&] { return model.storedFile("update.bin") == std::optional(program); }, 60000));
    EXPECT_GT(model.storedFile("out.mp4").value_or(QByteArray()).size(), 0);
    EXPECT_GT(model.storedFile("photo.mp4").value_or(QByteArray()).size(), 0);
    for (auto it = ownFiles.cbegin(); it != ownFiles.cend(); ++it)
        EXPECT_EQ(readAll(documents.filePath(it.key())), it.value()) << it.key().toStdString();

    bool down = false;
    manager.insSocket()->disconnectWtihBlock([&](qint64, const QVariant &) { down = true; });
    ASSERT_TRUE(waitUntil([&] { return down; }));
}

} // namespace
