#include "QXDeviceFile.h"
#include "QXLogCapture.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

QVariantMap item(const QString &name, const QVariant &size, const QVariant &times)
{
    return {{QStringLiteral("name"), name}, {QStringLiteral("size"), size}, {QStringLiteral("times"), times}};
}

QString fixture(const char *name)
{
    return QString::fromUtf8(orvane::test::testData(QStringLiteral("QXDeviceFileFuzzer/") + QLatin1String(name)));
}

QStringList names(const QXDeviceFile &file)
{
    QStringList result;
    for (const QVariantMap &entry : file.list())
        result << entry.value(QStringLiteral("name")).toString();
    return result;
}

TEST(QXDeviceFileTest, RoundTripsListsWithAndWithoutIds)
{
    QXDeviceFile file;
    const QString plain = fixture("QXDeviceFile-plain.txt");
    file.updateContent(plain);
    EXPECT_FALSE(file.isContainsID());
    EXPECT_EQ(file.list().at(1), item(QStringLiteral("b.mp4"), QStringLiteral("2048"), QStringLiteral("3")));
    EXPECT_EQ(file.content(), plain);

    // Spaces are not part of the form, not even inside names.
    file.updateContent(fixture("QXDeviceFile-with-ids.txt"));
    EXPECT_TRUE(file.isContainsID());
    EXPECT_EQ(file.list().at(0).value(QStringLiteral("Id")).toString(), QStringLiteral("7"));
    EXPECT_EQ(file.content(), QStringLiteral("a.mp4,1024,1,7,\r\n夜景.mp4,2048,3,8,\r\n"));
}

TEST(QXDeviceFileTest, SkipsLinesOfTheWrongShape)
{
    orvane::test::QXLogCapture log;
    QXDeviceFile file;
    // 3 fields (no last comma), 2 fields, 6 fields, and the empty line after the last break.
    file.updateContent(QStringLiteral("a.mp4,10,1\r\na.mp4,10\r\nok.mp4,1,2,\r\nx,1,2,3,4,\r\n"));
    EXPECT_EQ(names(file), QStringList{QStringLiteral("ok.mp4")});
    EXPECT_EQ(log.count(QStringLiteral("fileContent item is null")), 2);

    // The last accepted line decides whether ids are used; no accepted line keeps it.
    file.updateContent(QStringLiteral("a.mp4,1,1,7,\r\nb.mp4,1,1,\r\n"));
    EXPECT_FALSE(file.isContainsID());
    file.updateContent(QStringLiteral("a.mp4,1,1,7,\r\n"));
    file.updateContent(QStringLiteral("junk"));
    EXPECT_TRUE(file.isContainsID());
    EXPECT_EQ(file.count(), 0);
}

TEST(QXDeviceFileTest, EditsBeforeTheFirstParseChangeNothing)
{
    orvane::test::QXLogCapture log;
    QXDeviceFile file;
    const QVariantMap a = item(QStringLiteral("a.mp4"), 1, 1);
    file.appendItem(a);
    file.appendItems({a});
    file.insertItem(a, 0);
    file.exchangeItemFromIndex(0, 0);
    file.deleteAllItems();
    file.deleteItemAtIndexPath(0);
    file.changeItem(0, 3);
    EXPECT_EQ(log.count(QStringLiteral("列表不存在")), 7);
    EXPECT_EQ(file.count(), 0);
    EXPECT_EQ(file.content(), QString());
    file.updateContent(std::nullopt);
    EXPECT_TRUE(log.contains(QStringLiteral("fileContent lines < 1")));
    // The empty text makes an empty list that then takes edits.
    file.updateContent(QString());
    file.appendItem(a);
    EXPECT_EQ(file.count(), 1);
}

