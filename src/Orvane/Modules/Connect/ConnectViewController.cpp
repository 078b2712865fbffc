#include "ConnectViewController.h"

#include "AccessibleFocus.h"
#include "Core/ConnecgViewControllerDelegate.h"
#include "Core/ContentChildDelegate.h"
#include "Core/Dialog/DialogWindowController.h"
#include "Core/Language.h"
#include "Core/SearchedDevices.h"
#include "Core/Utils.h"
#include "DeviceIntroView.h"
#include "DeviceModeSelectView.h"
#include "NetworkingDevice.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXUdpSocket.h"
#include "QXView.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QVBoxLayout>

#include <utility>

extern const char orvaneVersion[];

namespace {

constexpr double searchSeconds = 5.0;
constexpr qsizetype minimumPasswordLength = 8;
constexpr int controlHeight = 34;
constexpr int listWidth = 320;

// The language box's entries, in the order shown: each language's own name and its type number.
struct LanguageEntry
{
    const char *name;
    int type;
};
const LanguageEntry languageEntries[] = {
    {"简体中文", 10}, {"繁體中文", 11}, {"English", 1},     {"日本語", 3},    {"Deutsch", 4},
    {"русский", 6},   {"Le français", 8}, {"Português", 9}, {"Espanol", 7}, {"العربية", 2},
};

QProgressBar *spinner()
{
    auto *bar = new QProgressBar;
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedSize(120, 6);
    bar->hide();
    return bar;
}

// A button and the busy bar that stands in for it while its work runs share one place, as big
// as the larger of the two, so nothing around them moves when they swap.
QWidget *sharedSlot(QWidget *button, QWidget *busy, Qt::Alignment alignment)
{
    auto *slot = new QWidget;
    auto *grid = new QGridLayout(slot);
    grid->setContentsMargins(0, 0, 0, 0);
    for (QWidget *occupant : {button, busy}) {
        QSizePolicy policy = occupant->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        occupant->setSizePolicy(policy);
        grid->addWidget(occupant, 0, 0, alignment);
    }
    return slot;
}

void setSpinning(QProgressBar *bar, bool spinning)
{
    // A busy bar animates only while visible; hiding it stops it.
    bar->setVisible(spinning);
}

bool holdsFocus(const QWidget *area)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == area || area->isAncestorOf(focus));
}

void giveRecordTheDevice(QXDevice &record, const NetworkingDevice &device)
{
    record.updateSocketConfigs({{QStringLiteral("IP"), device.ip()}});
    record.updateTranslateConfig(
        {{QStringLiteral("resolution"), device.resolution()}, {QStringLiteral("rate"), device.rate()}});
}

// The bookkeeping of a connection's outcome: it concerns the connection manager and the device
// record only, so it runs on the socket's thread and happens even when the screen is gone.
void recordApConnection(const QString &wifiName)
{
    const std::shared_ptr<QXDevice> record = QXConnect::connectManager().device();
    record->setMode(QXConnectManager::plainMode);
    record->setWifiName(wifiName);
}

void recordStaConnection(const NetworkingDevice &device, const QString &password)
{
    QXConnectManager &manager = QXConnect::connectManager();
    const QString name = device.name();
    manager.addDevice(name, password);
    manager.configDeviceWithWifiName(name);
    manager.setCurrentDeviceName(name);
    const std::shared_ptr<QXDevice> record = manager.device();
    giveRecordTheDevice(*record, device);
    manager.configSocket();
    record->setMode(QXConnectManager::verifiedMode);
    record->setWifiName(name);
}

void recordStaFailure(const NetworkingDevice &device)
{
    QXLOG(QStringLiteral("切换到STA失败:%1").arg(quintptr(QThread::currentThread()), 0, 16));
    QXConnectManager &manager = QXConnect::connectManager();
    manager.device()->setMode(QXConnectManager::plainMode);
    manager.setCurrentDeviceName(device.name());
}

bool asksForPasswordAgain(qint64 code, bool canEnsure)
{
    // Only a refused stored password: the device's password changed, so ask for the new one.
    return code == QXSocketCode::checkFailed && canEnsure;
}

} // namespace

ConnectViewController::ConnectViewController(QWidget *parent)
    : BaseViewController(parent)
{
    buildUI();
}

ConnectViewController::~ConnectViewController() = default;

