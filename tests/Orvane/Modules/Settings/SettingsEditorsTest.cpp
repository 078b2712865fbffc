// The generic editors against a fake fan on loopback: what each shown value sends and what the
// device record keeps, and the gate, the confirmations and the outcomes of every editor.
#include "QXLocalized.h"
#include "SettingsTestSupport.h"

#include "ComboBoxView.h"
#include "Core/Language.h"
#include "ITSwitch.h"
#include "Modules/Settings/DeviceConfigSliderItem.h"
#include "Modules/Settings/FunctionComboBoxItem.h"
#include "Modules/Settings/FunctionSingleButtonItem.h"
#include "QXButton.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using orvane::test::AnsweringPresenter;
using orvane::test::FakeFan;
using orvane::test::itemOf;
using orvane::test::press;
using orvane::test::waitUntil;
using orvane::test::wireValue;

QString text(const char *key)
{
    return qxLocalized(key);
}

qint64 district(const QXDevice &record, qint64 number, const char *key)
{
    return record.mask().settingsAtDistrict(number).value_or(QVariantMap()).value(QString::fromLatin1(key)).toLongLong();
}

class SettingsEditorsTest : public orvane::test::SettingsEditorFixture
{
protected:
    void SetUp() override
    {
        open(orvane::test::bluetoothModel, 0x300);
        if (HasFatalFailure())
            return;
        screen->toggleAdvanced();
        screen->reloadItems();
    }
};

TEST_F(SettingsEditorsTest, EverySliderRowSendsItsWireValueAndWritesTheRecord)
{
    struct Case
    {
        Module module;
        int row;
        bool stepper;
        qint64 shown;
        quint8 code;
        quint16 wire;
        std::function<qint64(const QXDevice &)> written;
    };
    const QList<Case> cases = {
        {Module::lightAngle, 0, false, 9, 3, 9, [](const QXDevice &r) { return r.status().light(); }},
        {Module::volume, 0, true, 7, 20, 7, [](const QXDevice &r) { return r.status().volume(); }},
        {Module::maskMove, 0, false, -128, 32, 0, [](const QXDevice &r) { return r.mask().horizontalDistance(); }},
        {Module::maskMove, 1, true, 127, 33, 255, [](const QXDevice &r) { return r.mask().verticalDistance(); }},
        {Module::maskInnerOutter, 0, false, 300, 36, 300, [](const QXDevice &r) { return r.mask().innerDistance(); }},
        {Module::maskInnerOutter, 1, false, 200, 37, 200, [](const QXDevice &r) { return r.mask().outerDistance(); }},
        {Module::maskRight, 0, false, -1, 38, 2047, [](const QXDevice &r) { return district(r, 4, "angle"); }},
        {Module::maskRight, 1, true, 500, 39, 500, [](const QXDevice &r) { return district(r, 4, "distance"); }},
        {Module::maskTop, 0, false, -512, 40, 0, [](const QXDevice &r) { return district(r, 1, "angle"); }},
        {Module::maskTop, 1, false, 800, 41, 800, [](const QXDevice &r) { return district(r, 1, "distance"); }},
        {Module::maskLeft, 0, true, 100, 42, 1124, [](const QXDevice &r) { return district(r, 3, "angle"); }},
        {Module::maskLeft, 1, false, 361, 43, 361, [](const QXDevice &r) { return district(r, 3, "distance"); }},
        {Module::maskBottom, 0, false, 512, 44, 2048, [](const QXDevice &r) { return district(r, 2, "angle"); }},
        {Module::maskBottom, 1, false, 700, 45, 700, [](const QXDevice &r) { return district(r, 2, "distance"); }},
    };
    for (const Case &c : cases) {
        auto *item = editor<DeviceConfigSliderItem>(c.module);
        ASSERT_NE(item, nullptr) << int(c.module);
        const qsizetype before = fan.frames().size();
        if (c.stepper)
            item->stepper(c.row)->setValue(int(c.shown));
        else
            item->slider(c.row)->setValue(int(c.shown));
        ASSERT_TRUE(settled(int(before) + 1)) << int(c.module) << " row " << c.row;
        const FakeFan::Frame frame = fan.frames().last();
        EXPECT_EQ(frame.code, c.code);
        EXPECT_EQ(wireValue(frame), c.wire) << int(c.code);
        EXPECT_TRUE(waitUntil([&] { return c.written(*record) == c.shown; })) << int(c.code);
        // The accepted value reaches all three controls of the row.
        EXPECT_TRUE(waitUntil([&] { return item->valueLabel(c.row)->text() == QString::number(c.shown); }));
        EXPECT_EQ(item->slider(c.row)->value(), c.shown);
        EXPECT_EQ(item->stepper(c.row)->value(), c.shown);
    }
    // A side's other key kept its value through the one-key writes.
    EXPECT_EQ(district(*record, 4, "angle"), -1);
    // The brightness row said so in the info line; the info line keeps it for two seconds.
    EXPECT_EQ(screen->infoLabel()->text(), text("ov_set_light_success"));
}

