// Wi-Fi synchronisation through the union's master, and the refresh of member addresses.
#include "QXLocalized.h"
#include "UnionFans.h"

#include "FakeFanSsdp.h"
#include "FileSizeLimit.h"
#include "Modules/Union/UnionDataUtil.h"
#include "Modules/Union/UnionWifiSync.h"
#include "QXButton.h"
#include "QXUdpSocket.h"
#include "QXView.h"
#include "UnionStoreFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUdpSocket>

namespace {

using namespace orvane::test;

struct RecordingView : UnionWifiSyncView
{
    void setSyncOperationsEnabled(bool enabled) override { sync = enabled; }
    void setRefreshOperationEnabled(bool enabled) override { refresh = enabled; }
    void reloadSlaves(const std::optional<QList<WifiSyncModel::Slave>> &marked) override
    {
        slaves = marked;
        ++reloads;
    }
    void refreshToolTips() override { ++toolTips; }

    bool sync = false;
    bool refresh = true;
    std::optional<QList<WifiSyncModel::Slave>> slaves;
    int reloads = 0;
    int toolTips = 0;
};

QJsonObject jsonOf(const FakeFan::Frame &frame)
{
    return QJsonDocument::fromJson(frame.bytes.mid(6)).object();
}

class WifiSync : public UnionFans
{
protected:
    void SetUp() override
    {
        UnionFans::SetUp();
        addFans(3);
        wall = unionOf(1, 3);
        wall->setMasterDevice(fans.front()->device);
        fans.front()->device->setIsMaster(true);
    }

    // The master answers each JSON command by its type.
    void masterAnswers(const QHash<int, QByteArray> &replies)
    {
        fans.front()->ins->setScript([replies](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
            const int type = jsonOf(frame).value(QStringLiteral("type")).toInt();
            if (frame.code != 0x40 || !replies.contains(type))
                return std::nullopt;
            return FakeFan::Reply::bytes(FakeFan::jsonReply(replies.value(type)));
        });
    }

    QList<QJsonObject> commands() const
    {
        QList<QJsonObject> sent;
        for (const FakeFan::Frame &frame : fans.front()->ins->frames())
            sent.append(jsonOf(frame));
        return sent;
    }

    UnionWifiSync sync() { return UnionWifiSync(wall, connector(), &view, discovery); }

    // A stored union whose members have since left the addresses it holds.
    std::shared_ptr<UnionData> storeMovedUnion()
    {
        auto moved = std::make_shared<UnionData>(QStringLiteral("moved"), 1, 2, false, UnionDataUtil::localURL());
        moved->setDevice(0, 0, std::make_shared<NetworkingDevice>(fans.at(0)->name, QStringLiteral("192.168.2.60")));
        moved->setDevice(0, 1, std::make_shared<NetworkingDevice>(fans.at(1)->name, QStringLiteral("192.168.2.61")));
        EXPECT_FALSE(UnionDataUtil::saveList({moved}, UnionDataUtil::localURL()));
        moved->setIndex(0);
        return moved;
    }

