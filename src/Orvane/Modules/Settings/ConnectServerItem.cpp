#include "ConnectServerItem.h"

#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXDeviceStatus.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <cstdio>

namespace {

constexpr qint64 firstServerChoiceCoreVersion = 15;
constexpr int rowHeight = 32;

void printError()
{
    std::fputs("Error\n", stdout);
    std::fflush(stdout);
}

} // namespace

ConnectServerItem::ConnectServerItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    buildUI();
}

ConnectServerItem::~ConnectServerItem() = default;

void ConnectServerItem::buildUI()
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());

    m_serverTxt = keyedLabel("ov_service_tip");
    m_serverBox = new ComboBoxView(this);
    m_serverBox->setFixedHeight(rowHeight);
    m_serverBox->setDelegate(this);
    m_serverBox->setStringOfIndex(0);
    m_serverTxt->setBuddy(m_serverBox);
    m_serverBox->setAccessibleName(m_serverTxt->text());

    m_wifiTxt = keyedLabel("ov_wifi_name");
    m_wifiBox = new ComboBoxView(this);
    m_wifiBox->setFixedHeight(rowHeight);
    m_wifiBox->setDelegate(this);
    m_wifiTxt->setBuddy(m_wifiBox);
    m_wifiBox->setAccessibleName(m_wifiTxt->text());

    m_pwdTxt = keyedLabel("ov_wifi_psd");
    m_pwdBG = new QWidget(this);
    m_pwdBG->setFixedHeight(rowHeight);
    qxkit::setBgColor(m_pwdBG, qxkit::hexWithHex(0x303344, 1.0));
    m_pwdInput = new QLineEdit(m_pwdBG);
    m_pwdInput->setFrame(false);
    m_pwdInput->setAttribute(Qt::WA_MacShowFocusRect, false);
    qxkit::setPasswordEntry(m_pwdInput);
    QPalette palette = m_pwdInput->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    m_pwdInput->setPalette(palette);
    auto *pwdLayout = new QHBoxLayout(m_pwdBG);
    pwdLayout->setContentsMargins(8, 0, 8, 0);
    pwdLayout->addWidget(m_pwdInput);
    m_pwdTxt->setBuddy(m_pwdInput);
    m_pwdInput->setAccessibleName(m_pwdTxt->text());
    connect(m_pwdInput, &QLineEdit::textChanged, this, &ConnectServerItem::controlTextDidChange);

    m_connectBtn = new QXButton(this);
    qxkit::setInternationalKey(m_connectBtn, QStringLiteral("ov_device_conn_net"));
    m_connectBtn->setFixedHeight(rowHeight);
    m_connectBtn->setEnabled(false);
    connect(m_connectBtn, &QPushButton::clicked, this, &ConnectServerItem::connectAction);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(12);
    layout->addWidget(m_serverTxt, 0, 0);
    layout->addWidget(m_serverBox, 0, 1);
    layout->addWidget(m_wifiTxt, 1, 0);
    layout->addWidget(m_wifiBox, 1, 1);
    layout->addWidget(m_pwdTxt, 2, 0);
    layout->addWidget(m_pwdBG, 2, 1);
    layout->addWidget(m_connectBtn, 3, 1);
    layout->setColumnStretch(1, 1);

    setTabOrder(m_serverBox, m_wifiBox);
    setTabOrder(m_wifiBox, m_pwdInput);
    setTabOrder(m_pwdInput, m_connectBtn);
}

bool ConnectServerItem::serverChoiceSupported() const
{
    const QXDeviceStatus status = currentDeviceStatus();
    return status.version().coreVersion1() >= firstServerChoiceCoreVersion
        && (status.functionSet() & QXDeviceFunction::serverIndex) != 0;
}

void ConnectServerItem::refreshServer()
{
    if (serverChoiceSupported())
        m_serverBox->setStringOfIndex(quint64(currentDeviceStatus().serverIndex()));
}

