#include "UnionWifiSync.h"

#include "Core/Utils.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXProgress.h"
#include "QXSocketCode.h"
#include "QXUdpSocket.h"
#include "QXView.h"
#include "UnionData.h"
#include "UnionDataUtil.h"
#include "UnionProgressSheet.h"
#include "UnionRun.h"

#include <QJsonArray>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The reply body of a JSON command; empty when the master answered with an empty body.
QByteArray replyBody(const QVariant &payload)
{
    return payload.typeId() == QMetaType::QByteArray ? payload.toByteArray() : QByteArray();
}

bool isMasterOf(const UnionData &unionData, const std::shared_ptr<NetworkingDevice> &member)
{
    return member->isMaster() || member == unionData.masterDevice();
}

// The search of one address refresh: stopped once, on confirm or when the sheet goes, and only
// this search: another screen's search is never cut short. Touched on the GUI thread only.
struct AddressSearch
{
    QXUdpSocket *discovery = nullptr;
    QXUdpSocket::SearchId id = QXUdpSocket::noSearch;
    bool stopped = false;
    // The search could not run or broke off: the operator is asked to try again, so a confirm
    // stores nothing of this refresh.
    bool failed = false;

    void stop()
    {
        if (!std::exchange(stopped, true))
            discovery->stopSearch(id);
    }
};

} // namespace

UnionWifiSyncView::~UnionWifiSyncView() = default;

UnionWifiSync::UnionWifiSync(std::shared_ptr<UnionData> unionData, UnionMemberConnector connector,
                             UnionWifiSyncView *view, QXUdpSocket &discovery)
    : m_unionData(std::move(unionData)), m_connector(std::move(connector)), m_view(view), m_discovery(&discovery)
{
}

void UnionWifiSync::setAllEnabled(bool enabled) const
{
    onView([enabled](UnionWifiSyncView &view) {
        view.setSyncOperationsEnabled(enabled);
        view.setRefreshOperationEnabled(enabled);
    });
}

std::shared_ptr<QXInsSocket> UnionWifiSync::masterSocket() const
{
    return m_connector.manager().fetchInsSocketWithDevice(m_unionData->masterDevice(),
                                                          QXConnectManager::verifiedMode);
}

void UnionWifiSync::wifiSyncAction(bool open) const
{
    const std::shared_ptr<NetworkingDevice> master = m_unionData->masterDevice();
    if (!master)
        return;
    setAllEnabled(false);
    const UnionWifiSync self = *this;
    const auto connectMaster = [self, master, open] {
        self.m_connector.connect(master, [self, open](bool connected) { self.sendWifiSync(open, connected); });
    };
    if (!open)
        return connectMaster();
    // The slaves are connected first, so that the passwords they accept are stored and the
    // open command can carry them.
    QList<UnionRun::Member> slaves;
    for (const std::shared_ptr<NetworkingDevice> &member : m_unionData->allDevices()) {
        if (isMasterOf(*m_unionData, member))
            continue;
        const UnionMemberConnector connector = m_connector;
        slaves.append({nullptr, [connector, member](const UnionRun::Done &done) {
                           connector.connect(member, [done](bool) { done(); });
                       }});
    }
    UnionRun *run = UnionRun::start(slaves);
    QObject::connect(run, &UnionRun::finished, run, connectMaster);
}

void UnionWifiSync::sendWifiSync(bool open, bool connected) const
{
    if (!connected)
        return onView([](UnionWifiSyncView &view) { view.setRefreshOperationEnabled(true); });
    const UnionWifiSync self = *this;
    masterSocket()->sendJsonCommanndWithParams(
        open ? openSyncCommand() : closeSyncCommand(),
        [self, open](const QXOperationRef &, qint64, const QVariant &payload) {
            qxOnGuiThread([self, open, body = replyBody(payload)] {
                self.setAllEnabled(true);
                const std::optional<WifiSyncModel> reply = WifiSyncModel::decode(body);
                if (!reply || !self.m_connector.screen())
                    return;
                if (reply->status != 1)
                    Utils::showInfoLater(qxLocalized("ov_fail") + QLatin1Char(',') + qxLocalized("ov_connecting"));
                else if (open)
                    self.refreshWifiSyncAction();
                else
                    self.onView([](UnionWifiSyncView &view) { view.reloadSlaves(std::nullopt); });
            });
        },
        [self](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread([self] { self.setAllEnabled(true); });
        });
}

