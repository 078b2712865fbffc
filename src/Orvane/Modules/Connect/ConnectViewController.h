#pragma once

#include "ComboBoxView.h"
#include "Core/BaseViewController.h"
#include "QXConnect.h"
#include "QXUdpSocket.h"

#include <QList>
#include <QPointer>
#include <QVariantMap>

#include <memory>

class ConnecgViewControllerDelegate;
class DeviceIntroView;
class DeviceModeSelectView;
class NetworkingDevice;
class QLabel;
class QProgressBar;
class QPushButton;

// The first screen of the main window: the operator chooses how the computer reaches the fan,
// then connects.
// - Hotspot (AP): the computer is on the fan's own Wi-Fi, whose name names the fan; a plain
//   connection (device mode 11).
// - Router network (STA): the screen searches the network, the operator picks a fan, and the
//   connection is checked with the fan's password (device mode 12), asked for once and then
//   stored under the fan's name.
// The outcome goes to connectDelegate (the home screen). A language picked in the language box
// is announced by languageChosen; the main window switches to it and rebuilds the home screen.
//
// Threads: everything runs on the GUI thread. Socket and discovery outcomes are moved there
// before they touch the screen, and are dropped once the screen is gone.
class ConnectViewController : public BaseViewController, public ComboboxDelegate, public QXConnect
{
    Q_OBJECT
public:
    explicit ConnectViewController(QWidget *parent = nullptr);
    ~ConnectViewController() override;

    // Held weakly when the delegate is a QObject (the home screen).
    ConnecgViewControllerDelegate *connectDelegate() const;
    void setConnectDelegate(ConnecgViewControllerDelegate *delegate);

    bool IsApMode() const { return m_isApMode; }
    bool connecting() const { return m_connecting; }
    bool IsReadyForNetworkConnect() const { return m_isReadyForNetworkConnect; }
    std::shared_ptr<NetworkingDevice> selectedDevice() const { return m_selectedDevice; }
    QList<std::shared_ptr<NetworkingDevice>> deviceList() const { return m_deviceList; }
    void setDeviceList(const QList<std::shared_ptr<NetworkingDevice>> &devices) { m_deviceList = devices; }
    // The language box's items: {"name": shown name, "type": language type number}.
    QList<QVariantMap> languageList();

    ComboBoxView *searchComboBoxView() const { return m_searchComboBoxView; }
    ComboBoxView *languageBox() const { return m_languageBox; }
    DeviceModeSelectView *modeSelectView() const { return m_modeSelectView; }
    DeviceIntroView *introView() const { return m_introView; }
    QPushButton *btnSearchDevice() const { return m_btnSearchDevice; }
    QPushButton *btnConnectDevice() const { return m_btnConnectDevice; }
    QPushButton *btnErrorSearch() const { return m_btnErrorSearch; }
    QPushButton *btnBack() const { return m_btnBack; }
    QLabel *labelDeviceList() const { return m_labelDeviceList; }
    QLabel *labelInfo() const { return m_labelInfo; }
    QProgressBar *circleProgress() const { return m_circleProgress; }
    QProgressBar *circleProgress2() const { return m_circleProgress2; }

    // The views of the screen.
    void changeToModeSelectView();
    void changeToLocalView();
    void changeToSearchView();
    void changeToIntrolView();

    void beginConnectView();
    void endConnectView();

    // Selects the device at the index of the list for a router-network connection.
    void actionForSelectWithIndex(qint64 index);

    // ComboboxDelegate
    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;
    void comboBox(ComboBoxView *comboBox, qint64 index, const QString &value) override;

signals:
    // The operator picked the language of the type (a type number of languageList()).
    void languageChosen(int type);

public slots:
    void clickToSearchDevice();
    // Nothing while a connection runs or the instruction socket is busy.
    void clickToConnectDevice();
    void clickTobackSearchView();
    void clickToErrorSearch();

protected:
    void viewDidLoad() override;
    void initData() override;
    void initUI() override;
    void showEvent(QShowEvent *event) override;

private:
    void buildUI();
    void viewWillAppear();
    void hideUnsupportViews();
    // Shows the device panel and gives the control the keyboard focus, when the mode choice had it.
    void openConnectPanel(QWidget *firstControl);
    void showConnectPanelIfNeeded();
    // Whether the search started: one is refused while another runs, on this screen or any other.
    bool UPnPDiscovery();
    void stopSearchAnimation();
    // Lists what a search found; a search that could not run leaves the list empty and says so, and
    // one refused while another runs leaves the list as it was and asks to wait.
    void setDevicesFromResults(const QList<std::shared_ptr<NetworkingDevice>> &devices,
                               QXUdpSocket::Outcome outcome);
    void connectAtApMode();
    void connectAtStaMode();
    // Continues a router-network connection once the instruction socket is down.
    void connectSelectedDevice(const std::shared_ptr<NetworkingDevice> &device);
    void changeToSTAMode(const QString &password, bool canEnsure);
    void ensurePwdDialogIsFromValidationFailed(bool failed);
    void pwdAction();
    void cancleAction();
    void showInfo(const char *key);
    void notifyDelegateConnectSucceeded(bool succeeded, int mode);
    void goToPlaylist();

    ConnecgViewControllerDelegate *m_connectDelegate = nullptr;
    QPointer<QObject> m_connectDelegateObject;
    bool m_connectDelegateIsObject = false;
    bool m_isApMode = true;
    bool m_connecting = false;
    bool m_isReadyForNetworkConnect = false;
    // Whether the password dialog being shown was answered through one of its actions.
    bool m_passwordAnswered = false;
    // The connect button had the keyboard focus when it started the connection now running.
    bool m_connectHadFocus = false;
    std::shared_ptr<NetworkingDevice> m_selectedDevice;
    // The device of the router-network connection under way.
    std::shared_ptr<NetworkingDevice> m_connectingDevice;
    QList<std::shared_ptr<NetworkingDevice>> m_deviceList;
    QList<QVariantMap> m_languageList;

    ComboBoxView *m_searchComboBoxView = nullptr;
    ComboBoxView *m_languageBox = nullptr;
    DeviceModeSelectView *m_modeSelectView = nullptr;
    DeviceIntroView *m_introView = nullptr;
    QWidget *m_connectPanel = nullptr;
    QPushButton *m_btnSearchDevice = nullptr;
    QPushButton *m_btnConnectDevice = nullptr;
    QPushButton *m_btnErrorSearch = nullptr;
    QPushButton *m_btnBack = nullptr;
    QLabel *m_labelDeviceList = nullptr;
    QLabel *m_labelInfo = nullptr;
    QProgressBar *m_circleProgress = nullptr;
    QProgressBar *m_circleProgress2 = nullptr;
};