TEST_F(SettingsEditorsTest, ReportedValuesOutsideARowsRangeShowAsTheNearestEndOfTheSlider)
{
    record->editStatus([](QXDeviceStatus &status) {
        status.setLight(200);
        status.setVolume(-3);
    });
    record->editMask([](QXDeviceMask &mask) {
        mask.setInnerDistance(400);
        mask.setOuterDistance(300);
    });
    screen->reloadItems();
    struct Case
    {
        Module module;
        int row;
        int shown;
    };
    for (const Case &c : {Case{Module::lightAngle, 0, 15}, Case{Module::volume, 0, 0},
                          Case{Module::maskInnerOutter, 0, 360}, Case{Module::maskInnerOutter, 1, 255}}) {
        auto *item = editor<DeviceConfigSliderItem>(c.module);
        ASSERT_NE(item, nullptr) << int(c.module);
        EXPECT_EQ(item->valueLabel(c.row)->text(), QString::number(c.shown)) << int(c.module) << " row " << c.row;
        EXPECT_EQ(item->slider(c.row)->value(), c.shown);
        EXPECT_EQ(item->stepper(c.row)->value(), c.shown);
    }
    // Showing is not sending: the fan hears nothing and the record keeps what the fan reported.
    orvane::test::spinFor(50);
    EXPECT_TRUE(fan.frames().isEmpty());
    EXPECT_EQ(record->status().light(), 200);
    EXPECT_EQ(record->mask().innerDistance(), 400);
}

TEST_F(SettingsEditorsTest, EveryChoiceSendsTheValueOfTheRowNotItsIndex)
{
    struct Case
    {
        Module module;
        int row;
        bool confirmed;
        quint8 code;
        quint16 wire;
        std::function<qint64(const QXDevice &)> written;
    };
    const QList<Case> cases = {
        {Module::cutTime, 0, true, 54, 6, [](const QXDevice &r) { return r.status().cutTime(); }},
        {Module::cutTime, 1, true, 54, 0, [](const QXDevice &r) { return r.status().cutTime(); }},
        {Module::rotationRate, 2, true, 55, 2, [](const QXDevice &r) { return r.status().rotationRate(); }},
        {Module::maskMode, 3, false, 34, 3, [](const QXDevice &r) { return r.mask().mode(); }},
    };
    for (const Case &c : cases) {
        auto *item = editor<FunctionComboBoxItem>(c.module);
        ASSERT_NE(item, nullptr) << int(c.module);
        const qsizetype before = fan.frames().size();
        if (c.confirmed)
            presenter.answerNext(press("btnOK"));
        item->boxView()->setStringOfIndex(quint64(c.row));
        item->sureBtn()->click();
        ASSERT_TRUE(settled(int(before) + 1)) << int(c.module);
        EXPECT_EQ(fan.frames().last().code, c.code);
        EXPECT_EQ(wireValue(fan.frames().last()), c.wire);
        EXPECT_TRUE(waitUntil([&] { return c.written(*record) == c.wire; })) << int(c.code);
        EXPECT_TRUE(waitUntil([&] { return item->currentValue() == c.wire; }));
    }
    // Only the mask mode reports its outcome in a dialog; the others asked first.
    EXPECT_EQ(presenter.texts, (QStringList{text("ov_confirm_gap"), text("ov_confirm_gap"),
                                            text("ov_confirm_set_speed"), text("ov_set_success")}));

    // The white-background switch sends at once.
    auto *maskMode = editor<FunctionComboBoxItem>(Module::maskMode);
    const qsizetype before = fan.frames().size();
    QTest::keyClick(maskMode->switchView(), Qt::Key_Space);
    ASSERT_TRUE(settled(int(before) + 1));
    EXPECT_EQ(fan.frames().last().code, 35);
    EXPECT_EQ(wireValue(fan.frames().last()), 1);
    EXPECT_TRUE(waitUntil([&] { return record->mask().isWhiteBlank(); }));
}

TEST_F(SettingsEditorsTest, CancelledChoiceSendsNothingAndShowsTheDevicesChoiceAgain)
{
    record->editStatus([](QXDeviceStatus &status) { status.setCutTime(6); });
    screen->reloadItems();
    auto *item = editor<FunctionComboBoxItem>(Module::cutTime);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->boxView()->selectString(), QStringLiteral("0s"));
    item->boxView()->setStringOfIndex(4);
    presenter.answerNext(press("btnCancel"));
    item->sureBtn()->click();
    EXPECT_EQ(item->boxView()->selectString(), QStringLiteral("0s"));
    orvane::test::spinFor(50);
    EXPECT_TRUE(fan.frames().isEmpty());
}