ConnecgViewControllerDelegate *ConnectViewController::connectDelegate() const
{
    // Whether the delegate is a QObject was settled when it was set: the pointer may be dead by now.
    return m_connectDelegateIsObject && m_connectDelegateObject.isNull() ? nullptr : m_connectDelegate;
}

void ConnectViewController::setConnectDelegate(ConnecgViewControllerDelegate *delegate)
{
    m_connectDelegate = delegate;
    m_connectDelegateObject = dynamic_cast<QObject *>(delegate);
    m_connectDelegateIsObject = m_connectDelegateObject != nullptr;
}

QList<QVariantMap> ConnectViewController::languageList()
{
    if (m_languageList.isEmpty()) {
        for (const LanguageEntry &entry : languageEntries) {
            m_languageList.append({{QStringLiteral("name"), QString::fromUtf8(entry.name)},
                                   {QStringLiteral("type"), entry.type}});
        }
    }
    return m_languageList;
}

void ConnectViewController::buildUI()
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);

    m_btnBack = new QPushButton(this);
    m_btnBack->setFlat(true);
    m_languageBox = new ComboBoxView(this);
    m_languageBox->setFixedSize(170, controlHeight);
    m_languageBox->setAccessibleName(qxLocalized("ov_a11y_language"));

    m_modeSelectView = new DeviceModeSelectView(this);
    m_introView = new DeviceIntroView(this);
    m_introView->setMaximumWidth(640);

    m_labelDeviceList = qxkit::label({}, Qt::white);
    m_searchComboBoxView = new ComboBoxView(this);
    m_searchComboBoxView->setFixedSize(listWidth, controlHeight);
    m_labelDeviceList->setBuddy(m_searchComboBoxView);
    m_btnSearchDevice = new QXButton(this);
    m_btnSearchDevice->setFixedHeight(controlHeight);
    m_circleProgress = spinner();
    m_btnConnectDevice = new QXButton(this);
    m_btnConnectDevice->setFixedSize(listWidth, controlHeight + 6);
    m_circleProgress2 = spinner();
    m_btnErrorSearch = new QPushButton(this);
    m_btnErrorSearch->setFlat(true);
    m_labelInfo = qxkit::label(QStringLiteral("Orvane %1").arg(QString::fromLatin1(orvaneVersion)),
                               qxkit::globalTextColor());
    m_labelInfo->setAlignment(Qt::AlignCenter);

    connect(m_btnSearchDevice, &QPushButton::clicked, this, &ConnectViewController::clickToSearchDevice);
    connect(m_btnConnectDevice, &QPushButton::clicked, this, &ConnectViewController::clickToConnectDevice);
    connect(m_btnBack, &QPushButton::clicked, this, &ConnectViewController::clickTobackSearchView);
    connect(m_btnErrorSearch, &QPushButton::clicked, this, &ConnectViewController::clickToErrorSearch);

    auto *topBar = new QHBoxLayout;
    topBar->addWidget(m_btnBack);
    topBar->addStretch();
    topBar->addWidget(m_languageBox);

    // The device list and the connect button share one panel, in the middle of the screen,
    // shown whenever neither the mode choice nor the help is.
    m_connectPanel = new QWidget(this);
    auto *searchRow = new QHBoxLayout;
    searchRow->addStretch();
    searchRow->addWidget(m_searchComboBoxView);
    searchRow->addWidget(sharedSlot(m_btnSearchDevice, m_circleProgress, Qt::AlignLeft | Qt::AlignVCenter));
    searchRow->addStretch();
    auto *panel = new QVBoxLayout(m_connectPanel);
    panel->setSpacing(12);
    panel->addStretch(1);
    panel->addWidget(m_labelDeviceList, 0, Qt::AlignHCenter);
    panel->addLayout(searchRow);
    panel->addSpacing(24);
    panel->addWidget(sharedSlot(m_btnConnectDevice, m_circleProgress2, Qt::AlignCenter), 0, Qt::AlignHCenter);
    // The way out after a failed search keeps its room, so its appearance moves nothing.
    QSizePolicy errorPolicy = m_btnErrorSearch->sizePolicy();
    errorPolicy.setRetainSizeWhenHidden(true);
    m_btnErrorSearch->setSizePolicy(errorPolicy);
    panel->addWidget(m_btnErrorSearch, 0, Qt::AlignHCenter);
    panel->addStretch(2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->setSpacing(16);
    layout->addLayout(topBar);
    layout->addWidget(m_modeSelectView, 1);
    layout->addWidget(m_introView, 1, Qt::AlignHCenter);
    layout->addWidget(m_connectPanel, 1);
    layout->addWidget(m_labelInfo);

    // The screen opens on the mode choice. Hidden from the start, the help and the device panel
    // never count towards the window's first size, which would otherwise keep their room.
    m_introView->hide();
    m_connectPanel->hide();

    setTabOrder(m_languageBox, m_searchComboBoxView);
    setTabOrder(m_searchComboBoxView, m_btnSearchDevice);
    setTabOrder(m_btnSearchDevice, m_btnConnectDevice);
    setTabOrder(m_btnConnectDevice, m_btnBack);
}

void ConnectViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    QXLOG(QStringLiteral("ConnectViewController 初始化"));
    m_languageBox->setShowFull(true);
    m_languageBox->setDelegate(this);
    const int current = orvane::language::currentLanguage();
    const QList<QVariantMap> languages = languageList();
    for (qsizetype i = 0; i < languages.size(); ++i) {
        if (languages.at(i).value(QStringLiteral("type")).toInt() == current)
            m_languageBox->setStringOfIndex(quint64(i));
    }
    QXLOG(QStringLiteral("ConnectViewController Set Language"));

    QPointer<ConnectViewController> self(this);
    m_modeSelectView->setBtnAction([self](int code) {
        if (!self)
            return;
        switch (code) {
        case DeviceModeSelectView::helpAction:
        case DeviceModeSelectView::forgetAction:
            self->changeToIntrolView();
            break;
        case DeviceModeSelectView::localAction:
            self->changeToLocalView();
            break;
        case DeviceModeSelectView::netAction:
            self->changeToSearchView();
            break;
        default:
            break;
        }
    });
}

void ConnectViewController::initData()
{
    BaseViewController::initData();
    m_searchComboBoxView->setDelegate(this);
    // The list starts with what the last search found, kept from the last run.
    m_deviceList = orvane::devicesFrom(QXUdpSocket::shared().results());
}

void ConnectViewController::initUI()
{
    qxkit::setInternationalKey(m_labelDeviceList, QStringLiteral("ov_sta_device_list"));
    qxkit::setInternationalKey(m_btnBack, QStringLiteral("ov_back"));
    qxkit::setInternationalKey(m_btnConnectDevice, QStringLiteral("ov_connect_device"));
    qxkit::setInternationalKey(m_btnSearchDevice, QStringLiteral("ov_search"));
    qxkit::setInternationalKey(m_btnErrorSearch, QStringLiteral("ov_err_check"));
    m_searchComboBoxView->setAccessibleName(m_labelDeviceList->text());
    m_circleProgress->setAccessibleName(m_btnSearchDevice->text());
    m_circleProgress2->setAccessibleName(m_btnConnectDevice->text());
}

void ConnectViewController::showEvent(QShowEvent *event)
{
    BaseViewController::showEvent(event);
    if (!event->spontaneous())
        viewWillAppear();
}

void ConnectViewController::viewWillAppear()
{
    m_isReadyForNetworkConnect = false;
    hideUnsupportViews();
    for (QPushButton *button : {m_btnSearchDevice, m_btnConnectDevice, m_btnErrorSearch, m_btnBack})
        Utils::setButton(button, qxkit::globalTextColor(), std::nullopt);
    changeToModeSelectView();
}

void ConnectViewController::hideUnsupportViews()
{
    m_btnErrorSearch->hide();
}

void ConnectViewController::changeToModeSelectView()
{
    const bool handOver = holdsFocus(m_connectPanel) || holdsFocus(m_introView) || holdsFocus(m_btnBack);
    endConnectView();
    m_modeSelectView->show();
    if (handOver)
        m_modeSelectView->localBtn()->setFocus(Qt::OtherFocusReason);
    for (QWidget *widget : {static_cast<QWidget *>(m_introView), static_cast<QWidget *>(m_btnConnectDevice),
                            static_cast<QWidget *>(m_btnBack), static_cast<QWidget *>(m_btnSearchDevice),
                            static_cast<QWidget *>(m_searchComboBoxView), static_cast<QWidget *>(m_labelDeviceList),
                            static_cast<QWidget *>(m_btnErrorSearch)})
        widget->hide();
    setSpinning(m_circleProgress, false);
    m_isApMode = true;
    m_searchComboBoxView->clearSelectedValue();
    m_isReadyForNetworkConnect = false;
    showConnectPanelIfNeeded();
}

