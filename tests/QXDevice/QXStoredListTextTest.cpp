// The fan's stored-video list and its list of play-list names, as the screens read them.
#include "QXStoredListText.h"

#include <gtest/gtest.h>

namespace {

struct VideoCase {
    const char *text;
    QStringList names;
    QStringList sizes;
};

class VideoListText : public ::testing::TestWithParam<VideoCase>
{
};

TEST_P(VideoListText, ReadsNameAndSizeOfEveryFullLine)
{
    const QList<QXQFileInfoRef> entries = QXStoredListText::analyzeVideoList(QString::fromUtf8(GetParam().text));
    QStringList names;
    QStringList sizes;
    for (const QXQFileInfoRef &entry : entries) {
        names.append(entry->fileName());
        sizes.append(entry->fileSize());
        EXPECT_EQ(entry->fileTimes(), QStringLiteral("1"));
    }
    EXPECT_EQ(names, GetParam().names);
    EXPECT_EQ(sizes, GetParam().sizes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, VideoListText,
    ::testing::Values(VideoCase{"a.mp4;1.2M;\r\nb c.mp4;3M;\r\n", {"a.mp4", "bc.mp4"}, {"1.2M", "3M"}},
                      VideoCase{"", {}, {}}, VideoCase{"a.mp4;1.2M\r\n", {}, {}},
                      VideoCase{"a.mp4;1.2M;7;x\n\n\r\nb.mp4;;\n", {"a.mp4", "b.mp4"}, {"1.2M", ""}},
                      VideoCase{"a.m\rp4;1.\r2M;", {"a.mp4"}, {"1.2M"}}));

TEST(PlayListNames, OneNamePerLineWithoutBlanksOrEmptyLines)
{
    EXPECT_EQ(QXStoredListText::analyzePlayListNames(QStringLiteral("playlist.txt\r\nparty.txt\r\n")),
              (QStringList{"playlist.txt", "party.txt"}));
    EXPECT_EQ(QXStoredListText::analyzePlayListNames(QStringLiteral("my list.txt\n\r\n \nb.txt")),
              (QStringList{"mylist.txt", "b.txt"}));
    EXPECT_TRUE(QXStoredListText::analyzePlayListNames(QString()).isEmpty());
}

} // namespace
