// The editors that carry their own instructions, against a fake fan on loopback: switches, timer,
// angle, device information, Bluetooth and the 4G model's hotspot page.
#include "SettingsTestSupport.h"

#include "AccessibilityEvents.h"
#include "ConnectTestSupport.h"
#include "Core/Language.h"
#include "ITSwitch.h"
#include "Modules/Settings/DeviceBluetoothItem.h"
#include "Modules/Settings/DeviceInfoItem.h"
#include "Modules/Settings/FunctionAngleItem.h"
#include "Modules/Settings/FunctionSwitchItem.h"
#include "Modules/Settings/FunctionTimerItem.h"
#include "Modules/Settings/HotSpotItem.h"
#include "QXButton.h"
#include "QXDashboard.h"
#include "Screenshots.h"
#include "TestData.h"
#include "TimerView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using Row = FunctionSwitchItem::Row;
using orvane::test::FakeFan;
using orvane::test::itemOf;
using orvane::test::press;
using orvane::test::text;
using orvane::test::waitUntil;
using orvane::test::wireValue;

// A 4G fan's status: breath lamp on, auto start off, remote control off, emergency-stop byte 0,
// hotspot status 1, 4G on.
QByteArray fourGStatus()
{
    return orvane::test::testData(QStringLiteral("QXDeviceStatusFuzzer/QXDeviceStatus-hotspot-4g-61.bin"));
}

// The operator types the time into the view, digit by digit.
void typeTime(TimerView *view, const QString &time)
{
    const QString digits = QString(time).remove(QLatin1Char(':'));
    for (int tag = 1; tag <= 6; ++tag) {
        QLineEdit *field = view->getObjectFromTag(tag);
        field->selectAll();
        QTest::keyClick(field, digits.at(tag - 1).toLatin1());
    }
}

// The operator double-clicks the dial this far from its centre.
void doubleClickDial(QXDashboard *dial, QPointF offset)
{
    const QPointF centre(dial->width() / 2.0, dial->height() / 2.0);
    QTest::mouseDClick(dial, Qt::LeftButton, {}, (centre + offset).toPoint());
}

// The switch as the operator clicks it.
void click(ITSwitch *toggle)
{
    QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
}

class SpecialEditorsTest : public orvane::test::SettingsEditorFixture
{
protected:
    void SetUp() override
    {
        orvane::language::setLanguage(QStringLiteral("en"));
        wifi = orvane::test::installFakeWifi();
    }

    // The screen of a connected fan of the model whose status is `status` (a plain one with the
    // functions when none is given).
    void open(qint64 model, quint64 functions, const QByteArray &status = {})
    {
        SettingsEditorFixture::open(model, functions, status);
        if (!screen)
            return;
        screen->resize(900, 700);
        screen->reloadItems();
    }

    std::shared_ptr<orvane::test::FakeWifiProvider> wifi;
};

TEST_F(SpecialEditorsTest, SwitchesSendTheirWireStateAndTheRecordKeepsThePlainOne)
{
    open(orvane::test::plainModel, 0x10 | 0x4 | 0x400 | 0x800);
    auto *switches = editor<FunctionSwitchItem>(Module::switches);
    ASSERT_NE(switches, nullptr);
    struct Case
    {
        Row row;
        bool on;
        quint8 code;
        quint16 wire;
        std::function<bool(const QXDeviceStatus &)> recorded;
    };
    const QList<Case> cases = {
        {Row::breath, true, 21, 0, &QXDeviceStatus::isBreathLamp},
        {Row::breath, false, 21, 1, &QXDeviceStatus::isBreathLamp},
        {Row::power, true, 23, 1, &QXDeviceStatus::isAutoStart},
        {Row::power, false, 23, 0, &QXDeviceStatus::isAutoStart},
        {Row::controller, true, 56, 0, &QXDeviceStatus::isRemoteControl},
        {Row::stop, true, 57, 0, &QXDeviceStatus::isEmergencyStop},
        {Row::stop, false, 57, 1, &QXDeviceStatus::isEmergencyStop},
    };
    for (const Case &c : cases) {
        const qsizetype before = fan.frames().size();
        click(switches->rowSwitch(c.row));
        ASSERT_TRUE(settled(int(before) + 1)) << c.code;
        EXPECT_EQ(fan.frames().last().code, c.code);
        EXPECT_EQ(wireValue(fan.frames().last()), c.wire) << c.code;
        EXPECT_TRUE(waitUntil([&] { return c.recorded(record->status()) == c.on; })) << c.code;
        EXPECT_EQ(switches->rowSwitch(c.row)->checked(), c.on);
    }

    // Refused by the device: the switch goes back, the record keeps its state.
    fan.setReply(21, QByteArray::fromHex("35a40b01"));
    click(switches->rowSwitch(Row::breath));
    ASSERT_TRUE(settled(int(cases.size()) + 1));
    EXPECT_TRUE(waitUntil([&] { return !switches->rowSwitch(Row::breath)->checked(); }));
    EXPECT_FALSE(record->status().isBreathLamp());

    // Disconnected: nothing sent, one dialog, the switch as it was.
    ASSERT_TRUE(orvane::test::closeSocket(socket()));
    fan.clearRecords();
    click(switches->rowSwitch(Row::power));
    EXPECT_FALSE(switches->rowSwitch(Row::power)->checked());
    EXPECT_EQ(presenter.texts, QStringList{text("ov_conn_fail_tip")});
    orvane::test::spinFor(50);
    EXPECT_TRUE(fan.frames().isEmpty());
}