void ConnectViewController::changeToLocalView()
{
    m_btnBack->show();
    m_btnConnectDevice->show();
    openConnectPanel(m_btnConnectDevice);
    for (QWidget *widget : {static_cast<QWidget *>(m_modeSelectView), static_cast<QWidget *>(m_btnSearchDevice),
                            static_cast<QWidget *>(m_searchComboBoxView), static_cast<QWidget *>(m_labelDeviceList),
                            static_cast<QWidget *>(m_btnErrorSearch)})
        widget->hide();
    setSpinning(m_circleProgress, false);
    m_isApMode = true;
    showConnectPanelIfNeeded();
}

void ConnectViewController::changeToSearchView()
{
    for (QWidget *widget : {static_cast<QWidget *>(m_btnBack), static_cast<QWidget *>(m_btnSearchDevice),
                            static_cast<QWidget *>(m_searchComboBoxView), static_cast<QWidget *>(m_labelDeviceList),
                            static_cast<QWidget *>(m_btnConnectDevice)})
        widget->show();
    m_btnErrorSearch->hide();
    setSpinning(m_circleProgress, false);
    m_isApMode = false;
    if (!m_deviceList.isEmpty() && !m_isReadyForNetworkConnect) {
        m_searchComboBoxView->setStringOfIndex(0);
        actionForSelectWithIndex(0);
    }
    openConnectPanel(m_deviceList.isEmpty() ? static_cast<QWidget *>(m_btnSearchDevice) : m_searchComboBoxView);
    m_modeSelectView->hide();
    showConnectPanelIfNeeded();
}

void ConnectViewController::changeToIntrolView()
{
    m_introView->show();
    m_btnBack->show();
    if (holdsFocus(m_modeSelectView))
        m_btnBack->setFocus(Qt::OtherFocusReason);
    m_modeSelectView->hide();
    m_btnConnectDevice->hide();
    showConnectPanelIfNeeded();
}

void ConnectViewController::openConnectPanel(QWidget *firstControl)
{
    // The focus moves into the view before the choice that opened it is hidden, so it never falls
    // back to the menu on the way.
    if (!holdsFocus(m_modeSelectView))
        return;
    m_connectPanel->show();
    firstControl->setFocus(Qt::OtherFocusReason);
}

void ConnectViewController::showConnectPanelIfNeeded()
{
    m_connectPanel->setVisible(m_modeSelectView->isHidden() && m_introView->isHidden());
}

void ConnectViewController::beginConnectView()
{
    m_connectHadFocus = m_btnConnectDevice->window()->focusWidget() == m_btnConnectDevice;
    m_btnConnectDevice->hide();
    setSpinning(m_circleProgress2, true);
}

void ConnectViewController::endConnectView()
{
    m_btnConnectDevice->show();
    // The keyboard goes back to the button that started the connection, also when a dialog of
    // the connection is still open: it is there once the dialogs have gone.
    if (std::exchange(m_connectHadFocus, false))
        m_btnConnectDevice->setFocus(Qt::OtherFocusReason);
    setSpinning(m_circleProgress2, false);
    m_connecting = false;
}

void ConnectViewController::clickTobackSearchView()
{
    changeToModeSelectView();
}

void ConnectViewController::clickToErrorSearch()
{
}

void ConnectViewController::actionForSelectWithIndex(qint64 index)
{
    if (index < 0 || index >= m_deviceList.size())
        return;
    m_selectedDevice = m_deviceList.at(index);
    QXLOG(QStringLiteral("CurrentWifi:%1").arg(m_selectedDevice->name()));
    m_isApMode = false;
    m_isReadyForNetworkConnect = true;
}

std::optional<QStringList> ConnectViewController::contentForCombleBox(ComboBoxView *comboBox)
{
    QStringList names;
    if (comboBox == m_languageBox) {
        for (const QVariantMap &item : languageList())
            names.append(item.value(QStringLiteral("name")).toString());
    } else {
        for (const std::shared_ptr<NetworkingDevice> &device : std::as_const(m_deviceList))
            names.append(device->name());
    }
    return names;
}

void ConnectViewController::comboBox(ComboBoxView *comboBox, qint64 index, const QString &)
{
    if (comboBox == m_searchComboBoxView) {
        actionForSelectWithIndex(index);
        return;
    }
    if (comboBox != m_languageBox || index < 0 || index >= languageList().size())
        return;
    const int type = languageList().at(index).value(QStringLiteral("type")).toInt();
    emit languageChosen(type);
}

// --- Search ---

