#pragma once

#include "ComboBoxView.h"
#include "FunctionConfigItem.h"

class QLabel;
class QLineEdit;
class QXButton;

// The settings editor that moves the connected fan off its own hotspot onto a Wi-Fi network the
// operator picks, after choosing the cloud server the fan will use when the fan supports the
// choice. The move is the server instruction (only when supported), then the Wi-Fi join; on
// success the network is remembered, the device record turns to the password-verified mode and
// the instruction socket is closed, since the fan leaves the hotspot.
//
// Works on the socket and record of the item's device (the default ones when it has none).
// Outcomes that touch the item come back to the GUI thread and are dropped once the item is gone.
class ConnectServerItem : public FunctionConfigItem, public ComboboxDelegate
{
    Q_OBJECT
public:
    explicit ConnectServerItem(QWidget *parent = nullptr);
    ~ConnectServerItem() override;

    QLabel *serverTxt() const { return m_serverTxt; }
    ComboBoxView *serverBox() const { return m_serverBox; }
    QLabel *wifiTxt() const { return m_wifiTxt; }
    ComboBoxView *wifiBox() const { return m_wifiBox; }
    QLabel *pwdTxt() const { return m_pwdTxt; }
    QWidget *pwdBG() const { return m_pwdBG; }
    QLineEdit *pwdInput() const { return m_pwdInput; }
    QXButton *connectBtn() const { return m_connectBtn; }

    // Shows the fan's current server when it supports the choice.
    void refreshServer();
    // Whether the fan lets the operator choose its cloud server: core firmware x.15 or later and
    // the status carried a server index.
    bool serverChoiceSupported() const;

    // ComboboxDelegate: the server list for serverBox, the networks in range for the Wi-Fi box.
    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;
    void comboBox(ComboBoxView *comboBox, qint64 index, const QString &value) override;

    // Enabled exactly when a network is chosen and a password typed.
    void updateConnectButton();

public slots:
    void connectAction();

private:
    void buildUI();
    void controlTextDidChange();
    void confirmMove(int click);
    void moveToWifi(const QString &wifiName, const QString &pwd);

    QLabel *m_serverTxt = nullptr;
    ComboBoxView *m_serverBox = nullptr;
    QLabel *m_wifiTxt = nullptr;
    ComboBoxView *m_wifiBox = nullptr;
    QLabel *m_pwdTxt = nullptr;
    QWidget *m_pwdBG = nullptr;
    QLineEdit *m_pwdInput = nullptr;
    QXButton *m_connectBtn = nullptr;
};