TEST_F(SpecialEditorsTest, SwitchRowsFollowTheReportedFunctions)
{
    struct Case
    {
        quint64 functions;
        QList<bool> shown; // auto start, breath lamp, remote control, emergency stop
    };
    const QList<Case> cases = {
        {0x10 | 0x4 | 0x400, {true, true, true, false}},
        {0x800, {false, false, false, true}},
        {0, {false, false, false, false}},
    };
    for (const Case &c : cases) {
        open(orvane::test::plainModel, c.functions);
        auto *switches = editor<FunctionSwitchItem>(Module::switches);
        ASSERT_NE(switches, nullptr);
        for (int row = 0; row < FunctionSwitchItem::rowCount; ++row) {
            QWidget *view = switches->rowView(Row(row));
            EXPECT_EQ(view->isVisibleTo(switches), c.shown.at(row)) << c.functions << " row " << row;
            if (c.shown.at(row)) {
                EXPECT_EQ(view->minimumHeight(), FunctionSwitchItem::rowHeight);
            }
        }
        EXPECT_TRUE(orvane::test::closeSocket(socket()));
    }
}

// The editor sends the emergency stop inverted (0 for on) while the status decoder keeps the
// device's byte as it comes (0 reads as off), unlike the breath lamp and the remote control,
// which are decoded back. Both sides are kept until a fan tells which is right; this pins them.
TEST_F(SpecialEditorsTest, EmergencyStopIsSentInvertedButReadAsReported)
{
    QByteArray status = fourGStatus();
    ASSERT_EQ(status.at(53), 0);
    open(orvane::test::fourGModel, 0, status);
    EXPECT_FALSE(record->status().isEmergencyStop());
    EXPECT_TRUE(record->status().isBreathLamp());
    EXPECT_FALSE(record->status().isRemoteControl());
    auto *switches = editor<FunctionSwitchItem>(Module::switches);
    ASSERT_NE(switches, nullptr);
    EXPECT_FALSE(switches->rowSwitch(Row::stop)->checked());
    EXPECT_TRUE(switches->rowSwitch(Row::breath)->checked());

    click(switches->rowSwitch(Row::stop));
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(fan.frames().last().code, 57);
    EXPECT_EQ(wireValue(fan.frames().last()), 0);
    EXPECT_TRUE(waitUntil([&] { return record->status().isEmergencyStop(); }));
    // A fan that keeps what it was sent reports byte 0 again, which reads as off.
    record->configStatusWithData(status);
    screen->reloadItems();
    EXPECT_FALSE(editor<FunctionSwitchItem>(Module::switches)->rowSwitch(Row::stop)->checked());
}