void ConnectViewController::clickToSearchDevice()
{
    // A search refused while another runs leaves the list, its choice and the focus as they were.
    if (!UPnPDiscovery())
        return;
    m_searchComboBoxView->clearSelectedValue();
    m_searchComboBoxView->setPlaceholderText(QString());
    m_isReadyForNetworkConnect = false;
    // The busy bar holds the button's focus while the search runs, heard as the search going on.
    qxkit::replaceKeepingFocus(m_btnSearchDevice, m_circleProgress);
}

bool ConnectViewController::UPnPDiscovery()
{
    const QPointer<ConnectViewController> guard(this);
    const QXUdpSocket::SearchId search = QXUdpSocket::shared().searchDevicesWithDuration(
        searchSeconds, [guard](const QXSearchResults &results, QXUdpSocket::Outcome outcome) {
            qxOnGuiThread(guard, [devices = orvane::devicesFrom(results), outcome](ConnectViewController &self) {
                self.setDevicesFromResults(devices, outcome);
            });
        });
    return search != QXUdpSocket::noSearch;
}

void ConnectViewController::setDevicesFromResults(const QList<std::shared_ptr<NetworkingDevice>> &devices,
                                                  QXUdpSocket::Outcome outcome)
{
    if (outcome == QXUdpSocket::Outcome::Refused) {
        showInfo("ov_wait_for_search");
        return;
    }
    const bool searchFailed = outcome == QXUdpSocket::Outcome::Failed;
    m_deviceList = devices;
    m_searchComboBoxView->setStringOfIndex(0);
    if (m_deviceList.isEmpty()) {
        // An emptied list must not keep showing a device that can no longer be chosen. A search
        // that could not run is no sign that there is no fan: the box then claims nothing.
        m_searchComboBoxView->clearSelectedValue();
        m_searchComboBoxView->setPlaceholderText(searchFailed ? QString()
                                                              : qxLocalized(QStringLiteral("ov_no_device_found")));
    } else {
        actionForSelectWithIndex(0);
    }
    // The outcome is heard on the device box, which takes the focus from the busy bar: the first
    // device, or that there is none.
    if (m_circleProgress->hasFocus())
        m_searchComboBoxView->setFocus(Qt::OtherFocusReason);
    stopSearchAnimation();
    if (searchFailed)
        showInfo("ov_search_failed");
}

void ConnectViewController::stopSearchAnimation()
{
    setSpinning(m_circleProgress, false);
    if (m_searchComboBoxView->isVisible())
        m_btnSearchDevice->show();
}

// --- Connect ---

void ConnectViewController::clickToConnectDevice()
{
    if (m_connecting || insSocket()->currentIns() != -1)
        return;
    m_connecting = true;
    beginConnectView();
    if (m_isApMode)
        connectAtApMode();
    else
        connectAtStaMode();
}

void ConnectViewController::connectAtApMode()
{
    const QString wifiName = utils()->getWifiName().value_or(QString());
    QXConnectManager &manager = connectManager();
    manager.configDeviceWithWifiName(wifiName);
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    if (socket->isConnected()) {
        endConnectView();
        goToPlaylist();
        return;
    }
    manager.device()->setTargetMode(QXConnectManager::plainMode);
    socket->setShouldVerify(false);
    socket->setVerifyData(QByteArray());
    const QPointer<ConnectViewController> guard(this);
    socket->connectedWithSuccess(
        [guard, wifiName](const QXOperationRef &, qint64, const QVariant &) {
            recordApConnection(wifiName);
            qxOnGuiThread(guard, [](ConnectViewController &self) {
                QXLOG(QStringLiteral("连接成功"));
                self.endConnectView();
                self.notifyDelegateConnectSucceeded(true, QXConnectManager::plainMode);
            });
        },
        [guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [](ConnectViewController &self) {
                self.notifyDelegateConnectSucceeded(false, QXConnectManager::plainMode);
                self.endConnectView();
                self.showInfo("ov_conn_fail_tip");
            });
        });
}

void ConnectViewController::connectAtStaMode()
{
    if (!m_isReadyForNetworkConnect || !m_selectedDevice) {
        endConnectView();
        showInfo("ov_not_selected_device");
        return;
    }
    // The connection stays with this device even if a search replaces the selection meanwhile.
    m_connectingDevice = m_selectedDevice;
    const std::shared_ptr<NetworkingDevice> device = m_connectingDevice;
    connectManager().configDeviceWithWifiName(device->name());
    const QPointer<ConnectViewController> guard(this);
    insSocket()->disconnectWtihBlock([guard, device](qint64, const QVariant &) {
        qxOnGuiThread(guard, [device](ConnectViewController &self) { self.connectSelectedDevice(device); });
    });
}

