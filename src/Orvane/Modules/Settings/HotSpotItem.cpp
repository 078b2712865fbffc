#include "HotSpotItem.h"

#include "Core/Utils.h"
#include "ITSwitch.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// The hotspot state in which the device lets its 4G link go.
constexpr qint64 hotspotAllows4GOff = 2;
constexpr qsizetype hotspotPasswordLength = 8;

void showInfoDialog(const char *key)
{
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::info,
                                               qxLocalized(key), nullptr);
}

// Shows the dialog of `key` once the device answered, whether the page is still there or not.
QXOperationBlock dialogOutcome(const char *key)
{
    return [text = qxLocalized(key)](const QXOperationRef &, qint64, const QVariant &) { Utils::showInfoLater(text); };
}

} // namespace

HotSpotItem::HotSpotItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_title4G = keyedLabel("ov_4g_network");
    m_hotspotTitle = keyedLabel("ov_device_hot_spot");
    m_hotspotNameTitle = keyedLabel("ov_hot_spot_name");
    m_hotspotPasswordTitle = keyedLabel("ov_hot_spot_password");
    m_hotspotNameLabel = qxkit::label({}, qxkit::globalTextColor());
    m_hotspotNameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_switch4G = new ITSwitch(this);
    m_switch4G->setAccessibleName(m_title4G->text());
    m_title4G->setBuddy(m_switch4G);
    m_switchHotSpot = new ITSwitch(this);
    m_switchHotSpot->setAccessibleName(m_hotspotTitle->text());
    m_hotspotTitle->setBuddy(m_switchHotSpot);
    m_passwordTF = new QLineEdit(this);
    qxkit::setPasswordEntry(m_passwordTF);
    m_passwordTF->setAccessibleName(m_hotspotPasswordTitle->text());
    m_hotspotPasswordTitle->setBuddy(m_passwordTF);
    m_modifyBtn = new QXButton(this);
    qxkit::setInternationalKey(m_modifyBtn, QStringLiteral("ov_confirm"));
    m_modifyBtn->setFixedHeight(30);
    connect(m_switch4G, &ITSwitch::action, this, &HotSpotItem::switch4GAction);
    connect(m_switchHotSpot, &ITSwitch::action, this, &HotSpotItem::switchHotSpotAction);
    connect(m_modifyBtn, &QPushButton::clicked, this, &HotSpotItem::confirmBtnAction);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(14);
    layout->setRowStretch(0, 1);
    layout->addWidget(m_title4G, 1, 0);
    layout->addWidget(m_switch4G, 1, 2, Qt::AlignRight);
    layout->addWidget(m_hotspotTitle, 2, 0);
    layout->addWidget(m_switchHotSpot, 2, 2, Qt::AlignRight);
    layout->addWidget(m_hotspotNameTitle, 3, 0);
    layout->addWidget(m_hotspotNameLabel, 3, 1, 1, 2);
    layout->addWidget(m_hotspotPasswordTitle, 4, 0);
    layout->addWidget(m_passwordTF, 4, 1);
    layout->addWidget(m_modifyBtn, 4, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
}

HotSpotItem::~HotSpotItem() = default;

bool HotSpotItem::isPureInt(const QString &text)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    return wholeNumber.match(text).hasMatch();
}

void HotSpotItem::refresh()
{
    const QXDeviceStatus status = currentDeviceStatus();
    m_switch4G->setChecked(status.is4GOpen());
    m_switchHotSpot->setChecked(status.hotspotStatus() == 1);
    const std::shared_ptr<QXDevice> record = currentDevice();
    if (!record)
        return;
    if (record->mode() != QXConnectManager::plainMode) {
        showName(record->wifiName());
        return;
    }
    // On the device's own hotspot, the network the computer is joined to is that hotspot.
    const QPointer<HotSpotItem> guard(this);
    insSocket()->connectedWithSuccess(
        [guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [](HotSpotItem &item) {
                item.showName(Utils::shareInstance()->getWifiName().value_or(QString()));
            });
        },
        {});
}

void HotSpotItem::showName(const QString &name)
{
    if (!name.isEmpty())
        m_hotspotNameLabel->setText(name);
}

void HotSpotItem::switch4GAction(bool on)
{
    const QXDeviceStatus status = currentDeviceStatus();
    if (!on && status.is4GOpen() && status.hotspotStatus() != hotspotAllows4GOff) {
        m_switch4G->setChecked(true);
        showInfoDialog("ov_forbidden_close_4g");
        return;
    }
    if (on)
        send4G(true);
    else
        confirmSwitch(m_switch4G, QStringLiteral("ov_close_4g_confirm"), on, &HotSpotItem::send4G);
}

void HotSpotItem::switchHotSpotAction(bool on)
{
    confirmSwitch(m_switchHotSpot,
                  on ? QStringLiteral("ov_open_hot_spot_confirm_client") : QStringLiteral("ov_close_hot_spot_confirm"),
                  on, &HotSpotItem::sendHotspot);
}

void HotSpotItem::confirmSwitch(ITSwitch *toggle, const QString &key, bool on, void (HotSpotItem::*send)(bool))
{
    confirm(key, [this, toggle, on, send](bool confirmed) {
        if (confirmed)
            (this->*send)(on);
        else
            toggle->setChecked(!on);
    });
}

void HotSpotItem::send4G(bool on)
{
    sendSwitch(m_switch4G, QXInsCode::cellular4G, on, [on](const SettingTarget &target, qint64, const QVariant &) {
        if (target.record)
            target.record->editStatus([on](QXDeviceStatus &status) { status.setIs4GOpen(on); });
    });
}

void HotSpotItem::sendHotspot(bool on)
{
    sendSwitch(m_switchHotSpot, QXInsCode::hotspot, on, [on](const SettingTarget &target, qint64, const QVariant &) {
        if (target.record)
            target.record->editStatus([on](QXDeviceStatus &status) { status.setHotspotStatus(on ? 1 : 0); });
    });
}

void HotSpotItem::sendSwitch(ITSwitch *toggle, QXInsCode code, bool on, SendOutcome accepted)
{
    toggle->setEnabled(false);
    const QPointer<ITSwitch> guard(toggle);
    sendSetting(
        code, on ? 1 : 0,
        [guard, accepted](const SettingTarget &target, qint64 result, const QVariant &payload) {
            accepted(target, result, payload);
            qxOnGuiThread(guard, [](ITSwitch &shown) { shown.setEnabled(true); });
        },
        [guard, on](const SettingTarget &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [on](ITSwitch &shown) {
                shown.setEnabled(true);
                shown.setChecked(!on);
            });
        });
}

void HotSpotItem::confirmBtnAction()
{
    const QString password = m_passwordTF->text();
    if (password.size() != hotspotPasswordLength || !isPureInt(password)) {
        showInfoDialog("ov_enter_8_pure_int_password");
        return;
    }
    confirm(QStringLiteral("ov_change_password_confirm"), [this, password](bool confirmed) {
        if (confirmed)
            insSocket()->changeWifiPassword(password, dialogOutcome("ov_success"), dialogOutcome("ov_connect_failed"));
    });
}
