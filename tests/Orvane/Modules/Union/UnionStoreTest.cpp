#include "FileSizeLimit.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDataUtil.h"
#include "NetworkingDevice.h"
#include "UnionStoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using orvane::test::UpdateRecorder;

std::shared_ptr<NetworkingDevice> fan(const QString &name, const QString &ip)
{
    return std::make_shared<NetworkingDevice>(name, ip);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "name RxC top #index master@ip [grid rows joined by /]", a master-marked fan with "*", unions
// joined by "; ".
QString describe(const UnionList &unions)
{
    QStringList described;
    for (const auto &u : unions) {
        const auto master = u->masterDevice();
        QStringList rows;
        for (const auto &cells : u->devices()) {
            QStringList names;
            for (const auto &fan : cells)
                names << (fan ? fan->name() + (fan->isMaster() ? "*" : "") : QStringLiteral("-"));
            rows << names.join(' ');
        }
        described << QStringLiteral("%1 %2x%3 %4 #%5 %6 [%7]")
                         .arg(u->name())
                         .arg(u->row())
                         .arg(u->colomn())
                         .arg(u->isTop() ? 1 : 0)
                         .arg(u->index())
                         .arg(master ? master->name() + "@" + master->ip() : QStringLiteral("-"), rows.join(" / "));
    }
    return described.join("; ");
}

class UnionStoreTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("unionList.txt")); }

    // The union of the file format's example: 2 x 2, master FAN-A, the lower-left slot empty.
    std::shared_ptr<UnionData> hall() const
    {
        auto a = fan("FAN-A", "192.168.1.20");
        UnionGrid grid{{a, fan("FAN-B", "192.168.1.21")}, {nullptr, fan("FAN-D", "192.168.1.23")}};
        auto unionData = std::make_shared<UnionData>("hall", 2, 2, false, path(), grid);
        unionData->setMasterDevice(a);
        return unionData;
    }

    static constexpr const char *kHallBlock =
        "hall,2,2,0,FAN-A\nFAN-A,192.168.1.20#FAN-B,192.168.1.21\n,#FAN-D,192.168.1.23";

    QTemporaryDir m_dir;
};

TEST_F(UnionStoreTest, AppendStartsANewFileWithABlankLineAndReadsBackAsWritten)
{
    ASSERT_EQ(UnionDataUtil::append(hall(), path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray("\n") + kHallBlock);
    auto mill = std::make_shared<UnionData>("mill", 1, 1, true, path());
    ASSERT_EQ(UnionDataUtil::append(mill, path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray("\n") + kHallBlock + "\nmill,1,1,1\n,");
    EXPECT_EQ(mill->index(), -1) << "appending leaves the record's index alone";

    const UnionList read = UnionDataUtil::fetchLocalDataList(path());
    EXPECT_EQ(describe(read), "hall 2x2 0 #0 FAN-A@192.168.1.20 [FAN-A* FAN-B / - FAN-D]; mill 1x1 1 #1 - [-]");
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read.at(0)->url(), path());
    // The master is the grid's own fan, not a copy.
    EXPECT_EQ(read.at(0)->masterDevice(), read.at(0)->device(0, 0));

    // Writing what was read gives the same lines, without the leading blank one.
    ASSERT_EQ(UnionDataUtil::saveList(read, path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock) + "\nmill,1,1,1\n,");
}

TEST_F(UnionStoreTest, ReaderIsStrictAndAlwaysGivesFullGrids)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a,+2,1,1\nx,1\ny,2", "a 2x1 1 #0 - [x / y]"},
        // A count that is not plain digits is 0: the union ends at once, unshown but in its place.
        {"a, 2,1,0\nx,1\nb,1,1,0\ny,2", "b 1x1 0 #1 - [y]"},
        {"a,2 ,1,0\nb,1,1,0\ny,2", "b 1x1 0 #1 - [y]"},
        {"a,0x1,1,0\nb,1,1,0\ny,2", "b 1x1 0 #1 - [y]"},
        {"a,99999999999999999999,1,0\nb,1,1,0\ny,2", "b 1x1 0 #1 - [y]"},
        {"a,-1,1,0\nb,1,1,0\ny,2", "b 1x1 0 #1 - [y]"},
        // A union too wide to show still owns its grid line.
        {"a,1,33,0\nb,1,2,0\nc,1,1,0\ny,2", "c 1x1 0 #1 - [y]"},
        {"a,1,2,1,M\r\nM,1\r\n\r\nb,1,1,0\r\nx,2\r\n", "a 1x2 1 #0 M@1 [M* -]; b 1x1 0 #1 - [x]"},
        // Only "1" is a set top flag.
        {"a,1,1,01\nx,1\nb,1,1,1 \nx,1\nc,1,1,true\nx,1", "a 1x1 0 #0 - [x]; b 1x1 0 #1 - [x]; c 1x1 0 #2 - [x]"},
        // Short headers are ignored, blank lines skipped, fields after the master ignored.
        {"\n\nshort,1,1\n\na,1,1,1,,extra\n\nx,1\n", "a 1x1 1 #0 @ [x]"},
        // A header without any grid line is not a union.
        {"a,1,1,0\nx,1\nb,1,1,0", "a 1x1 0 #0 - [x]"},
        // Malformed cells are empty slots; parts after the address are ignored.
        {"u,1,5,0\n,#n,#,ip#plain#a,1,extra", "u 1x5 0 #0 - [- - - - a]"},
        // Long lines are cut, short ones padded, missing rows added.
        {"u,2,2,0\na,1#b,2#c,3\nd,4", "u 2x2 0 #0 - [a b / d -]"},
        {"u,3,1,0\na,1", "u 3x1 0 #0 - [a / - / -]"},
        // A master no fan bears stays a placeholder; of several bearers the last one leads.
        {"u,1,1,0,GONE\nFAN,1", "u 1x1 0 #0 GONE@ [FAN]"},
        {"u,1,3,0,M\nM,1#X,2#M,3", "u 1x3 0 #0 M@3 [M* X M*]"},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(describe(UnionDataUtil::unionsFromText(QString::fromUtf8(text), path())), expected) << text;
}