    std::shared_ptr<UnionData> wall;
    RecordingView view;
    QXUdpSocket discovery{QStringLiteral("239.255.255.250"), 1901, 1900};
};

TEST_F(WifiSync, OpeningSendsTheSlavesThenQueriesAndMarksThem)
{
    const QString slave = fans.at(1)->name;
    masterAnswers({{64, R"({"type":64,"status":1})"},
                   {10, QStringLiteral(R"({"type":10,"status":1,"slaveList":[{"sn":"%1","ip":"x","status":1}]})")
                            .arg(slave)
                            .toUtf8()}});
    sync().wifiSyncAction(true);
    ASSERT_TRUE(waitUntil([&] { return view.slaves.has_value(); }));
    const QList<QJsonObject> sent = commands();
    ASSERT_EQ(sent.size(), 2);
    QJsonArray expected;
    for (int i : {1, 2}) {
        expected.append(QJsonObject{{"sn", fans.at(i)->name}, {"ip", fans.at(i)->ip}, {"pwd", QString::fromLatin1(kFanPassword)}});
        EXPECT_EQ(fans.at(i)->ins->connectionCount(), 1) << "slaves are connected before the master";
    }
    EXPECT_EQ(sent[0], (QJsonObject{{"type", 64}, {"slaveList", expected}}));
    EXPECT_EQ(sent[1], UnionWifiSync::querySlavesCommand());
    EXPECT_EQ(view.slaves->size(), 1);
    EXPECT_EQ(view.slaves->front().sn, slave);
    EXPECT_TRUE(view.sync);
    EXPECT_TRUE(view.refresh);
}

TEST_F(WifiSync, OpeningConnectsAtMostNineSlavesAtOnceAndTheMasterLast)
{
    addFans(10);
    wall = unionOf(3, 4);
    wall->setMasterDevice(fans.front()->device);
    for (std::size_t i = 1; i < fans.size(); ++i)
        fans.at(i)->ins->setDelay(700);
    masterAnswers({{64, R"({"type":64,"status":1})"}});
    sync().wifiSyncAction(true);
    const auto engaged = [&] {
        return std::count_if(fans.cbegin() + 1, fans.cend(), [](const auto &fan) { return fan->ins->connectionCount() > 0; });
    };
    ASSERT_TRUE(waitUntil([&] { return engaged() == 9; }));
    spinFor(300);
    EXPECT_EQ(engaged(), 9);
    EXPECT_EQ(fans.front()->ins->connectionCount(), 0) << "the master waits for every slave";
    ASSERT_TRUE(waitUntil([&] { return !commands().isEmpty(); }, 10000));
    EXPECT_EQ(commands().front().value("slaveList").toArray().size(), 11);
}

TEST_F(WifiSync, SlavesWithoutAStoredPasswordAreLeftOut)
{
    QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
    manager = std::make_unique<QXConnectManager>();
    manager->addDevice(fans.front()->name, QString::fromLatin1(kFanPassword));
    presenter.answerNext(press("cancelBtn"));
    presenter.answerNext(press("cancelBtn"));
    masterAnswers({{64, R"({"type":64,"status":1})"}});
    sync().wifiSyncAction(true);
    ASSERT_TRUE(waitUntil([&] { return !commands().isEmpty(); }));
    EXPECT_EQ(commands().front(), (QJsonObject{{"type", 64}, {"slaveList", QJsonArray{}}}));
}

TEST_F(WifiSync, ClosingClearsTheMarksAndARefusalIsShown)
{
    masterAnswers({{65, R"({"type":65,"status":1})"}});
    sync().wifiSyncAction(false);
    ASSERT_TRUE(waitUntil([&] { return view.reloads == 1; }));
    EXPECT_FALSE(view.slaves.has_value()) << "no list, not an empty one";
    EXPECT_EQ(commands(), QList<QJsonObject>{UnionWifiSync::closeSyncCommand()});

    masterAnswers({{65, R"({"type":65,"status":0})"}});
    sync().wifiSyncAction(false);
    const QString refused = qxLocalized("ov_fail") + ',' + qxLocalized("ov_connecting");
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(refused); }));
    EXPECT_TRUE(view.sync && view.refresh);
}

TEST_F(WifiSync, AMasterThatDoesNotKnowTheQueryIsNamed)
{
    fans.front()->ins->setReply(0x40, FakeFan::Reply::none());
    sync().refreshWifiSyncAction();
    const QString unsupported = qxLocalized("ov_refresh_wifi_sync") + ','
        + qxLocalized("ov_unsupport_tip") + ':' + fans.front()->name;
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(unsupported); }, 8000));
    EXPECT_TRUE(view.refresh);
    EXPECT_FALSE(view.sync);
}

TEST_F(WifiSync, AUnionWithoutMasterDoesNothing)
{
    wall->setMasterDevice(nullptr);
    sync().wifiSyncAction(true);
    sync().refreshWifiSyncAction();
    spinFor(200);
    for (const auto &fan : fans)
        EXPECT_EQ(fan->ins->connectionCount(), 0);
    EXPECT_TRUE(view.refresh);
}

