#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDataUtil.h"
#include "NetworkingDevice.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<NetworkingDevice> fan(const QString &name, const QString &ip)
{
    return std::make_shared<NetworkingDevice>(name, ip);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records every "LocalUnionDataUpdated" while it lives.
class UpdateRecorder
{
public:
    UpdateRecorder()
    {
        m_connection = QObject::connect(UnionDataUtil::notifier(), &UnionDataNotifier::localUnionDataUpdated,
                                        [this](const QString &url) { urls << url; });
    }
    ~UpdateRecorder() { QObject::disconnect(m_connection); }

    QStringList urls;

private:
    QMetaObject::Connection m_connection;
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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
    ASSERT_EQ(read.size(), 2u);
    const auto &first = read.at(0);
    EXPECT_EQ(first->name(), "hall");
    EXPECT_EQ(first->index(), 0);
    EXPECT_EQ(first->url(), path());
    EXPECT_FALSE(first->isTop());
    EXPECT_EQ(first->device(1, 0), nullptr);
    EXPECT_EQ(first->device(1, 1)->ip(), "192.168.1.23");
    // The master is the grid's own fan, not a copy.
    EXPECT_EQ(first->masterDevice(), first->device(0, 0));
    EXPECT_TRUE(first->masterDevice()->isMaster());
    EXPECT_EQ(read.at(1)->index(), 1);
    EXPECT_TRUE(read.at(1)->isTop());
    EXPECT_EQ(read.at(1)->masterDevice(), nullptr);

    // Writing what was read gives the same lines, without the leading blank one.
    ASSERT_EQ(UnionDataUtil::saveList(read, path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock) + "\nmill,1,1,1\n,");
}

TEST_F(UnionStoreTest, ReaderTakesOnlyPlainCountsAndAnExactTopFlag)
{
    struct Case
    {
        const char *text;
        const char *names; // the unions read, in order, as "name:row:colomn:top:index" joined by " "
    };
    const Case cases[] = {
        {"a,+2,1,1\nx,1\ny,2", "a:2:1:1:0"},
        // A blank in a count makes it 0: no grid to read, the union ends at once without an index.
        {"a, 2,1,0\nx,1\nb,1,1,0\ny,2", "b:1:1:0:0"},
        {"a,2 ,1,0\nb,1,1,0\ny,2", "b:1:1:0:0"},
        {"a,1,0x1,0\nb,1,1,0\ny,2", "b:1:1:0:0"},
        {"a,99999999999999999999,1,0\nb,1,1,0\ny,2", "b:1:1:0:0"},
        {"a,-1,1,0\nb,1,1,0\ny,2", "b:1:1:0:0"},
        {"a,33,1,0\nb,1,32,0\ny,2", "b:1:32:0:0"},
        {"a,1,1,01\nx,1", "a:1:1:0:0"},
        {"a,1,1,1 \nx,1", "a:1:1:0:0"},
        {"a,1,1,true\nx,1", "a:1:1:0:0"},
        // A short header is ignored; blank lines anywhere are skipped.
        {"\n\nshort,1,1\n\na,1,1,1,,extra\n\nx,1\n", "a:1:1:1:0"},
        // A header whose union has no grid line before the file ends uses its index.
        {"a,1,1,0\nx,1\nb,1,1,0", "a:1:1:0:0"},
        {"", ""},
    };
    for (const Case &c : cases) {
        QStringList got;
        for (const auto &u : UnionDataUtil::unionsFromText(QString::fromUtf8(c.text), path())) {
            got << QStringLiteral("%1:%2:%3:%4:%5")
                       .arg(u->name())
                       .arg(u->row())
                       .arg(u->colomn())
                       .arg(u->isTop() ? 1 : 0)
                       .arg(u->index());
        }
        EXPECT_EQ(got.join(' '), QString::fromUtf8(c.names)) << c.text;
    }
}

TEST_F(UnionStoreTest, GridIsAlwaysRowsTimesColumnsWhateverTheLines)
{
    struct Case
    {
        const char *text;
        const char *grid; // the names of the slots row by row, "-" for an empty one
    };
    const Case cases[] = {
        // Malformed cells are empty slots; parts after the address are ignored.
        {"u,1,5,0\n,#n,#,ip#plain#a,1,extra", "- - - - a"},
        // A long line is cut, a short one padded.
        {"u,2,2,0\na,1#b,2#c,3\nd,4", "a b | d -"},
        // A file cut short inside the grid gets empty rows.
        {"u,3,1,0\na,1", "a | - | -"},
    };
    for (const Case &c : cases) {
        const UnionList read = UnionDataUtil::unionsFromText(QString::fromUtf8(c.text), path());
        ASSERT_EQ(read.size(), 1u) << c.text;
        QStringList rows;
        for (const auto &cells : read.at(0)->devices()) {
            QStringList names;
            for (const auto &slot : cells)
                names << (slot ? slot->name() : QStringLiteral("-"));
            rows << names.join(' ');
        }
        EXPECT_EQ(rows.join(" | "), QString::fromUtf8(c.grid)) << c.text;
    }
}

TEST_F(UnionStoreTest, MasterIsFoundByNameAndTheLastBearerLeads)
{
    const UnionList placeholder = UnionDataUtil::unionsFromText(u"u,1,1,0,GONE\nFAN,1", path());
    ASSERT_EQ(placeholder.size(), 1u);
    const auto master = placeholder.at(0)->masterDevice();
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->name(), "GONE");
    EXPECT_EQ(master->ip(), "");
    EXPECT_FALSE(master->isMaster());
    EXPECT_FALSE(placeholder.at(0)->device(0, 0)->isMaster());

    const UnionList twice = UnionDataUtil::unionsFromText(u"u,1,3,0,M\nM,1#X,2#M,3", path());
    ASSERT_EQ(twice.size(), 1u);
    const auto &u = twice.at(0);
    EXPECT_TRUE(u->device(0, 0)->isMaster());
    EXPECT_FALSE(u->device(0, 1)->isMaster());
    EXPECT_EQ(u->masterDevice(), u->device(0, 2));
    EXPECT_TRUE(u->masterDevice()->isMaster());
}