void UnionWifiSync::refreshWifiSyncAction() const
{
    const std::shared_ptr<NetworkingDevice> master = m_unionData->masterDevice();
    if (!master)
        return;
    setAllEnabled(false);
    const UnionWifiSync self = *this;
    const auto enableRefresh = [self] {
        self.onView([](UnionWifiSyncView &view) { view.setRefreshOperationEnabled(true); });
    };
    const auto unsupported = [self, master] {
        if (self.m_connector.screen()) {
            Utils::showInfoLater(qxLocalized("ov_refresh_wifi_sync") + QLatin1Char(',')
                                 + qxLocalized("ov_unsupport_tip") + QLatin1Char(':') + master->name());
        }
    };
    m_connector.connect(master, [self, enableRefresh, unsupported](bool connected) {
        if (!connected)
            return enableRefresh();
        self.masterSocket()->sendJsonCommanndWithParams(
            querySlavesCommand(),
            [self, enableRefresh, unsupported](const QXOperationRef &, qint64, const QVariant &payload) {
                qxOnGuiThread([self, enableRefresh, unsupported, body = replyBody(payload)] {
                    enableRefresh();
                    if (body.isEmpty())
                        return unsupported();
                    self.onView([](UnionWifiSyncView &view) { view.setSyncOperationsEnabled(true); });
                    if (const std::optional<WifiSyncModel> reply = WifiSyncModel::decode(body)) {
                        self.onView([&reply](UnionWifiSyncView &view) { view.reloadSlaves(reply->slaveList); });
                    }
                });
            },
            [self, enableRefresh, unsupported](const QXOperationRef &, qint64 code, const QVariant &) {
                qxOnGuiThread([self, enableRefresh, unsupported, code] {
                    enableRefresh();
                    if (code == QXSocketCode::jsonHeadMissing)
                        unsupported();
                    else if (self.m_connector.screen())
                        Utils::showInfoLater(qxLocalized("ov_conn_fail_tip"));
                });
            });
    });
}

void UnionWifiSync::refreshIPAction() const
{
    const std::vector<std::shared_ptr<NetworkingDevice>> members = m_unionData->allDevices();
    const UnionProgress progress = UnionProgress::make(memberNames(members));
    auto search = std::make_shared<AddressSearch>(AddressSearch{m_discovery});
    // Started before the sheet shows: one socket serves every screen, and while another
    // screen searches, a sheet waiting for answers that cannot come would read as "none found".
    search->id = m_discovery->continuesSearchWithDuration(
        std::numeric_limits<double>::max(),
        [search, members, progress](const QXSearchResult &result) {
            qxOnGuiThread([search, members, progress, result] {
                if (search->stopped)
                    return;
                const auto member = std::find_if(members.cbegin(), members.cend(),
                                                 [&](const auto &candidate) { return candidate->name() == result.name; });
                if (member == members.cend())
                    return;
                const auto row = std::find_if(progress.rows.cbegin(), progress.rows.cend(),
                                              [&](const auto &candidate) { return candidate.second == result.name; });
                if (row == progress.rows.cend())
                    return;
                (*member)->setIp(result.ip);
                row->first->setCompletedUnitCount(kUnionRowUnits);
            });
        },
        [search, progress](const QXSearchResults &, QXUdpSocket::Outcome) {
            // The search runs until the refresh stops it: any other end means it could not run
            // (port taken, no network, request not sent) or broke off.
            qxOnGuiThread([search, progress] {
                if (search->stopped)
                    return;
                search->failed = true;
                for (const auto &row : progress.rows) {
                    if (!row.first->isFinished())
                        row.first->pause();
                }
                Utils::showInfoLater(qxLocalized("ov_search_failed"));
            });
        });
    if (search->id == QXUdpSocket::noSearch) {
        // A refused search has had its completion already, which is no failure of this refresh.
        search->stop();
        return Utils::showInfoLater(qxLocalized("ov_wait_for_search"));
    }
    const UnionWifiSync self = *this;
    const QPointer<MultyProgressDialogController> sheet =
        presentUnionProgress(m_connector.screen(), progress, true, std::nullopt, [self, search] {
            search->stop();
            if (search->failed || !self.m_connector.screen())
                return;
            // The sheet is the operator's confirmation: a union that cannot be written keeps its
            // old file and its new addresses in memory, and the operator learns why.
            if (const auto error = UnionDataUtil::save(self.m_unionData, UnionDataUtil::localURL()))
                return Utils::showInfoLater(UnionDataUtil::failureText(*error));
            self.onView([](UnionWifiSyncView &view) { view.refreshToolTips(); });
        });
    // The sheet goes with its screen: the search never outlives them.
    if (!sheet)
        return search->stop();
    QObject::connect(sheet, &QObject::destroyed, [search] { search->stop(); });
}

QJsonObject UnionWifiSync::openSyncCommand() const
{
    QJsonArray slaves;
    for (const std::shared_ptr<NetworkingDevice> &member : m_unionData->allDevices()) {
        if (isMasterOf(*m_unionData, member))
            continue;
        const QString password = m_connector.manager().pwdOfDevice(member->name());
        if (password.isEmpty())
            continue;
        slaves.append(QJsonObject{{QStringLiteral("sn"), member->name()},
                                  {QStringLiteral("ip"), member->ip()},
                                  {QStringLiteral("pwd"), password}});
    }
    return QJsonObject{{QStringLiteral("type"), 64}, {QStringLiteral("slaveList"), slaves}};
}

QJsonObject UnionWifiSync::closeSyncCommand()
{
    return QJsonObject{{QStringLiteral("type"), 65}};
}

QJsonObject UnionWifiSync::querySlavesCommand()
{
    return QJsonObject{{QStringLiteral("type"), 10},
                       {QStringLiteral("source"), QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("slaveList")}}}}};
}
