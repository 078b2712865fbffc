#include "FileSocketHarness.h"
#include "QXFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using orvane::test::writeFile;

TEST(QXFileTest, TypeFollowsTheNameInOrder)
{
    EXPECT_EQ(QXFile::typeWithName("clip.MOV"), QXFileType::Video);
    EXPECT_EQ(QXFile::typeWithName("loop.gif"), QXFileType::Video);
    EXPECT_EQ(QXFile::typeWithName("photo.JPEG"), QXFileType::Picture);
    EXPECT_EQ(QXFile::typeWithName("notes.txt"), QXFileType::Other);
    EXPECT_EQ(QXFile::typeWithName(""), QXFileType::None);
    // Device programs: whole fixed names and suffixes, both case-sensitive, tested first.
    EXPECT_EQ(QXFile::typeWithName("update.bin"), QXFileType::SystemFile);
    EXPECT_EQ(QXFile::typeWithName("cabin"), QXFileType::SystemFile);
    EXPECT_EQ(QXFile::typeWithName("rootfs"), QXFileType::SystemFile);
    EXPECT_EQ(QXFile::typeWithName("ROOTFS"), QXFileType::Other);
    EXPECT_EQ(QXFile::typeWithName("UPDATE.BIN"), QXFileType::Other);
}

TEST(QXFileTest, NamesAndTheirFallbacks)
{
    EXPECT_EQ(QXFile("/videos/clip.mp4", "show").name(), "show");
    EXPECT_EQ(QXFile("/videos/clip.final.mp4", "").name(), "clip");
    // Only the file's own name, never a folder of its path, and at most 10 characters.
    EXPECT_EQ(QXFile("/home/user.name/abcdefghijkl.mp4", "").name(), "abcdefghij");
    EXPECT_TRUE(QXFile("", "").name().contains(QRegularExpression("^\\d\\d-\\d\\d-\\d\\d-\\d\\d$")));

    QXFile missing("", "x");
    EXPECT_EQ(missing.type(), QXFileType::None);
    EXPECT_EQ(missing.actualName(), "error");

    EXPECT_EQ(QXFile("/a/clip.mkv", "abc").actualName(), "abc.mp4");
    EXPECT_EQ(QXFile("/a/p.png", "abc").actualName(), "abc.mp4");
    EXPECT_EQ(QXFile("/a/app.apk", "abc").actualName(), "abc.apk");
    EXPECT_EQ(QXFile("/a/notes.txt", "abc").actualName(), "error");
    QXFile list("/a/list", "main");
    list.setType(QXFileType::PlayList);
    EXPECT_EQ(list.actualName(), "main.txt");
}

TEST(QXFileTest, TranslatePathIsFixedOnFirstUse)
{
    // The copies go to the application's own folder, never to the user's documents.
    const QString folder = QDir::homePath() + "/.local/share/" + QCoreApplication::applicationName();
    QXFile video("/v/clip.mp4", "a");
    EXPECT_EQ(video.translatePath(), folder + "/out.mp4");
    video.setAlreadyTranscoded(true);
    EXPECT_EQ(video.translatePath(), folder + "/out.mp4");

    QXFile ready("/v/clip.mp4", "a");
    ready.setAlreadyTranscoded(true);
    EXPECT_EQ(ready.translatePath(), "/v/clip.mp4");
    EXPECT_EQ(QXFile("/v/firmware.bin", "a").translatePath(), folder + "/firmware.bin");
    EXPECT_EQ(QXFile("/v/notes.txt", "a").translatePath(), folder + "/out.mp4");
}

TEST(QXFileTest, SizeTextAndInformation)
{
    EXPECT_EQ(QXFile::fileSizeToshow(0), "0.0B");
    EXPECT_EQ(QXFile::fileSizeToshow(1023), "1023.0B");
    EXPECT_EQ(QXFile::fileSizeToshow(1536), "1.5K");
    EXPECT_EQ(QXFile::fileSizeToshow(102399), "100.0K");
    EXPECT_EQ(QXFile::fileSizeToshow(102400), "0.1M");
    EXPECT_EQ(QXFile::fileSizeToshow(1073741824), "1.0G");

    QTemporaryDir dir;
    QXFile file(writeFile(dir.filePath("i.mp4"), QByteArray(2048, 'x')), "intro");
    file.setAlreadyTranscoded(true);
    file.update();
    const QVariantMap info = file.information();
    EXPECT_EQ(info.value("name").toString(), "intro.mp4");
    EXPECT_EQ(info.value("size").toString(), "2.0K");
    EXPECT_EQ(info.value("times").toString(), "1");
}