TEST_F(SpecialEditorsTest, TimerOnSendsTheCalendarDateAndBothTimes)
{
    struct Case
    {
        QDateTime now;
        QByteArray clock;
    };
    // 30 and 31 December 2024 lie in the first week of 2025.
    const QList<Case> cases = {
        {QDateTime(QDate(2026, 6, 5), QTime(7, 4, 9)), "2026-06-05 07:04:09"},
        {QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)), "2024-12-31 23:59:58"},
        {QDateTime(QDate(2024, 12, 30), QTime(0, 0, 1)), "2024-12-30 00:00:01"},
    };
    for (const Case &c : cases) {
        open(orvane::test::plainModel, 0);
        auto *timer = editor<FunctionTimerItem>(Module::timer);
        ASSERT_NE(timer, nullptr);
        timer->setClock([now = c.now] { return now; });
        typeTime(timer->startTimerView(), QStringLiteral("08:00:00"));
        typeTime(timer->stopTimerView(), QStringLiteral("22:00:00"));
        // While the timer is off, edits show no save button.
        EXPECT_FALSE(timer->saveBtn()->isVisibleTo(timer));
        click(timer->timerSwitch());
        ASSERT_TRUE(settled(1));
        EXPECT_EQ(fan.frames().last().bytes, QByteArray("\x29\x35\xa4\x0d\x13\x08\x08") + c.clock + "08:00:0022:00:00");
        ASSERT_TRUE(waitUntil([&] { return record->status().timer().isOn(); }));
        EXPECT_EQ(record->status().timer().openTime(), QStringLiteral("08:00:00"));
        EXPECT_EQ(record->status().timer().closeTime(), QStringLiteral("22:00:00"));
        EXPECT_TRUE(timer->timerSwitch()->checked());
        EXPECT_TRUE(orvane::test::closeSocket(socket()));
    }
}

TEST_F(SpecialEditorsTest, SaveButtonShowsWhileATimeDiffersFromTheDevicesOne)
{
    open(orvane::test::plainModel, 0);
    record->editStatus([](QXDeviceStatus &status) {
        status.timer().setIsOn(true);
        status.timer().setOpenTime(QStringLiteral("08:00:00"));
        status.timer().setCloseTime(QStringLiteral("22:00:00"));
    });
    screen->reloadItems();
    auto *timer = editor<FunctionTimerItem>(Module::timer);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->timerSwitch()->checked());
    EXPECT_EQ(timer->stopTimerView()->getTimerString(), QStringLiteral("22:00:00"));
    const auto saveShown = [timer] { return timer->saveBtn()->isVisibleTo(timer); };

    typeTime(timer->stopTimerView(), QStringLiteral("23:00:00"));
    EXPECT_TRUE(saveShown());
    timer->resize(400, 240);
    EXPECT_FALSE(orvane::test::grabScreenshot(timer, QStringLiteral("settings-timer-edited")).isNull());
    typeTime(timer->stopTimerView(), QStringLiteral("22:00:00"));
    EXPECT_FALSE(saveShown());
    // An unsaved start time keeps the button while the other time goes back.
    typeTime(timer->startTimerView(), QStringLiteral("09:00:00"));
    typeTime(timer->stopTimerView(), QStringLiteral("22:00:00"));
    EXPECT_TRUE(saveShown());
    typeTime(timer->startTimerView(), QStringLiteral("08:00:00"));
    typeTime(timer->stopTimerView(), QStringLiteral("23:00:00"));

    timer->saveBtn()->click();
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(fan.frames().last().code, 13);
    ASSERT_TRUE(waitUntil([&] { return !saveShown(); }));
    EXPECT_EQ(record->status().timer().closeTime(), QStringLiteral("23:00:00"));
    // The device has 23:00:00 now: the old time differs from it.
    typeTime(timer->stopTimerView(), QStringLiteral("22:00:00"));
    EXPECT_TRUE(saveShown());

    // Off hides the button before the device answers.
    fan.setDelay(300);
    click(timer->timerSwitch());
    EXPECT_FALSE(saveShown());
    EXPECT_TRUE(record->status().timer().isOn());
    ASSERT_TRUE(settled(2));
    EXPECT_EQ(fan.frames().last().code, 14);
    EXPECT_TRUE(waitUntil([&] { return !record->status().timer().isOn(); }));
    EXPECT_FALSE(timer->timerSwitch()->checked());

    // Refused: the switch shows the timer the device kept.
    fan.setDelay(0);
    fan.setReply(13, QByteArray::fromHex("35a40b01"));
    click(timer->timerSwitch());
    ASSERT_TRUE(settled(3));
    EXPECT_TRUE(waitUntil([&] { return !timer->timerSwitch()->checked(); }));
    EXPECT_FALSE(record->status().timer().isOn());
}

