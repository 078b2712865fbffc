// A union member's settings screen, against fake fans at real addresses inside the private
// network of scripts/in-test-lan: the editors with their own instructions read the member's
// record and send every frame to the member, the hotspot page included, never to the fan of the
// connection screen.
#include "SettingsTestSupport.h"

#include "ConnectTestSupport.h"
#include "ITSwitch.h"
#include "Modules/Settings/DeviceInfoItem.h"
#include "Modules/Settings/FunctionAngleItem.h"
#include "Modules/Settings/FunctionSwitchItem.h"
#include "Modules/Settings/FunctionTimerItem.h"
#include "Modules/Settings/HotSpotItem.h"
#include "NetworkingDevice.h"
#include "TestData.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using orvane::test::itemOf;
using orvane::test::press;
using orvane::test::waitUntil;

// A 4G model by its name.
const QString memberName = QStringLiteral("Orvane_kvf_M4");
const QString memberAddress = QStringLiteral("192.168.1.34");

void click(ITSwitch *toggle)
{
    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
}

TEST(SpecialEditorsForAMember, EveryFrameGoesToTheMember)
{
    QXConnectManager &manager = QXConnect::connectManager();
    orvane::test::MemberFans fans(orvane::test::fourGModel, memberName, memberAddress);
    auto &[current, member, device] = fans;
    ASSERT_NE(member.port(), 0);
    member.setReply(10, orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-hotspot-4g-61.bin")));
    orvane::test::AnsweringPresenter presenter;

    std::unique_ptr<FunctionConfigViewController> screen(FunctionConfigViewController::make(device));
    // Tall enough that every item is on screen to be clicked.
    screen->resize(900, 2000);
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    const std::shared_ptr<QXDevice> memberRecord = screen->currentDevice();
    ASSERT_NE(memberRecord, manager.device());
    EXPECT_EQ(memberRecord->status().version().coreVersion1(), 15);

    auto *info = itemOf<DeviceInfoItem>(*screen, Module::info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->value(DeviceInfoItem::Row::corVersion)->text(), QStringLiteral(":1.15"));
    member.clearRecords();
    int sent = 0;
    const auto next = [&](quint8 code) {
        ++sent;
        return waitUntil([&] {
            return member.frames().size() == sent && member.codes().last() == code
                   && screen->insSocket()->currentIns() == -1;
        });
    };

    click(itemOf<FunctionSwitchItem>(*screen, Module::switches)->rowSwitch(FunctionSwitchItem::Row::power));
    ASSERT_TRUE(next(23));
    EXPECT_TRUE(waitUntil([&] { return memberRecord->status().isAutoStart(); }));

    click(itemOf<FunctionTimerItem>(*screen, Module::timer)->timerSwitch());
    ASSERT_TRUE(next(14));
    EXPECT_TRUE(waitUntil([&] { return !memberRecord->status().timer().isOn(); }));

    itemOf<FunctionAngleItem>(*screen, Module::angle)->addBtn()->click();
    ASSERT_TRUE(next(17));

    auto *page = itemOf<HotSpotItem>(*screen, Module::hotSpot);
    ASSERT_NE(page, nullptr);
    presenter.answerNext(press("btnOK"));
    click(page->switchHotSpot());
    ASSERT_TRUE(next(68));
    EXPECT_TRUE(waitUntil([&] { return memberRecord->status().hotspotStatus() == 0; }));

    EXPECT_EQ(current.connectionCount(), 0);
    EXPECT_FALSE(manager.device()->hasStatus());
    screen.reset();
    EXPECT_TRUE(orvane::test::closeSocket(manager.fetchInsSocketWithDevice(device, QXConnectManager::verifiedMode)));
}

} // namespace
