#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The first panel of the connection screen: how the computer reaches the fan. Two large choices
// (the fan's own hotspot, or the fan on the router network), a help button and a reminder of how
// to make the fan forget its Wi-Fi. Each button reports a code through btnAction: 0 help,
// 1 hotspot, 2 router network, 3 forget Wi-Fi.
class DeviceModeSelectView : public QWidget
{
    Q_OBJECT
public:
    enum Action {
        helpAction = 0,
        localAction = 1,
        netAction = 2,
        forgetAction = 3,
    };

    explicit DeviceModeSelectView(QWidget *parent = nullptr);

    QWidget *contentView() const { return m_contentView; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QPushButton *helpBtn() const { return m_helpBtn; }
    QPushButton *localBtn() const { return m_localBtn; }
    QLabel *localTitle() const { return m_localTitle; }
    QLabel *localTip() const { return m_localTip; }
    QPushButton *netBtn() const { return m_netBtn; }
    QLabel *netTitle() const { return m_netTitle; }
    QLabel *netTip() const { return m_netTip; }
    QPushButton *forgetBtn() const { return m_forgetBtn; }

    std::function<void(int)> btnAction() const { return m_btnAction; }
    void setBtnAction(std::function<void(int)> action) { m_btnAction = std::move(action); }

private:
    QWidget *makeChoice(QPushButton *button, QLabel *title, QLabel *tip);
    void send(int code);

    QWidget *m_contentView = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_helpBtn = nullptr;
    QPushButton *m_localBtn = nullptr;
    QLabel *m_localTitle = nullptr;
    QLabel *m_localTip = nullptr;
    QPushButton *m_netBtn = nullptr;
    QLabel *m_netTitle = nullptr;
    QLabel *m_netTip = nullptr;
    QPushButton *m_forgetBtn = nullptr;
    std::function<void(int)> m_btnAction;
};