// Each press by keys is heard on the pressed button, which keeps the focus, with the angle the
// device took, once the dial shows it; the same angle reached again is heard again.
TEST_F(SpecialEditorsTest, AngleButtonsWrapFromTheDevicesAngle)
{
    orvane::test::AccessibilityEvents heard;
    open(orvane::test::plainModel, 0x1);
    screen->show();
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    struct Case
    {
        qint64 angle;
        bool plus;
        quint16 sent;
    };
    const QList<Case> cases = {{0, false, 359}, {1, false, 0},  {359, true, 0},
                               {10, false, 9},  {10, true, 11}, {400, true, 0}};
    for (const Case &c : cases) {
        record->editStatus([&c](QXDeviceStatus &status) { status.setAngle(c.angle); });
        screen->reloadItems();
        auto *angle = editor<FunctionAngleItem>(Module::angle);
        ASSERT_NE(angle, nullptr);
        EXPECT_EQ(angle->valueBtn()->text(), QString::number(c.angle));
        const qsizetype before = fan.frames().size();
        QPushButton *pressed = c.plus ? angle->addBtn() : angle->subBtn();
        pressed->setFocus(Qt::TabFocusReason);
        heard.clear();
        QTest::keyClick(pressed, Qt::Key_Space);
        ASSERT_TRUE(settled(int(before) + 1)) << c.angle;
        EXPECT_EQ(fan.frames().last().code, 17);
        EXPECT_EQ(wireValue(fan.frames().last()), c.sent) << c.angle << (c.plus ? " plus" : " minus");
        EXPECT_TRUE(waitUntil([&] { return angle->valueBtn()->text() == QString::number(c.sent); }));
        EXPECT_EQ(record->status().angle(), c.sent);
        EXPECT_EQ(angle->dashboard()->value(), c.sent);
        ASSERT_TRUE(waitUntil([&] { return heard.lastFocus().description == QString::number(c.sent); }))
            << c.angle << (c.plus ? " plus" : " minus");
        orvane::test::expectLastFocusOnFocusWidget(heard);
        EXPECT_EQ(QApplication::focusWidget(), pressed);
        QAccessibleInterface *dial = QAccessible::queryAccessibleInterface(angle->dashboard());
        EXPECT_EQ(dial->text(QAccessible::Value), QString::number(c.sent));
    }
    EXPECT_TRUE(presenter.texts.isEmpty());
}

TEST_F(SpecialEditorsTest, DialDoubleClicksSendTheirAngleAndARefusalRestoresTheDial)
{
    open(orvane::test::plainModel, 0x1);
    // Tall enough that the dial is on screen to be clicked.
    screen->resize(900, 1600);
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    fan.clearRecords();
    screen->collection()->layoutIfNeeded();
    auto *angle = editor<FunctionAngleItem>(Module::angle);
    ASSERT_NE(angle, nullptr);
    QXDashboard *dial = angle->dashboard();
    const double reach = dial->config().outRadius - 10;
    struct Case
    {
        QPointF offset;
        quint16 sent;
    };
    const QList<Case> cases = {{{reach, 0}, 90}, {{0, reach}, 180}, {{-reach, 0}, 270}, {{0, -reach}, 0}};
    for (const Case &c : cases) {
        const qsizetype before = fan.frames().size();
        doubleClickDial(dial, c.offset);
        ASSERT_TRUE(settled(int(before) + 1)) << c.sent;
        EXPECT_EQ(wireValue(fan.frames().last()), c.sent);
        EXPECT_TRUE(waitUntil([&] { return record->status().angle() == c.sent; }));
        EXPECT_EQ(dial->value(), c.sent);
    }
    // Outside the ring: nothing.
    doubleClickDial(dial, {0, dial->config().outRadius + 5});
    orvane::test::spinFor(50);
    EXPECT_EQ(fan.frames().size(), cases.size());

    fan.setReply(17, QByteArray::fromHex("35a40b01"));
    doubleClickDial(dial, {reach, 0});
    ASSERT_TRUE(settled(int(cases.size()) + 1));
    EXPECT_TRUE(waitUntil([&] { return presenter.texts.size() == 1; }));
    EXPECT_EQ(presenter.texts, QStringList{text("ov_set_angle_error")});
    EXPECT_EQ(dial->value(), 0);
    EXPECT_EQ(record->status().angle(), 0);
    EXPECT_EQ(angle->valueBtn()->text(), QStringLiteral("0"));
}