TEST_F(UnionStoreTest, SaveReplacesOnlyTheUnionItWasReadAsElseAppendsANewOne)
{
    ASSERT_EQ(UnionDataUtil::saveList({hall(), std::make_shared<UnionData>("mill", 1, 1, false, path())}, path()),
              std::nullopt);
    UnionList read = UnionDataUtil::fetchLocalDataList(path());
    ASSERT_EQ(read.size(), 2u);
    read.at(1)->setName("barn");
    ASSERT_EQ(UnionDataUtil::save(read.at(1), path(), QStringLiteral("mill")), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock) + "\nbarn,1,1,0\n,");
    auto fresh = std::make_shared<UnionData>("new", 1, 1, false, path());
    ASSERT_EQ(UnionDataUtil::save(fresh, path()), std::nullopt);
    EXPECT_EQ(fresh->index(), -1);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock) + "\nbarn,1,1,0\n,\nnew,1,1,0\n,");

    // The file changed since the records were read (another copy of the program, a hand edit):
    // another union at the index, one the screens do not show, or none at all. Each refusal tells
    // the screens to read the file again.
    const QByteArray changed = QByteArray(kHallBlock) + "\nbarn,1,1,0\n,\nbad,x,1,0";
    writeBytes(path(), changed);
    UpdateRecorder spy;
    const std::tuple<qint64, const char *, const char *> stale[] = {
        {1, "barn", "mill"}, {1, "mill", "mill"}, {2, "bad", "bad"}, {3, "new", "new"}, {9, "new", "new"}};
    for (const auto &[index, name, storedName] : stale) {
        auto record = std::make_shared<UnionData>(QString::fromLatin1(name), 1, 1, false, path());
        record->setIndex(index);
        const auto refused = UnionDataUtil::save(record, path(), QString::fromLatin1(storedName));
        ASSERT_TRUE(refused.has_value()) << index << " " << name;
        EXPECT_EQ(refused->kind, UnionStoreError::Kind::changed);
        EXPECT_EQ(refused->description, QString::fromLatin1(storedName));
    }
    EXPECT_EQ(bytesOf(path()), changed);
    EXPECT_EQ(spy.urls, QStringList(qsizetype(std::size(stale)), path()));
}

TEST_F(UnionStoreTest, EverySuccessfulWriteNotifiesOnceAndAFailedOneNever)
{
    UpdateRecorder spy;
    ASSERT_EQ(UnionDataUtil::saveList({}, path()), std::nullopt);
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(bytesOf(path()), QByteArray());
    EXPECT_TRUE(UnionDataUtil::fetchLocalDataList(path()).empty());
    ASSERT_EQ(spy.urls.size(), 1) << "the signal is delivered before the write returns";
    EXPECT_EQ(spy.urls.at(0), path());

    ASSERT_EQ(UnionDataUtil::append(hall(), path()), std::nullopt);
    ASSERT_EQ(UnionDataUtil::save(hall(), path()), std::nullopt);
    EXPECT_EQ(spy.urls.size(), 3);

    const QString nowhere = m_dir.filePath(QStringLiteral("missing/unionList.txt"));
    const auto failed = UnionDataUtil::saveList({hall()}, nowhere);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->kind, UnionStoreError::Kind::unwritable);
    EXPECT_FALSE(failed->description.isEmpty());
    EXPECT_TRUE(UnionDataUtil::append(hall(), nowhere).has_value());
    EXPECT_EQ(spy.urls.size(), 3);
}

