#pragma once

#include "AnsweringPresenter.h"
#include "QXLocalized.h"
#include "Screenshots.h"
#include "ComboBoxDropDownWindow.h"
#include "ComboBoxView.h"
#include "Core/Utils.h"
#include "Core/WifiProvider.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXDeviceStatus.h"
#include "QXUserDefaults.h"
#include "QXView.h"

#include <QDialog>
#include <QListView>
#include <QMutex>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>
#include <optional>

namespace orvane::test {

// What the operator reads for a localisation key in the language installed now.
inline QString text(const char *key)
{
    return qxLocalized(key);
}

// The machine's Wi-Fi as a test wants it: the joined network and the networks in range.
class FakeWifiProvider : public WifiProvider
{
public:
    QString interfaceName() override { return QStringLiteral("wlan0"); }
    std::optional<QString> currentNetworkName() override
    {
        QMutexLocker lock(&mutex);
        return current;
    }
    QStringList cachedNetworkNames() override
    {
        QMutexLocker lock(&mutex);
        ++scans;
        return inRange;
    }

    QMutex mutex;
    std::optional<QString> current;
    QStringList inRange;
    int scans = 0;
};

inline std::shared_ptr<FakeWifiProvider> installFakeWifi()
{
    auto provider = std::make_shared<FakeWifiProvider>();
    Utils::shareInstance()->setWifiProvider(provider);
    return provider;
}

// Gives the current record a status as a fan with this core firmware and these functions reports.
inline void giveStatus(QXDevice &record, qint64 coreVersion1, quint64 functionSet, qint64 serverIndex)
{
    record.configStatusWithData(QByteArray::fromHex("35a40a01"));
    record.editStatus([&](QXDeviceStatus &status) {
        status.version().setCoreVersion1(coreVersion1);
        status.setFunctionSet(functionSet);
        status.setServerIndex(serverIndex);
    });
}

// The operator opens the box's list and clicks the row.
inline void pickRow(ComboBoxView *box, int row)
{
    box->showDragWindow();
    QListView *table = box->dragWC()->dragVC()->infoTable();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, 0)).center());
}

} // namespace orvane::test