TEST(QXDeviceFileTest, EditsKeepTheListsShape)
{
    orvane::test::QXLogCapture log;
    QXDeviceFile file;
    file.updateContent(QStringLiteral("a.mp4,1,1,\r\nb.mp4,2,1,\r\nc.mp4,3,1,\r\n"));
    file.insertItem(item(QStringLiteral("z.mp4"), 9, 1), 99);
    file.insertItem(item(QStringLiteral("f.mp4"), 0, 1), 0);
    file.insertItem(item(QStringLiteral("n.mp4"), 0, 1), -1);
    EXPECT_EQ(names(file), (QStringList{QStringLiteral("f.mp4"), QStringLiteral("a.mp4"), QStringLiteral("b.mp4"),
                                        QStringLiteral("c.mp4"), QStringLiteral("z.mp4"), QStringLiteral("n.mp4")}));
    file.exchangeItemFromIndex(0, 5);
    file.deleteItemAtIndexPath(5);
    file.changeItem(0, 5);
    EXPECT_EQ(file.content(),
              QStringLiteral("n.mp4,0,5,\r\na.mp4,1,1,\r\nb.mp4,2,1,\r\nc.mp4,3,1,\r\nz.mp4,9,1,\r\n"));

    file.exchangeItemFromIndex(0, 5);
    file.exchangeItemFromIndex(-1, 0);
    file.deleteItemAtIndexPath(5);
    file.changeItem(-1, 2);
    EXPECT_EQ(log.count(QStringLiteral("下标越界")), 4);
    EXPECT_EQ(file.count(), 5);
    file.deleteAllItems();
    EXPECT_EQ(file.content(), QString());
}

TEST(QXDeviceFileTest, RefusesToWriteItemsThatWouldCorruptTheDevicesList)
{
    QVariantMap fiveKeys = item(QStringLiteral("a.mp4"), 1, 1);
    fiveKeys.insert(QStringLiteral("Id"), 1);
    fiveKeys.insert(QStringLiteral("extra"), 1);
    QVariantMap wrongFourthKey = item(QStringLiteral("a.mp4"), 1, 1);
    wrongFourthKey.insert(QStringLiteral("id"), 1);
    const QList<QVariantMap> bad = {
        fiveKeys,
        wrongFourthKey,
        {{QStringLiteral("name"), QStringLiteral("a.mp4")}, {QStringLiteral("size"), 1}, {QStringLiteral("count"), 1}},
        item(QStringLiteral("a,b.mp4"), 1, 1),
        item(QStringLiteral("a\r\nb.mp4"), 1, 1),
        item(QStringLiteral("a.mp4"), QStringLiteral("1\n"), 1),
        item(QStringLiteral("a.mp4"), 1, QVariantList{1, 2}),
    };
    for (const QVariantMap &entry : bad) {
        orvane::test::QXLogCapture log;
        QXDeviceFile file;
        file.updateContent(QStringLiteral("ok.mp4,1,1,\r\n"));
        file.appendItem(entry);
        EXPECT_FALSE(file.content().has_value());
        EXPECT_TRUE(log.contains(QStringLiteral("文件内容存在错误")));
        // The items stay, so the operator can still fix the list.
        EXPECT_EQ(file.count(), 2);
    }
}

TEST(QXDeviceFileTest, FileNameChecks)
{
    QXDeviceFile file;
    file.updateContent(QStringLiteral("ba.mp4,1,1,\r\n"));
    // A substring test, as the device's own check does.
    EXPECT_TRUE(file.isExistFileWithName(QStringLiteral("a")));
    EXPECT_FALSE(file.isExistFileWithName(QStringLiteral("c")));
    EXPECT_TRUE(QXDeviceFile::isSupportedFileWithName(QStringLiteral("Clip.MOV")));
    EXPECT_TRUE(QXDeviceFile::isSupportedFileWithName(QStringLiteral("mp4-notes.txt")));
    EXPECT_FALSE(QXDeviceFile::isSupportedFileWithName(QStringLiteral("notes.txt")));
}

} // namespace