TEST_F(WifiSync, RefreshedAddressesAreStoredOnConfirmOrTheStoreFailureIsShown)
{
    const std::shared_ptr<UnionData> moved = storeMovedUnion();
    const QByteArray before = storedBytes();
    FakeFanSsdp announcer{QHostAddress(fans.at(0)->ip)};
    announcer.setAnswers({FakeFanSsdp::answer(fans.at(0)->ip, fans.at(0)->name),
                          FakeFanSsdp::answer(fans.at(1)->ip, fans.at(1)->name)});
    ASSERT_TRUE(announcer.start());
    const auto refreshedSheet = [&] {
        UnionWifiSync(moved, connector(), &view, discovery).refreshIPAction();
        EXPECT_TRUE(waitUntil([&] { return sheetSettled(); }));
        return lastSheet();
    };

    MultyProgressDialogController *sheet = refreshedSheet();
    ASSERT_NE(sheet, nullptr);
    {
        // A full disk: the old addresses stay stored, and the operator learns why.
        const FileSizeLimit full(8);
        sheet->confirmBtn()->click();
    }
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_add_file_fail")); }));
    EXPECT_EQ(storedBytes(), before);
    EXPECT_EQ(view.toolTips, 0);

    // Another program rewrote the file: nothing is written, and the screens read it again.
    sheet = refreshedSheet();
    ASSERT_NE(sheet, nullptr);
    const QByteArray rewritten = "other,1,1,0\nO,10.0.0.9";
    writeStore(rewritten);
    {
        const UpdateRecorder announced;
        sheet->confirmBtn()->click();
        ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_union_list_changed")); }));
        EXPECT_EQ(announced.urls.size(), 1);
    }
    EXPECT_EQ(storedBytes(), rewritten);
    EXPECT_EQ(view.toolTips, 0);
    writeStore(before);

    sheet = refreshedSheet();
    ASSERT_NE(sheet, nullptr);
    sheet->confirmBtn()->click();
    EXPECT_EQ(view.toolTips, 1);
    EXPECT_EQ(discovery.status(), QXUdpSocket::Status::Ready) << "confirming ends the search";
    const UnionList stored = UnionDataUtil::fetchLocalDataList(UnionDataUtil::localURL());
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.front()->device(0, 0)->ip(), fans.at(0)->ip);
    EXPECT_EQ(stored.front()->device(0, 1)->ip(), fans.at(1)->ip);
}

TEST_F(WifiSync, ARefreshWhoseSearchCannotRunSaysSoFailsItsRowsAndStoresNothing)
{
    const std::shared_ptr<UnionData> moved = storeMovedUnion();
    const QByteArray before = storedBytes();
    // Another program holds the discovery port, and shares it with nobody.
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, discovery.port(), QAbstractSocket::DontShareAddress));

    UnionWifiSync(moved, connector(), &view, discovery).refreshIPAction();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_search_failed")); }));
    EXPECT_EQ(discovery.status(), QXUdpSocket::Status::BindFailed);
    const QList<std::shared_ptr<QXProgress>> rows = sheetRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(std::all_of(rows.cbegin(), rows.cend(), [](const auto &row) { return row->isPaused(); }));
    lastSheet()->confirmBtn()->click();
    spinFor(50);
    EXPECT_EQ(view.toolTips, 0);
    EXPECT_EQ(storedBytes(), before);
}

TEST_F(WifiSync, WhileAnotherScreenSearchesTheRefreshAsksToWaitAndLeavesThatSearchAlone)
{
    bool otherEnded = false;
    const QXUdpSocket::SearchId other =
        discovery.searchDevicesWithDuration(600, [&](const QXSearchResults &, QXUdpSocket::Outcome) { otherEnded = true; });
    ASSERT_NE(other, QXUdpSocket::noSearch);
    sync().refreshIPAction();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_wait_for_search")); }));
    spinFor(50);
    EXPECT_FALSE(presenter.texts.contains(qxLocalized("ov_search_failed")))
        << "a refused search is no failed one";
    EXPECT_TRUE(sheetRows().isEmpty()) << "no sheet waits for answers that cannot come";
    EXPECT_EQ(discovery.status(), QXUdpSocket::Status::Searching);
    discovery.stopSearch(other);
    EXPECT_TRUE(otherEnded);
}

} // namespace
