#include "FunctionItemFactory.h"

#include "ConnectServerItem.h"
#include "Core/Utils.h"
#include "DeviceBluetoothItem.h"
#include "DeviceConfigSliderItem.h"
#include "DeviceInfoItem.h"
#include "FunctionAngleItem.h"
#include "FunctionComboBoxItem.h"
#include "FunctionSingleButtonItem.h"
#include "FunctionSwitchItem.h"
#include "FunctionTimerItem.h"
#include "HotSpotItem.h"
#include "NormalButtonItem.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXSocketCode.h"
#include "QXView.h"

#include <QPushButton>

namespace orvane::settings {

namespace {

// Ties the editor to the screen's info line and device before anything configures it.
template <typename Item>
Item *bound(FunctionConfigViewController &screen, Item *item)
{
    item->setInfoDisplayer(&screen);
    item->setDevice(screen.device());
    return item;
}

// Closes the instruction socket the send went to (the fan leaves the network or restarts).
void closeSocket(const SettingTarget &target)
{
    if (const std::shared_ptr<QXInsSocket> socket = target.socket.lock())
        socket->disconnectWtihBlock([](qint64, const QVariant &) {});
}

FunctionConfigItem::SendOutcome buttonCompletion(Completion completion)
{
    switch (completion) {
    case Completion::backToHotspot:
        return [](const SettingTarget &target, qint64 code, const QVariant &) {
            if (code != QXSocketCode::success)
                return;
            Utils::showInfoLater(qxLocalized("ov_sta2ap_success"));
            if (target.record)
                target.record->setMode(QXConnectManager::plainMode);
            closeSocket(target);
        };
    case Completion::restarted:
        return [](const SettingTarget &target, qint64 code, const QVariant &) {
            if (code != QXSocketCode::success)
                return;
            Utils::showInfoLater(qxLocalized("ov_restarting"));
            closeSocket(target);
        };
    default:
        return {};
    }
}

QWidget *makeSlider(FunctionConfigViewController &screen, const SliderSetup &setup)
{
    auto *item = bound(screen, new DeviceConfigSliderItem);
    const std::shared_ptr<QXDevice> record = screen.currentDevice();
    const auto rowConfig = [&record](const SliderRow &row) {
        const qint64 value = record ? row.read(*record) : 0;
        return DeviceConfigSliderItem::Row{row.ins, QString::fromLatin1(row.title), value, row.min, row.max,
                                           row.showStepper, row.transfer};
    };
    item->configure(rowConfig(setup.row1),
                    setup.row2 ? std::optional(rowConfig(*setup.row2)) : std::nullopt);
    item->setInfoKeys(0, QString::fromLatin1(setup.successInfo1), QString::fromLatin1(setup.failInfo1));
    const RecordWrite write1 = setup.row1.write;
    const RecordWrite write2 = setup.row2 ? setup.row2->write : nullptr;
    item->setSuccessCompletion([write1, write2](QXDevice &target, bool isRow1, qint64 value) {
        if (const RecordWrite write = isRow1 ? write1 : write2)
            write(target, value);
    });
    return item;
}

QWidget *makeChoice(FunctionConfigViewController &screen, const ChoiceSetup &setup, Completion completion)
{
    auto *item = bound(screen, new FunctionComboBoxItem);
    const std::shared_ptr<QXDevice> record = screen.currentDevice();
    QStringList contents;
    QList<qint64> values;
    for (const ChoiceOption &option : setup.options) {
        contents.append(option.localized ? qxLocalized(option.text) : QString::fromUtf8(option.text));
        values.append(option.value);
    }
    const qint64 current = record ? setup.read(*record) : 0;
    if (setup.switchRow) {
        const ChoiceSwitchRow &switchRow = *setup.switchRow;
        item->configure(setup.ins, QString::fromLatin1(setup.title), contents, values, current,
                        QString::fromLatin1(setup.sureTitle), QString::fromLatin1(switchRow.title),
                        record && switchRow.read(*record) != 0, switchRow.ins);
        item->setSwitchCompletion(
            [write = switchRow.write](QXDevice &target, bool on) { write(target, on ? 1 : 0); });
    } else {
        item->configure(setup.ins, QString::fromLatin1(setup.title), contents, values, current,
                        QString::fromLatin1(setup.sureTitle));
    }
    item->setEnsureInfoKey(QString::fromLatin1(setup.ensureInfoKey));
    const bool reports = completion == Completion::maskModeReport;
    item->setBoxCompletion([write = setup.write, reports, success = qxLocalized("ov_set_success"),
                            failure = qxLocalized("ov_set_fail")](QXDevice &target, bool accepted, qint64 value) {
        if (accepted)
            write(target, value);
        if (reports)
            Utils::showInfoLater(accepted ? success : failure);
    });
    return item;
}

QWidget *makeButton(FunctionConfigViewController &screen, const ButtonSetup &setup, Completion completion)
{
    auto *item = bound(screen, new FunctionSingleButtonItem);
    item->configure(QString::fromLatin1(setup.title), QString::fromLatin1(setup.buttonTitle), setup.ins,
                    buttonCompletion(completion));
    item->setEnsureInfoKey(QString::fromLatin1(setup.ensureInfoKey));
    return item;
}

QWidget *makeAdvancedToggle(FunctionConfigViewController &screen)
{
    auto *item = new NormalButtonItem;
    item->configure(QString::fromLatin1(screen.showAdvanced() ? "ov_collapse" : "ov_advanced"));
    item->btn()->setChecked(screen.showAdvanced());
    const QPointer<FunctionConfigViewController> guard(&screen);
    item->setBtnAction([guard](bool) {
        if (guard)
            guard->toggleAdvanced();
    });
    return item;
}

// The special editors carry their own instructions; each reads the record once it is bound.
template <typename Item>
Item *refreshed(FunctionConfigViewController &screen, Item *item)
{
    bound(screen, item)->refresh();
    return item;
}

QWidget *makeBluetooth(FunctionConfigViewController &screen)
{
    auto *item = bound(screen, new DeviceBluetoothItem);
    item->fill(screen.bluetoothList(), 0);
    screen.setBluetoothItem(item);
    return item;
}

} // namespace

QWidget *makeFunctionItem(FunctionConfigViewController &screen, const ModuleRow &row)
{
    switch (row.kind) {
    case EditorKind::slider:
        return makeSlider(screen, std::get<SliderSetup>(row.setup));
    case EditorKind::choice:
        return makeChoice(screen, std::get<ChoiceSetup>(row.setup), row.completion);
    case EditorKind::singleButton:
        return makeButton(screen, std::get<ButtonSetup>(row.setup), row.completion);
    case EditorKind::advancedToggle:
        return makeAdvancedToggle(screen);
    case EditorKind::connect: {
        auto *item = bound(screen, new ConnectServerItem);
        item->refreshServer();
        return item;
    }
    case EditorKind::info:
        return refreshed(screen, new DeviceInfoItem);
    case EditorKind::switches:
        return refreshed(screen, new FunctionSwitchItem);
    case EditorKind::timer: {
        auto *item = new FunctionTimerItem;
        item->setFunctionDelegate(screen.functionDelegate());
        return refreshed(screen, item);
    }
    case EditorKind::angle:
        return refreshed(screen, new FunctionAngleItem);
    case EditorKind::hotSpot:
        return refreshed(screen, new HotSpotItem);
    case EditorKind::bluetooth:
        return makeBluetooth(screen);
    }
    return nullptr;
}

} // namespace orvane::settings
