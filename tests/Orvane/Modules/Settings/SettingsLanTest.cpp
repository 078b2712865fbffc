// The settings screen opened for a union member, against fake fans at real addresses inside the
// private network of scripts/in-test-lan: everything it reads, sends and writes concerns the
// member, never the device of the connection screen.
#include "SettingsTestSupport.h"

#include "ConnectTestSupport.h"
#include "Modules/Settings/ConnectServerItem.h"
#include "Modules/Settings/DeviceConfigSliderItem.h"
#include "NetworkingDevice.h"
#include "QXButton.h"

#include <QLineEdit>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using orvane::test::press;
using orvane::test::waitUntil;

const QString memberName = QStringLiteral("Orvane_kvd_M1");
const QString memberAddress = QStringLiteral("192.168.1.31");

TEST(SettingsForAMember, ReadsSendsAndWritesOnlyTheMembersConnectionAndRecord)
{
    QXConnectManager &manager = QXConnect::connectManager();
    orvane::test::MemberFans fans(orvane::test::plainModel, memberName, memberAddress);
    auto &[current, member, device] = fans;
    ASSERT_NE(member.port(), 0);
    auto wifi = orvane::test::installFakeWifi();
    wifi->inRange = {QStringLiteral("Workshop")};
    orvane::test::AnsweringPresenter presenter;

    std::unique_ptr<FunctionConfigViewController> screen(FunctionConfigViewController::make(device));
    screen->resize(900, 700);
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    EXPECT_EQ(member.codes(), (QList<quint8>{10, 46}));
    EXPECT_EQ(member.passwordAttempts(), 1);

    const std::shared_ptr<QXDevice> memberRecord = screen->currentDevice();
    ASSERT_NE(memberRecord, manager.device());
    auto *light = orvane::test::itemOf<DeviceConfigSliderItem>(*screen, Module::lightAngle);
    ASSERT_NE(light, nullptr);
    light->slider(0)->setValue(14);
    ASSERT_TRUE(waitUntil([&] { return memberRecord->status().light() == 14; }));
    EXPECT_EQ(member.codes().last(), 3);
    EXPECT_EQ(manager.device()->status().light(), 0);

    // The Wi-Fi move goes to the member too.
    auto *move = orvane::test::itemOf<ConnectServerItem>(*screen, Module::connect);
    ASSERT_NE(move, nullptr);
    move->wifiBox()->setStringOfIndex(0);
    move->pwdInput()->setText(QStringLiteral("shop-pass"));
    move->updateConnectButton();
    presenter.answerNext(press("btnOK"));
    move->connectBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return member.codes().last() == 18; }));
    EXPECT_EQ(current.connectionCount(), 0);

    screen.reset();
    EXPECT_TRUE(orvane::test::closeSocket(manager.fetchInsSocketWithDevice(device, QXConnectManager::verifiedMode)));
}

} // namespace