std::optional<QStringList> ConnectServerItem::contentForCombleBox(ComboBoxView *comboBox)
{
    if (comboBox == m_serverBox) {
        const QStringList servers = QXDeviceStatus::serverList();
        if (serverChoiceSupported() || servers.isEmpty())
            return servers;
        return QStringList{servers.first()};
    }
    // Every opening of the list scans again, so networks that came into range show up.
    Utils *utils = Utils::shareInstance();
    utils->getWifiList();
    QStringList names;
    for (const WifiInfo &wifi : utils->wifiList())
        names.append(wifi.wifiName());
    return names;
}

void ConnectServerItem::comboBox(ComboBoxView *comboBox, qint64, const QString &value)
{
    if (comboBox != m_wifiBox)
        return;
    const QString remembered = connectManager().pwdOfWifi(value);
    if (!remembered.isEmpty())
        m_pwdInput->setText(remembered);
    updateConnectButton();
}

void ConnectServerItem::controlTextDidChange()
{
    updateConnectButton();
}

void ConnectServerItem::updateConnectButton()
{
    m_connectBtn->setEnabled(!m_wifiBox->selectString().isEmpty() && !m_pwdInput->text().isEmpty());
}

void ConnectServerItem::connectAction()
{
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    if (socket->isDisconnected()) {
        Utils::shareInstance()->showDialogWithType(Utils::DialogType::info,
                                                   qxLocalized(QStringLiteral("ov_conn_fail_tip")), nullptr);
        return;
    }
    if (socket->currentIns() != -1)
        return;
    const QPointer<ConnectServerItem> guard(this);
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::ensure,
                                               qxLocalized(QStringLiteral("ov_ap2sta_tip")),
                                               [guard](int click) {
                                                   if (guard)
                                                       guard->confirmMove(click);
                                               });
}

void ConnectServerItem::confirmMove(int click)
{
    if (click != Utils::clickOK)
        return;
    const QPointer<ConnectServerItem> guard(this);
    auto joinOnGuiThread = [guard] {
        qxOnGuiThread(guard, [](ConnectServerItem &item) {
            item.moveToWifi(item.m_wifiBox->selectString(), item.m_pwdInput->text());
        });
    };
    const qint64 index = m_serverBox->selectedIndex();
    if (!serverChoiceSupported() || index < 0) {
        joinOnGuiThread();
        return;
    }
    const std::shared_ptr<QXDevice> record = currentDevice();
    insSocket()->sendInsWithType(
        QXInsCode::serverIndex, qint16(index),
        [record, index, joinOnGuiThread](const QXOperationRef &, qint64, const QVariant &) {
            if (record)
                record->editStatus([index](QXDeviceStatus &status) { status.setServerIndex(index); });
            joinOnGuiThread();
        },
        [](const QXOperationRef &, qint64, const QVariant &) { printError(); });
}

void ConnectServerItem::moveToWifi(const QString &wifiName, const QString &pwd)
{
    // The socket, record and manager are taken now: the outcome must not reach them through an
    // item that may be gone by then.
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const std::shared_ptr<QXDevice> record = currentDevice();
    QXConnectManager *manager = &connectManager();
    const std::weak_ptr<QXInsSocket> weakSocket = socket;
    socket->ap2Sta(
        wifiName, pwd,
        [manager, record, weakSocket, wifiName, pwd](const QXOperationRef &, qint64, const QVariant &) {
            manager->addWifi(wifiName, pwd);
            if (record)
                record->setMode(QXConnectManager::verifiedMode);
            if (const std::shared_ptr<QXInsSocket> socket = weakSocket.lock())
                socket->disconnectWtihBlock([](qint64, const QVariant &) {});
            Utils::showInfoLater(qxLocalized("ov_ap2stp_success"));
        },
        [](const QXOperationRef &, qint64, const QVariant &) { printError(); });
}
