#include "FunctionSwitchItem.h"

#include "ITSwitch.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct SwitchRow
{
    const char *title;
    quint64 function;
    QXInsCode ins;
    // The device takes 0 for on.
    bool invertedOnWire;
    bool (QXDeviceStatus::*read)() const;
    void (QXDeviceStatus::*write)(bool);
};

// The emergency stop is sent inverted like the breath lamp and the remote control, while the
// status decoder keeps the stop's byte as the device reports it. Which of the two the firmware
// means is not known; both stay as they are until a fan settles it.
constexpr std::array<SwitchRow, FunctionSwitchItem::rowCount> switchRows{{
    {"ov_auto_start", QXDeviceFunction::autoStart, QXInsCode::autoStart, false, &QXDeviceStatus::isAutoStart,
     &QXDeviceStatus::setIsAutoStart},
    {"ov_breath", QXDeviceFunction::breathLamp, QXInsCode::breathLamp, true, &QXDeviceStatus::isBreathLamp,
     &QXDeviceStatus::setIsBreathLamp},
    {"ov_remote", QXDeviceFunction::remoteControl, QXInsCode::remoteControl, true, &QXDeviceStatus::isRemoteControl,
     &QXDeviceStatus::setIsRemoteControl},
    {"ov_safe_stop", QXDeviceFunction::emergencyStop, QXInsCode::emergencyStop, true,
     &QXDeviceStatus::isEmergencyStop, &QXDeviceStatus::setIsEmergencyStop},
}};

} // namespace

FunctionSwitchItem::FunctionSwitchItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 0, 20, 0);
    column->setSpacing(0);
    column->addStretch(1);
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        RowControls &row = m_rows[index];
        row.view = new QWidget(this);
        row.view->setFixedHeight(rowHeight);
        row.txt = keyedLabel(switchRows[index].title);
        row.toggle = new ITSwitch(row.view);
        row.toggle->setAccessibleName(row.txt->text());
        row.txt->setBuddy(row.toggle);
        auto *line = new QHBoxLayout(row.view);
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(row.txt, 1);
        line->addWidget(row.toggle);
        column->addWidget(row.view);
        const Row which = Row(index);
        connect(row.toggle, &ITSwitch::action, this, [this, which](bool on) { switchAction(which, on); });
    }
    column->addStretch(1);
}

FunctionSwitchItem::~FunctionSwitchItem() = default;

void FunctionSwitchItem::refresh()
{
    const QXDeviceStatus status = currentDeviceStatus();
    const QXInsSocket *socket = insSocket().get();
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        const SwitchRow &setting = switchRows[index];
        m_rows[index].view->setVisible(connectManager().deviceForSocket(socket, setting.function));
        m_rows[index].toggle->setChecked((status.*setting.read)());
    }
}

void FunctionSwitchItem::switchAction(Row row, bool on)
{
    ITSwitch *toggle = rowSwitch(row);
    // A refused or failed send leaves the switch showing what the device has.
    if (passGate() != Gate::open) {
        toggle->setChecked(!on);
        return;
    }
    const SwitchRow &setting = switchRows[std::size_t(row)];
    const QPointer<ITSwitch> guard(toggle);
    sendSetting(
        setting.ins, qint16(on != setting.invertedOnWire ? 1 : 0),
        [write = setting.write, on](const SettingTarget &target, qint64, const QVariant &) {
            if (target.record)
                target.record->editStatus([write, on](QXDeviceStatus &status) { (status.*write)(on); });
        },
        [guard, on](const SettingTarget &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [on](ITSwitch &shown) { shown.setChecked(!on); });
        });
}