void ConnectViewController::connectSelectedDevice(const std::shared_ptr<NetworkingDevice> &device)
{
    QXConnectManager &manager = connectManager();
    giveRecordTheDevice(*manager.device(), *device);
    const QString password = manager.pwdOfDevice(device->name());
    // The stored password itself never reaches the log, only whether there is one.
    QXLOG(QStringLiteral("FindPassword:%1, for wifi:%2")
              .arg(password.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("(stored)"), device->name()));
    if (!password.isEmpty())
        changeToSTAMode(password, true);
    else
        ensurePwdDialogIsFromValidationFailed(false);
}

void ConnectViewController::changeToSTAMode(const QString &password, bool canEnsure)
{
    if (password.size() < minimumPasswordLength) {
        endConnectView();
        showInfo("ov_psd_wrong");
        return;
    }
    const std::shared_ptr<NetworkingDevice> device = m_connectingDevice;
    const std::shared_ptr<QXDevice> record = connectManager().device();
    record->setWifiPwd(password);
    record->setTargetMode(QXConnectManager::verifiedMode);
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    socket->setShouldVerify(true);
    socket->setVerifyData(password.toUtf8());
    const QPointer<ConnectViewController> guard(this);
    socket->connectedWithSuccess(
        [guard, device, password](const QXOperationRef &, qint64, const QVariant &) {
            recordStaConnection(*device, password);
            qxOnGuiThread(guard, [](ConnectViewController &self) {
                QXLOG(QStringLiteral("切换到STA成功"));
                self.endConnectView();
                self.notifyDelegateConnectSucceeded(true, QXConnectManager::verifiedMode);
            });
        },
        [guard, device, canEnsure](const QXOperationRef &, qint64 code, const QVariant &) {
            if (asksForPasswordAgain(code, canEnsure)) {
                qxOnGuiThread(guard,
                              [](ConnectViewController &self) { self.ensurePwdDialogIsFromValidationFailed(true); });
                return;
            }
            recordStaFailure(*device);
            qxOnGuiThread(guard, [](ConnectViewController &self) {
                self.notifyDelegateConnectSucceeded(false, QXConnectManager::verifiedMode);
                self.endConnectView();
                self.showInfo("ov_conn_fail_tip");
            });
        });
}

void ConnectViewController::ensurePwdDialogIsFromValidationFailed(bool failed)
{
    const bool forgotten = failed && connectManager().device()->is4G();
    const QString message =
        qxLocalized(forgotten ? QStringLiteral("ov_forget_password_hint") : QStringLiteral("ov_psd"));
    m_passwordAnswered = false;
    utils()->showDialogWithType(
        Utils::DialogType::input, message, this, [this] { pwdAction(); }, [this] { cancleAction(); });
    // A dialog that could not be shown, or went away without either action, counts as cancelled:
    // the screen must not stay connecting for a password nobody will type.
    if (!m_passwordAnswered)
        cancleAction();
}

void ConnectViewController::pwdAction()
{
    m_passwordAnswered = true;
    DialogWindowController *dialog = utils()->dialogWC();
    const QString typed = dialog ? dialog->getInput() : QString();
    changeToSTAMode(typed, false);
    utils()->clickToOK();
}

void ConnectViewController::cancleAction()
{
    m_passwordAnswered = true;
    m_connecting = false;
    insSocket()->disconnectWtihBlock(nullptr);
    endConnectView();
    utils()->clickToCancel();
}

void ConnectViewController::showInfo(const char *key)
{
    utils()->showDialogWithType(Utils::DialogType::info, qxLocalized(key), nullptr);
}

void ConnectViewController::notifyDelegateConnectSucceeded(bool succeeded, int mode)
{
    ConnecgViewControllerDelegate *delegate = connectDelegate();
    if (!delegate)
        return;
    if (succeeded)
        delegate->connectViewControllerSucceededConnectAtMode(this, mode);
    else
        delegate->connectViewControllerFailedConnectAtMode(this, mode);
}

void ConnectViewController::goToPlaylist()
{
    if (auto *home = dynamic_cast<ContentChildDelegate *>(connectDelegate()))
        home->childVC(this, ContentChildDelegate::playlistType);
}
