// The play-list text the screens write and read: what survives a round trip, what the reader
// drops, and the upload names it can carry.
#include "QXQFileInfo.h"

#include <gtest/gtest.h>

namespace {

struct Entry {
    QString name, size, times;
    bool operator==(const Entry &) const = default;
};

QList<Entry> read(const QString &text)
{
    QList<Entry> entries;
    for (const QXQFileInfoRef &entry : QXPlayListText::analyzeListString(text))
        entries.append({entry->fileName(), entry->fileSize(), entry->fileTimes()});
    return entries;
}

TEST(QXPlayListTextTest, WellFormedTextReadsAndWritesBackByteForByte)
{
    const QString text = QStringLiteral("a.mp4,1.2M,3,\r\nb.mp4,0.5M,1,\r\n");
    const QList<QXQFileInfoRef> entries = QXPlayListText::analyzeListString(text);
    ASSERT_EQ(read(text), (QList<Entry>{{"a.mp4", "1.2M", "3"}, {"b.mp4", "0.5M", "1"}}));
    EXPECT_EQ(QXPlayListText::getListString(entries), text);
    EXPECT_EQ(QXPlayListText::getListString({}), QString());
    EXPECT_TRUE(read(QString()).isEmpty());
}

TEST(QXPlayListTextTest, ReaderKeepsThreePiecesAndSkipsTheRest)
{
    struct Case {
        const char *why;
        QString text;
        QList<Entry> entries;
    };
    const QList<Case> cases = {
        {"the device's identifier is dropped", QStringLiteral("a.mp4,1.2M,3,7,\r\n"), {{"a.mp4", "1.2M", "3"}}},
        {"blanks go, names included", QStringLiteral("my clip.mp4, 2M ,1,\r\n"), {{"myclip.mp4", "2M", "1"}}},
        {"empty lines and a lone comma give nothing", QStringLiteral("\r\n\n,\r\nx,\r\n"), {}},
        {"two commas give an empty play count", QStringLiteral("a.mp4,1M,"), {{"a.mp4", "1M", ""}}},
        {"line feeds alone separate lines", QStringLiteral("a,1,2,\nb,3,4,"), {{"a", "1", "2"}, {"b", "3", "4"}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(read(c.text), c.entries) << c.why;
}

TEST(QXPlayListTextTest, EntriesAreSharedByIdentityAndALocalFileHasNoListFields)
{
    const auto entry = std::make_shared<QXQFileInfo>(QStringLiteral("a.mp4"), QStringLiteral("1M"), QStringLiteral("2"));
    EXPECT_EQ(entry->fileType(), 403);
    EXPECT_TRUE(entry->filePath().isNull());
    const auto local = std::make_shared<QXQFileInfo>(QStringLiteral("b.mp4"), 400, QStringLiteral("/tmp/b.mp4"));
    EXPECT_TRUE(local->fileSize().isNull());
    EXPECT_TRUE(local->fileTimes().isNull());
    const QList<QXQFileInfoRef> rows = {entry};
    EXPECT_TRUE(rows.contains(entry));
    EXPECT_FALSE(rows.contains(std::make_shared<QXQFileInfo>(QStringLiteral("a.mp4"), QStringLiteral("1M"),
                                                             QStringLiteral("2"))));
}

TEST(QXPlayListTextTest, UploadNamesLoseBlanksAndListBreakingCharacters)
{
    EXPECT_EQ(QXPlayListText::cleanUploadName(QStringLiteral("my clip.mp4")), QStringLiteral("myclip.mp4"));
    EXPECT_EQ(QXPlayListText::cleanUploadName(QStringLiteral("a,b;c#d\r\ne .mov")), QStringLiteral("abcde.mov"));
    EXPECT_EQ(QXPlayListText::cleanUploadName(QStringLiteral("clip-1_ü.mp4")), QStringLiteral("clip-1_ü.mp4"));
}

} // namespace