TEST_F(UnionStoreTest, SaveReplacesTheStoredUnionAtItsIndexElseAppends)
{
    ASSERT_EQ(UnionDataUtil::saveList({hall(), std::make_shared<UnionData>("mill", 1, 1, false, path())}, path()),
              std::nullopt);
    UnionList read = UnionDataUtil::fetchLocalDataList(path());
    ASSERT_EQ(read.size(), 2u);
    read.at(1)->setName("barn");
    ASSERT_EQ(UnionDataUtil::save(read.at(1), path()), std::nullopt);
    EXPECT_EQ(bytesOf(path()), QByteArray(kHallBlock) + "\nbarn,1,1,0\n,");

    // -1, then the number of stored unions, then beyond it.
    for (qint64 index : {qint64(-1), qint64(3), qint64(9)}) {
        auto fresh = std::make_shared<UnionData>(QStringLiteral("new%1").arg(index + 1), 1, 1, false, path());
        fresh->setIndex(index);
        ASSERT_EQ(UnionDataUtil::save(fresh, path()), std::nullopt);
        EXPECT_EQ(fresh->index(), index);
    }
    QStringList names;
    for (const auto &u : UnionDataUtil::fetchLocalDataList(path()))
        names << u->name();
    EXPECT_EQ(names, QStringList({"hall", "barn", "new0", "new4", "new10"}));
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

    // A folder where the file should be cannot be read either.
    const QString folder = m_dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto result = UnionDataUtil::append(hall(), folder);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->kind, UnionStoreError::Kind::unreadable);
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

TEST_F(UnionStoreTest, StoredFilesWrittenAgainKeepTheirLines)
{
    // Files as the writer makes them: rewriting what was read changes nothing but a leading blank
    // line; a malformed file is rewritten in the shape its unions were read in.
    const std::pair<const char *, QByteArray> cases[] = {
        {"hall.txt", orvane::test::testData("UnionListFuzzer/hall.txt")},
        {"appended.txt", orvane::test::testData("UnionListFuzzer/appended.txt").mid(1)},
        {"malformed.txt", "ragged,2,2,1,M\nM,1#X,2\n,#,\ntail,3,1,0\nT,9\n,\n,"},
    };
    for (const auto &[name, expected] : cases) {
        const QByteArray stored = orvane::test::testData(QStringLiteral("UnionListFuzzer/") + name);
        ASSERT_FALSE(stored.isEmpty()) << name;
        writeBytes(path(), stored);
        ASSERT_EQ(UnionDataUtil::saveList(UnionDataUtil::fetchLocalDataList(path()), path()), std::nullopt);
        EXPECT_EQ(bytesOf(path()), expected) << name;
    }
}

TEST(UnionStoreLocation, LocalFileIsInTheApplicationDataFolder)
{
    const QString url = UnionDataUtil::localURL();
    EXPECT_TRUE(url.endsWith(QStringLiteral("/Orvane/unionList.txt"))) << url.toStdString();
    EXPECT_TRUE(QFileInfo(url).dir().exists());
    EXPECT_EQ(UnionDataUtil::localURL(), url);
}

} // namespace