TEST_F(UnionStoreTest, AFileThatCannotBeDecodedIsNeverOverwritten)
{
    const QByteArray stored = QByteArray(kHallBlock) + "\n\xff\xfe broken";
    writeBytes(path(), stored);
    EXPECT_TRUE(UnionDataUtil::fetchLocalDataList(path()).empty());
    for (const auto &result : {UnionDataUtil::append(hall(), path()), UnionDataUtil::save(hall(), path())}) {
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->kind, UnionStoreError::Kind::unreadable);
    }
    EXPECT_EQ(bytesOf(path()), stored);
}

TEST_F(UnionStoreTest, NamesAndCountsTheFileCannotCarryAreRefused)
{
    writeBytes(path(), kHallBlock);
    UpdateRecorder spy;
    for (const char *raw : {"a,b", "a#b", "a\nb", "a\rb"}) {
        const QString bad = QString::fromUtf8(raw);
        const std::function<void(UnionData &)> corruptions[] = {
            [&](UnionData &u) { u.setName(bad); },
            [&](UnionData &u) { u.device(0, 1)->setName(bad); },
            [&](UnionData &u) { u.device(0, 1)->setIp(bad); },
            [&](UnionData &u) { u.setMasterDevice(fan(bad, "")); },
        };
        for (const auto &corrupt : corruptions) {
            auto u = hall();
            corrupt(*u);
            for (const auto &result : {UnionDataUtil::saveList({u}, path()), UnionDataUtil::append(u, path())}) {
                ASSERT_TRUE(result.has_value()) << raw;
                EXPECT_EQ(result->kind, UnionStoreError::Kind::invalidName);
                EXPECT_EQ(result->description, bad);
            }
        }
        EXPECT_FALSE(UnionDataUtil::isStorableName(bad));
    }
    EXPECT_TRUE(UnionDataUtil::isStorableName(u"Hall 2 (ü)"));
    for (const auto &[row, colomn] : {std::pair{0, 1}, {1, 0}, {-1, 2}, {33, 1}, {1, 33}}) {
        auto u = std::make_shared<UnionData>("u", row, colomn, false, path());
        const auto result = UnionDataUtil::append(u, path());
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->kind, UnionStoreError::Kind::invalidSize);
    }
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock));
    EXPECT_EQ(spy.urls.size(), 0);
}

// A file edited by hand: CR LF lines, lines that are no union, unions the screens cannot show and
// a name the writer would refuse all outlive changes to the unions around them, byte for byte.
TEST_F(UnionStoreTest, ChangingOneUnionKeepsEveryOtherLineAsStored)
{
    const QByteArray head = "short,1\r\nbad,x,1,0\nwide,1,33,0\r\n" + QByteArray("W,1#").repeated(32)
        + "W,1\r\nha#ll,1,1,1,H\r\nH,10.0.0.1\r\n";
    const QByteArray tail = "tall,40,1,1\nT,1\nT,2";
    writeBytes(path(), head + "mill,1,1,0\nM,10.0.0.2\n" + tail);
    const UnionList read = UnionDataUtil::fetchLocalDataList(path());
    EXPECT_EQ(describe(read), "ha#ll 1x1 1 #2 H@10.0.0.1 [H*]; mill 1x1 0 #3 - [M]");
    ASSERT_EQ(read.size(), 2u);
    read.at(1)->setName("barn");
    ASSERT_EQ(UnionDataUtil::save(read.at(1), path(), QStringLiteral("mill")), std::nullopt);
    EXPECT_EQ(bytesOf(path()), head + "barn,1,1,0\nM,10.0.0.2\n" + tail);
    const auto refused = UnionDataUtil::save(read.at(0), path());
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->kind, UnionStoreError::Kind::invalidName);

    // The last union is cut short: a new one goes before it rather than into its grid.
    ASSERT_EQ(UnionDataUtil::append(hall(), path()), std::nullopt);
    ASSERT_EQ(UnionDataUtil::remove(read.at(1), path()), std::nullopt);
    // Its index now names the new union, which stays.
    ASSERT_EQ(UnionDataUtil::remove(read.at(1), path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), head + kHallBlock + "\n" + tail);
}

TEST_F(UnionStoreTest, AWriteThatFailsMidwayLeavesTheOldFileWhole)
{
    writeBytes(path(), kHallBlock);
    UpdateRecorder spy;
    auto renamed = hall();
    renamed->setIndex(0);
    renamed->setName("renamed");
    std::optional<UnionStoreError> failed;
    {
        const orvane::test::FileSizeLimit full(8);
        failed = UnionDataUtil::save(renamed, path(), QStringLiteral("hall"));
    }
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->kind, UnionStoreError::Kind::unwritable);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"unionList.txt"}) << "no half-written file";
    EXPECT_TRUE(spy.urls.isEmpty());
}

} // namespace
