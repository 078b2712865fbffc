#pragma once

#include "FunctionConfigItem.h"

class ITSwitch;
class QLabel;
class QLineEdit;
class QXButton;

// The 4G model's page: its mobile data link, its own Wi-Fi hotspot, the hotspot's name and a new
// hotspot password. Every change but switching 4G on is confirmed first; a switch takes no
// clicks while its change is on the way, and goes back when the device refuses it.
//
// Like every editor it works on the screen's device, so a union member's page changes that
// member, never the fan of the connection screen.
class HotSpotItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    explicit HotSpotItem(QWidget *parent = nullptr);
    ~HotSpotItem() override;

    ITSwitch *switch4G() const { return m_switch4G; }
    ITSwitch *switchHotSpot() const { return m_switchHotSpot; }
    QLabel *hotspotNameLabel() const { return m_hotspotNameLabel; }
    QLineEdit *passwordTF() const { return m_passwordTF; }
    QXButton *modifyBtn() const { return m_modifyBtn; }

    // Shows the record's 4G and hotspot state and the hotspot's name.
    void refresh();
    // One whole number: an optional sign and digits, blanks around it allowed.
    static bool isPureInt(const QString &text);

private:
    void switch4GAction(bool on);
    void switchHotSpotAction(bool on);
    void confirmBtnAction();
    void send4G(bool on);
    void sendHotspot(bool on);
    // Sends the switch's new state; it takes clicks again when the device answers.
    void sendSwitch(ITSwitch *toggle, QXInsCode code, bool on, SendOutcome accepted);
    // Asks `key`; a refusal puts the switch back.
    void confirmSwitch(ITSwitch *toggle, const QString &key, bool on, void (HotSpotItem::*send)(bool));
    void showName(const QString &name);

    ITSwitch *m_switch4G = nullptr;
    ITSwitch *m_switchHotSpot = nullptr;
    QLabel *m_title4G = nullptr;
    QLabel *m_hotspotTitle = nullptr;
    QLabel *m_hotspotNameLabel = nullptr;
    QLabel *m_hotspotNameTitle = nullptr;
    QLabel *m_hotspotPasswordTitle = nullptr;
    QLineEdit *m_passwordTF = nullptr;
    QXButton *m_modifyBtn = nullptr;
};