TEST_F(SpecialEditorsTest, InformationShowsTheRoleOnlyWhenReportedAndPlainVersionNumbers)
{
    struct Case
    {
        quint64 functions;
        bool master;
        int rows;
        QString role;
    };
    const QList<Case> cases = {
        {0, false, 5, {}},
        {0x4000, true, 6, QLatin1Char(':') + text("ov_master")},
        {0x4000, false, 6, QLatin1Char(':') + text("ov_slave")},
    };
    for (const Case &c : cases) {
        open(orvane::test::plainModel, c.functions);
        record->editStatus([&c](QXDeviceStatus &status) {
            status.setIsMaster(c.master);
            status.version().setCoreVersion0(2);
            status.version().setCoreVersion1(10);
            status.version().setBaseVersion1(9);
            status.version().setFpgaVersion0(1);
            status.version().setFpgaVersion1(15);
            status.setStorage(QStringLiteral("512M"));
            status.setServerIndex(1);
        });
        screen->reloadItems();
        auto *info = editor<DeviceInfoItem>(Module::info);
        ASSERT_NE(info, nullptr);
        // Twice: the second refresh changes nothing.
        info->refresh();
        EXPECT_EQ(info->shownRows(), c.rows);
        using InfoRow = DeviceInfoItem::Row;
        if (c.rows == 6) {
            EXPECT_EQ(info->value(InfoRow::state)->text(), c.role);
        }
        EXPECT_EQ(info->value(InfoRow::corVersion)->text(), QStringLiteral(":2.10"));
        EXPECT_EQ(info->value(InfoRow::underVersion)->text(), QStringLiteral(":0.9"));
        EXPECT_EQ(info->value(InfoRow::fpgaVersion)->text(), QStringLiteral(":1.15"));
        EXPECT_EQ(info->value(InfoRow::sdCapacity)->text(), QStringLiteral(":512M"));
        EXPECT_EQ(info->value(InfoRow::server)->text(), QLatin1Char(':') + QXDeviceStatus::serverList().at(1));
        EXPECT_TRUE(orvane::test::closeSocket(socket()));
    }
}

TEST_F(SpecialEditorsTest, BluetoothConnectsTheChosenEntryOnlyOnConfirm)
{
    using Bluetooth = DeviceBluetoothItem::Bluetooth;
    fan.setReply(47, FakeFan::listReply(47, R"([{"address":"AA:01","name":"Speaker"},{"address":"BB:02"},)"
                                            R"({"address":"CC:03"},{"address":"DD:04","name":"Bar"}])"));
    record = orvane::test::useCurrentDevice(orvane::test::bluetoothModel, fan.port());
    screen = std::make_unique<FunctionConfigViewController>();
    screen->resize(900, 700);
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    ASSERT_EQ(screen->bluetoothList().size(), 4);
    auto *bluetooth = editor<DeviceBluetoothItem>(Module::bluetooth);
    ASSERT_NE(bluetooth, nullptr);
    EXPECT_EQ(screen->bluetoothItem(), bluetooth);
    EXPECT_EQ(bluetooth->comboBox()->getSelectedString(), QStringLiteral("Speaker"));
    EXPECT_FALSE(orvane::test::grabScreenshot(bluetooth, QStringLiteral("settings-bluetooth")).isNull());
    fan.clearRecords();

    // Two unnamed entries: the second one is the one connected.
    orvane::test::pickRow(bluetooth->comboBox(), 2);
    orvane::test::spinFor(30);
    EXPECT_TRUE(fan.frames().isEmpty());
    presenter.answerNext(press("btnOK"));
    bluetooth->sureBtn()->click();
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(fan.frames().last().code, 48);
    EXPECT_TRUE(fan.frames().last().bytes.contains("CC:03"));
    EXPECT_TRUE(waitUntil([&] { return presenter.texts == QStringList{text("ov_set_success")}; }));

    fan.setReply(48, QByteArray::fromHex("35a40b01"));
    orvane::test::pickRow(bluetooth->comboBox(), 3);
    presenter.answerNext(press("btnOK"));
    bluetooth->sureBtn()->click();
    ASSERT_TRUE(settled(2));
    EXPECT_TRUE(fan.frames().last().bytes.contains("DD:04"));
    EXPECT_TRUE(waitUntil([&] { return presenter.texts.size() == 2; }));
    EXPECT_EQ(presenter.texts.last(), text("ov_set_fail"));

    // An empty list shows nothing and sends nothing.
    bluetooth->fill({}, 0);
    EXPECT_TRUE(bluetooth->comboBox()->getSelectedString().isEmpty());
    bluetooth->sureBtn()->click();
    bluetooth->fill({Bluetooth{QStringLiteral("EE:05"), std::nullopt}}, 1);
    bluetooth->sureBtn()->click();
    orvane::test::spinFor(50);
    EXPECT_EQ(fan.frames().size(), 2);
}