TEST_F(SettingsEditorsTest, FailedSendsPutTheControlsBackAndKeepTheRecord)
{
    fan.setReply(3, QByteArray::fromHex("35a40b01"));
    fan.setReply(54, QByteArray::fromHex("35a40b01"));
    fan.setReply(35, QByteArray::fromHex("35a40b01"));
    record->editStatus([](QXDeviceStatus &status) { status.setLight(4); });
    screen->reloadItems();

    auto *light = editor<DeviceConfigSliderItem>(Module::lightAngle);
    light->slider(0)->setValue(12);
    ASSERT_TRUE(settled(1));
    EXPECT_TRUE(waitUntil([&] { return light->slider(0)->value() == 4; }));
    EXPECT_EQ(light->valueLabel(0)->text(), QStringLiteral("4"));
    EXPECT_EQ(screen->infoLabel()->text(), text("ov_set_light_error"));
    EXPECT_EQ(record->status().light(), 4);

    auto *gap = editor<FunctionComboBoxItem>(Module::cutTime);
    presenter.answerNext(press("btnOK"));
    gap->boxView()->setStringOfIndex(3);
    gap->sureBtn()->click();
    ASSERT_TRUE(settled(2));
    // The device keeps 0, the value of the second row.
    EXPECT_TRUE(waitUntil([&] { return gap->boxView()->selectedIndex() == 1; }));
    EXPECT_EQ(record->status().cutTime(), 0);

    auto *maskMode = editor<FunctionComboBoxItem>(Module::maskMode);
    QTest::keyClick(maskMode->switchView(), Qt::Key_Space);
    ASSERT_TRUE(settled(3));
    EXPECT_TRUE(waitUntil([&] { return !maskMode->switchView()->checked(); }));
    EXPECT_FALSE(record->mask().isWhiteBlank());
}

TEST_F(SettingsEditorsTest, DisconnectedEditorsSendNothingAndSayItOncePerAction)
{
    ASSERT_TRUE(orvane::test::closeSocket(socket()));
    const int connectionsBefore = fan.connectionCount();
    auto *light = editor<DeviceConfigSliderItem>(Module::lightAngle);
    light->slider(0)->setValue(10);
    EXPECT_EQ(light->slider(0)->value(), 0);
    auto *gap = editor<FunctionComboBoxItem>(Module::cutTime);
    gap->boxView()->setStringOfIndex(2);
    gap->sureBtn()->click();
    EXPECT_EQ(gap->boxView()->selectedIndex(), 2) << "the proposal stays";
    auto *maskMode = editor<FunctionComboBoxItem>(Module::maskMode);
    QTest::keyClick(maskMode->switchView(), Qt::Key_Space);
    EXPECT_FALSE(maskMode->switchView()->checked());
    editor<FunctionSingleButtonItem>(Module::restart)->btn()->click();

    const QString failed = text("ov_conn_fail_tip");
    EXPECT_EQ(presenter.texts, (QStringList{failed, failed, failed, failed}));
    orvane::test::spinFor(50);
    EXPECT_TRUE(fan.frames().isEmpty());
    EXPECT_EQ(fan.connectionCount(), connectionsBefore);
}

TEST_F(SettingsEditorsTest, BusySocketRefusesSilentlyAndSlidersSnapBack)
{
    fan.setReply(10, FakeFan::Reply{{FakeFan::plainReply(10)}, 400});
    bool done = false;
    socket()->sendInsWithType(QXInsCode::status, 0, [&](auto &&...) { done = true; }, [&](auto &&...) { done = true; });
    ASSERT_TRUE(waitUntil([&] { return socket()->currentIns() != -1; }));

    auto *light = editor<DeviceConfigSliderItem>(Module::lightAngle);
    light->slider(0)->setValue(10);
    EXPECT_EQ(light->slider(0)->value(), 0);
    light->stepper(0)->setValue(3);
    EXPECT_EQ(light->stepper(0)->value(), 0);
    auto *gap = editor<FunctionComboBoxItem>(Module::cutTime);
    gap->boxView()->setStringOfIndex(2);
    gap->sureBtn()->click();
    editor<FunctionSingleButtonItem>(Module::restart)->btn()->click();

    ASSERT_TRUE(waitUntil([&] { return done; }));
    orvane::test::spinFor(50);
    EXPECT_TRUE(presenter.texts.isEmpty());
    EXPECT_EQ(fan.codes(), QList<quint8>{10});
}

