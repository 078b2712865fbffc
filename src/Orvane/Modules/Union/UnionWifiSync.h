#pragma once

#include "UnionMemberConnector.h"
#include "WifiSyncModel.h"

#include <QJsonObject>
#include <QList>

#include <memory>
#include <optional>

class QXInsSocket;
class QXUdpSocket;
class UnionData;

// What the Wi-Fi synchronisation shows on the operation screen: the three buttons' states and
// the grid's synchronisation marks. Called on the GUI thread, only while the screen exists.
class UnionWifiSyncView
{
public:
    virtual ~UnionWifiSyncView();
    // Open and close synchronisation.
    virtual void setSyncOperationsEnabled(bool enabled) = 0;
    // Ask which slaves are in synchronisation.
    virtual void setRefreshOperationEnabled(bool enabled) = 0;
    // Marks the members the master reports in synchronisation. No list clears every mark; an
    // empty one still marks the master, which leads the synchronisation.
    virtual void reloadSlaves(const std::optional<QList<WifiSyncModel::Slave>> &slaves) = 0;
    // The members' addresses changed.
    virtual void refreshToolTips() = 0;
};

// Drives Wi-Fi synchronisation through the union's master with JSON commands (open with the
// other members as slaves, close, ask which slaves are in step), and finds the members again on
// the network by name to store their current addresses. Use on the GUI thread; the screen
// (which is also the view) may close at any time.
class UnionWifiSync
{
public:
    UnionWifiSync(std::shared_ptr<UnionData> unionData, UnionMemberConnector connector, UnionWifiSyncView *view,
                  QXUdpSocket &discovery);

    // Opens (true) or closes synchronisation on the master; nothing for a union without one.
    void wifiSyncAction(bool open) const;
    // Sends the command to the master once its connection attempt has ended.
    void sendWifiSync(bool open, bool connected) const;
    // Asks the master which slaves are in synchronisation and marks them.
    void refreshWifiSyncAction() const;
    // Searches until the operator confirms the sheet; every member that answers by name gets
    // the address it answered from, and the union is stored again on confirm (a store that fails
    // says why). While another screen searches, the operator is asked to wait and nothing starts.
    // A search that cannot run or breaks off is reported, fails the members not found, and
    // leaves the store alone on confirm.
    void refreshIPAction() const;

    // {"type": 64, "slaveList": [{"sn", "ip", "pwd"}...]}: the members other than the master
    // that have a stored password, in grid order.
    QJsonObject openSyncCommand() const;
    static QJsonObject closeSyncCommand();
    static QJsonObject querySlavesCommand();

private:
    // Runs on the view while the screen exists.
    template <typename F>
    void onView(F work) const
    {
        if (m_connector.screen())
            work(*m_view);
    }
    void setAllEnabled(bool enabled) const;
    std::shared_ptr<QXInsSocket> masterSocket() const;

    std::shared_ptr<UnionData> m_unionData;
    UnionMemberConnector m_connector;
    UnionWifiSyncView *m_view;
    QXUdpSocket *m_discovery;
};
