#include "Core/AppPaths.h"
#include "Core/Utils.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

TEST(Utils, ParametersForAnyDeviceNameAreTheDefaults)
{
    for (const QString &name : {QString(), QStringLiteral("Orvane"), QStringLiteral("Orvane_KVI_0042")}) {
        const QVariantMap parameters = Utils::getParametersWithWifiName(name);
        EXPECT_EQ(parameters.value(QStringLiteral("IP")).toString(), QStringLiteral("192.168.2.1"));
        EXPECT_EQ(parameters.value(QStringLiteral("resolution")).toString(), QStringLiteral("512"));
        EXPECT_EQ(parameters.value(QStringLiteral("rate")).toString(), QStringLiteral("1M"));
        EXPECT_EQ(parameters.size(), 3);
    }
}

TEST(Utils, FileSizeIsShownInTheLargestFittingUnit)
{
    EXPECT_EQ(Utils::fileSizeToshow(1023), QStringLiteral("1023.00B"));
    EXPECT_EQ(Utils::fileSizeToshow(1024), QStringLiteral("1.00K"));
    EXPECT_EQ(Utils::fileSizeToshow(1572864), QStringLiteral("1.50M"));
    EXPECT_EQ(Utils::fileSizeToshow(2LL * 1024 * 1024 * 1024), QStringLiteral("2.00G"));
    EXPECT_EQ(Utils::fileSizeToshow(0), QStringLiteral("0.00B"));
}

TEST(Utils, ByteConversionsReturnValuesAndReadNoFurtherThanTheirInput)
{
    EXPECT_EQ(Utils::byteArrayToInt(QByteArray::fromHex("00000102")), 258u);
    EXPECT_EQ(Utils::byteArrayToInt(QByteArray::fromHex("000001")), 0u);
    EXPECT_EQ(Utils::byteArrayToLong(QByteArray::fromHex("0000000000000102")), 258);
    EXPECT_EQ(Utils::byteArrayToLong(QByteArray::fromHex("00000000000001")), 0);

    // Each call has its own bytes: an earlier result is not overwritten by a later call.
    const QByteArray first = Utils::shortToByteArray(258);
    const QByteArray second = Utils::shortToByteArray(0xFFFF);
    EXPECT_EQ(first, QByteArray::fromHex("0102"));
    EXPECT_EQ(second, QByteArray::fromHex("ffff"));
    EXPECT_EQ(Utils::longToByteArray(258), QByteArray::fromHex("0201000000000000"));
}

TEST(Utils, PlayListFileIsWrittenWholeInTheApplicationsFolder)
{
    Utils *utils = Utils::shareInstance();
    utils->InitDefault();
    EXPECT_EQ(utils->playingIndex(), -1);
    EXPECT_EQ(utils->fileListPath(), orvane::appSupportFile(QStringLiteral("playlist.txt")));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(Utils::getDocumentPathWithFileName(QStringLiteral("out.mp4")), documents + QStringLiteral("/out.mp4"));

    ASSERT_TRUE(utils->saveFileListToStorage("a.mp4,1\nb.mp4,2\n"));
    ASSERT_TRUE(utils->saveFileListToStorage("c.mp4,3\n"));
    QFile file(utils->fileListPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("c.mp4,3\n"));
    file.close();

    // A disk that fills up midway: the old list stays.
    bool saved = true;
    {
        const orvane::test::FileSizeLimit full(4);
        saved = utils->saveFileListToStorage("d.mp4,4\ne.mp4,5\n");
    }
    EXPECT_FALSE(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("c.mp4,3\n"));
}

TEST(Utils, DeletingRemovesFilesButNeverAFolderWithContent)
{
    const QString root = QDir::homePath() + QStringLiteral("/delete-test");
    QDir().mkpath(root + QStringLiteral("/kept"));
    QFile keep(root + QStringLiteral("/kept/user.mp4"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    QFile single(root + QStringLiteral("/gone.mp4"));
    ASSERT_TRUE(single.open(QIODevice::WriteOnly));
    single.close();

    Utils::deleteFileWithPath(single.fileName());
    Utils::deleteFileWithPath(root + QStringLiteral("/kept"));
    Utils::deleteFileWithPath(root + QStringLiteral("/missing"));
    EXPECT_FALSE(QFile::exists(single.fileName()));
    EXPECT_TRUE(QFile::exists(keep.fileName()));
}

} // namespace
