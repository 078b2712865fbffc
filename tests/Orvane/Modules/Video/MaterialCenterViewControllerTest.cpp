// The sample videos: they ship with the application as real clips and are saved where chosen.
#include "AnsweringPresenter.h"
#include "EventLoop.h"
#include "FilePanelAnswers.h"
#include "Modules/Video/MaterialCenterViewController.h"
#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

QByteArray resourceBytes(const QString &name)
{
    QFile resource(MaterialCenterViewController::resourcePath(name));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

TEST(SampleVideos, AreFiveSecondSquareClipsAtTwentyFourFrames)
{
    MaterialCenterViewController screen;
    QTemporaryDir folder;
    ASSERT_EQ(screen.videos().size(), 5);
    for (const QString &name : screen.videos()) {
        const QString path = folder.filePath(name + QStringLiteral(".mp4"));
        QFile copy(path);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(resourceBytes(name));
        copy.close();
        QProcess probe;
        probe.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                     QStringLiteral("stream=codec_name,width,height,r_frame_rate,duration"), QStringLiteral("-of"),
                     QStringLiteral("json"), path});
        ASSERT_TRUE(probe.waitForFinished(20000));
        const QJsonObject stream =
            QJsonDocument::fromJson(probe.readAllStandardOutput()).object().value("streams").toArray().at(0).toObject();
        EXPECT_EQ(stream.value("codec_name").toString(), QStringLiteral("h264")) << name.toStdString();
        EXPECT_EQ(stream.value("width").toInt(), 720);
        EXPECT_EQ(stream.value("height").toInt(), 720);
        EXPECT_EQ(stream.value("r_frame_rate").toString(), QStringLiteral("24/1"));
        EXPECT_NEAR(stream.value("duration").toString().toDouble(), 5.0, 0.1);
    }
    // Five different pictures.
    QSet<QByteArray> clips;
    for (const QString &name : screen.videos())
        clips.insert(resourceBytes(name));
    EXPECT_EQ(clips.size(), 5);
}

TEST(SampleVideos, AButtonSavesItsClipWhereChosen)
{
    AnsweringPresenter presenter;
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    MaterialCenterViewController screen;
    screen.resize(760, 480);
    screen.show();
    grabScreenshot(&screen, QStringLiteral("sample-videos"));

    // The fourth button proposes its clip's name in Downloads.
    QString proposed;
    QString directory;
    presenter.answerNext([&](QDialog *dialog) {
        auto *panel = qobject_cast<QFileDialog *>(dialog);
        proposed = panel->selectedFiles().value(0);
        directory = panel->directory().absolutePath();
        dialog->reject();
    });
    screen.loopBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return !proposed.isEmpty(); }));
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/loop.mp4")));
    EXPECT_EQ(directory, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));

    // Saving over a file replaces it.
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("mine.mp4"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    // The panel asks before it replaces a file: the operator agrees.
    QTimer agree;
    QObject::connect(&agree, &QTimer::timeout, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *question = qobject_cast<QMessageBox *>(widget); question && question->isVisible())
                question->button(QMessageBox::Yes)->click();
        }
    });
    agree.start(20);
    presenter.answerNext(chooseSavePath(target));
    screen.fishBtn()->click();
    ASSERT_TRUE(waitUntil([&] {
        QFile saved(target);
        return saved.open(QIODevice::ReadOnly) && saved.readAll() == resourceBytes(QStringLiteral("fish"));
    }));
}

} // namespace