TEST(HotSpotPassword, IsOneWholeNumber)
{
    struct Case
    {
        const char *text;
        bool whole;
    };
    const Case cases[] = {
        {"12345678", true},  {"-1234567", true}, {"+1234567", true}, {"1234567 ", true},   {" 1234567", true},
        {"1234 567", false}, {"1234567a", false}, {"", false},       {"-", false},         {"12-34567", false},
        {"１２３４５６７８", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HotSpotItem::isPureInt(QString::fromUtf8(c.text)), c.whole) << c.text;
}

TEST_F(SpecialEditorsTest, FourGOffIsRefusedUnlessTheHotspotStateAllowsIt)
{
    struct Case
    {
        qint64 hotspotStatus;
        bool allowed;
    };
    const QList<Case> cases = {{-1, false}, {0, false}, {1, false}, {2, true}};
    for (const Case &c : cases) {
        open(orvane::test::fourGModel, 0, fourGStatus());
        record->editStatus([&c](QXDeviceStatus &status) { status.setHotspotStatus(c.hotspotStatus); });
        screen->reloadItems();
        auto *page = editor<HotSpotItem>(Module::hotSpot);
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(page->switch4G()->checked());
        presenter.texts.clear();
        presenter.answerNext(press("btnOK"));
        click(page->switch4G());
        if (c.allowed) {
            EXPECT_EQ(presenter.texts, QStringList{text("ov_close_4g_confirm")});
            ASSERT_TRUE(settled(1));
            EXPECT_EQ(fan.frames().last().code, 67);
            EXPECT_EQ(wireValue(fan.frames().last()), 0);
            EXPECT_TRUE(waitUntil([&] { return !record->status().is4GOpen(); }));
        } else {
            EXPECT_EQ(presenter.texts, QStringList{text("ov_forbidden_close_4g")}) << c.hotspotStatus;
            EXPECT_TRUE(page->switch4G()->checked());
            orvane::test::spinFor(30);
            EXPECT_TRUE(fan.frames().isEmpty());
        }
        EXPECT_TRUE(orvane::test::closeSocket(socket()));
    }
}

TEST_F(SpecialEditorsTest, HotspotAnd4GSwitchesSendTheirOwnCodesAndWaitForTheAnswer)
{
    QByteArray status = fourGStatus();
    status[60] = 0; // 4G off
    open(orvane::test::fourGModel, 0, status);
    auto *page = editor<HotSpotItem>(Module::hotSpot);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->switch4G()->checked());
    EXPECT_TRUE(page->switchHotSpot()->checked());

    // 4G on goes at once; the switch takes no clicks until the device answers.
    fan.setDelay(300);
    click(page->switch4G());
    EXPECT_TRUE(presenter.texts.isEmpty());
    EXPECT_FALSE(page->switch4G()->isEnabled());
    click(page->switch4G());
    EXPECT_TRUE(page->switch4G()->checked());
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(fan.frames().last().code, 67);
    EXPECT_EQ(wireValue(fan.frames().last()), 1);
    EXPECT_TRUE(waitUntil([&] { return page->switch4G()->isEnabled(); }));
    EXPECT_TRUE(record->status().is4GOpen());
    fan.setDelay(0);

    // Cancelled: nothing changes.
    presenter.answerNext(press("btnCancel"));
    click(page->switchHotSpot());
    EXPECT_EQ(presenter.texts, QStringList{text("ov_close_hot_spot_confirm")});
    EXPECT_TRUE(page->switchHotSpot()->checked());
    EXPECT_EQ(record->status().hotspotStatus(), 1);

    presenter.answerNext(press("btnOK"));
    click(page->switchHotSpot());
    ASSERT_TRUE(settled(2));
    EXPECT_EQ(fan.frames().last().code, 68);
    EXPECT_EQ(wireValue(fan.frames().last()), 0);
    EXPECT_TRUE(waitUntil([&] { return record->status().hotspotStatus() == 0 && page->switchHotSpot()->isEnabled(); }));

    // Refused: the switch goes back silently.
    fan.setReply(68, QByteArray::fromHex("35a40b01"));
    presenter.answerNext(press("btnOK"));
    click(page->switchHotSpot());
    EXPECT_EQ(presenter.texts.last(), text("ov_open_hot_spot_confirm_client"));
    ASSERT_TRUE(settled(3));
    EXPECT_TRUE(waitUntil([&] { return !page->switchHotSpot()->checked() && page->switchHotSpot()->isEnabled(); }));
    EXPECT_EQ(record->status().hotspotStatus(), 0);
    EXPECT_EQ(presenter.texts.size(), 3);
}