TEST_F(SettingsEditorsTest, BackToHotspotAndRestartActOnlyWhenTheFanAccepted)
{
    struct Case
    {
        Module module;
        quint8 code;
        QString confirmation;
        QString success;
    };
    // The operator's language, not the fan maker's, for every message.
    orvane::language::setLanguage(QStringLiteral("de"));
    const QList<Case> cases = {
        {Module::local, 24, text("ov_confirm_operate"), text("ov_sta2ap_success")},
        {Module::restart, 51, text("ov_confirm_restart"), QStringLiteral("Das Gerät wird neu gestartet")},
    };
    for (const Case &c : cases) {
        // A reply that fails its check reaches the completion as 302: nothing follows.
        fan.setReply(c.code, QByteArray::fromHex("35a40b01"));
        presenter.texts.clear();
        presenter.answerNext(press("btnOK"));
        editor<FunctionSingleButtonItem>(c.module)->btn()->click();
        ASSERT_TRUE(waitUntil([&] { return !fan.frames().isEmpty() && socket()->currentIns() == -1; }));
        EXPECT_EQ(fan.frames().last().code, c.code);
        EXPECT_EQ(wireValue(fan.frames().last()), 0);
        orvane::test::spinFor(50);
        EXPECT_EQ(presenter.texts, QStringList{c.confirmation});
        EXPECT_TRUE(socket()->isConnected());
        EXPECT_NE(record->mode(), QXConnectManager::plainMode);

        fan.setReply(c.code, FakeFan::plainReply(c.code));
        fan.clearRecords();
        presenter.texts.clear();
        presenter.answerNext(press("btnOK"));
        editor<FunctionSingleButtonItem>(c.module)->btn()->click();
        ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 2; }));
        EXPECT_EQ(presenter.texts, (QStringList{c.confirmation, c.success}));
        EXPECT_TRUE(waitUntil([&] { return socket()->isDisconnected(); }));
        EXPECT_EQ(record->mode() == QXConnectManager::plainMode, c.code == 24);
        record->setMode(0);
        ASSERT_TRUE(orvane::test::connectSocket(socket()));
        fan.clearRecords();
    }
    orvane::language::setLanguage(QStringLiteral("en"));

    // Already on its own hotspot: said so, nothing asked, nothing sent.
    record->setMode(QXConnectManager::plainMode);
    presenter.texts.clear();
    editor<FunctionSingleButtonItem>(Module::local)->btn()->click();
    EXPECT_EQ(presenter.texts, QStringList{text("ov_already_normal_mode")});
    orvane::test::spinFor(50);
    EXPECT_TRUE(fan.frames().isEmpty());
}

TEST_F(SettingsEditorsTest, WheelOverAnUnfocusedSliderScrollsThePageAndSendsNothing)
{
    screen->resize(900, 500);
    screen->show();
    ASSERT_TRUE(waitUntil([&] { return !screen->isRefreshing(); }));
    fan.clearRecords();
    auto *light = editor<DeviceConfigSliderItem>(Module::lightAngle);
    QScrollBar *scroll = screen->collection()->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    screen->refreshBtn()->setFocus();
    for (QWidget *control : {static_cast<QWidget *>(light->slider(0)), static_cast<QWidget *>(light->stepper(0))}) {
        const QPointF at(control->width() / 2.0, control->height() / 2.0);
        QWheelEvent wheel(at, control->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        const int before = scroll->value();
        QApplication::sendEvent(control, &wheel);
        EXPECT_GT(scroll->value(), before);
        scroll->setValue(0);
    }
    orvane::test::spinFor(50);
    EXPECT_EQ(light->slider(0)->value(), 0);
    EXPECT_FALSE(fan.codes().contains(3));
}

TEST_F(SettingsEditorsTest, ReplyAfterAReloadStillWritesTheRecord)
{
    fan.setReply(3, FakeFan::Reply{{FakeFan::plainReply(3)}, 200});
    editor<DeviceConfigSliderItem>(Module::lightAngle)->slider(0)->setValue(11);
    ASSERT_TRUE(waitUntil([&] { return socket()->currentIns() != -1; }));
    // A refresh or the advanced toggle makes every item anew meanwhile.
    screen->toggleAdvanced();
    orvane::test::spinFor(10);
    ASSERT_TRUE(settled(1));
    EXPECT_TRUE(waitUntil([&] { return record->status().light() == 11; }));
    screen->reloadItems();
    EXPECT_EQ(editor<DeviceConfigSliderItem>(Module::lightAngle)->slider(0)->value(), 11);
}

} // namespace