TEST_F(SpecialEditorsTest, HotspotPasswordIsEightDigitsSentAsTyped)
{
    open(orvane::test::fourGModel, 0, fourGStatus());
    auto *page = editor<HotSpotItem>(Module::hotSpot);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->passwordTF()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(page->passwordTF()->accessibleName(), text("ov_hot_spot_password"));

    for (const char *refused : {"1234567", "123456789", "1234 567"}) {
        page->passwordTF()->setText(QString::fromLatin1(refused));
        page->modifyBtn()->click();
    }
    EXPECT_EQ(presenter.texts, QStringList(3, text("ov_enter_8_pure_int_password")));

    presenter.texts.clear();
    page->passwordTF()->setText(QStringLiteral("1234567 "));
    presenter.answerNext(press("btnCancel"));
    page->modifyBtn()->click();
    presenter.answerNext(press("btnOK"));
    presenter.answerNext(press("btnOK"));
    page->modifyBtn()->click();
    ASSERT_TRUE(settled(1));
    EXPECT_EQ(fan.frames().last().code, 65);
    EXPECT_TRUE(fan.frames().last().bytes.endsWith("1234567 "));
    EXPECT_TRUE(waitUntil([&] { return presenter.texts.size() == 3; }));
    EXPECT_EQ(presenter.texts, (QStringList{text("ov_change_password_confirm"), text("ov_change_password_confirm"),
                                            text("ov_success")}));
    EXPECT_EQ(page->passwordTF()->text(), QStringLiteral("1234567 "));
}

TEST_F(SpecialEditorsTest, HotspotNameIsTheJoinedNetworkOnTheDevicesOwnHotspot)
{
    open(orvane::test::fourGModel, 0, fourGStatus());
    record->setWifiName(QStringLiteral("ORVANE_604_REC"));
    wifi->current = QStringLiteral("ORVANE_604_AIR");
    record->setMode(QXConnectManager::verifiedMode);
    screen->reloadItems();
    EXPECT_EQ(editor<HotSpotItem>(Module::hotSpot)->hotspotNameLabel()->text(), QStringLiteral("ORVANE_604_REC"));

    record->setMode(QXConnectManager::plainMode);
    screen->reloadItems();
    auto *page = editor<HotSpotItem>(Module::hotSpot);
    EXPECT_TRUE(waitUntil([&] { return page->hotspotNameLabel()->text() == QStringLiteral("ORVANE_604_AIR"); }));
}

TEST_F(SpecialEditorsTest, EditorsAsTheOperatorSeesThem)
{
    fan.setReply(10, fourGStatus());
    fan.setReply(47, FakeFan::listReply(47, R"([{"address":"AA:01","name":"Workshop speaker"}])"));
    open(orvane::test::fourGModel, 0);
    record->setWifiName(QStringLiteral("ORVANE_604_A1"));
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    screen->collection()->layoutIfNeeded();
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-special-top")).isNull());
    QScrollBar *scroll = screen->collection()->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-special-bottom")).isNull());
    for (Module module : {Module::info, Module::switches, Module::timer, Module::angle, Module::hotSpot}) {
        QWidget *item = editor<QWidget>(module);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->height(), 240);
    }
}

} // namespace
