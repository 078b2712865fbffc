#pragma once

#include "ComboBoxView.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QXButton;

// Signs the operator in to the maker's cloud service: region, account and password, then the
// token request and the user request. On success the user is kept as the current user, the
// account and password are remembered for next time, and the screen that follows the login is
// pushed onto the navigation container the screen sits on. A screen shown while a user is
// already signed in moves on to the next screen at once, the first time only.
class LoginViewController : public QWidget, public ComboboxDelegate
{
    Q_OBJECT

public:
    // Makes the screen that follows the login.
    using NextFactory = std::function<QWidget *()>;

    explicit LoginViewController(NextFactory makeNext, QWidget *parent = nullptr);
    ~LoginViewController() override;

    QLabel *loginTip() const { return m_loginTip; }
    QLabel *serverTip() const { return m_serverTip; }
    ComboBoxView *serverBox() const { return m_serverBox; }
    QLabel *usernameTip() const { return m_usernameTip; }
    QWidget *usernameBG() const { return m_usernameBG; }
    QLineEdit *usernameTF() const { return m_usernameTF; }
    QLabel *pwdTip() const { return m_pwdTip; }
    QWidget *pwdBG() const { return m_pwdBG; }
    QLineEdit *pwdTF() const { return m_pwdTF; }
    QXButton *loginBtn() const { return m_loginBtn; }
    QProgressBar *loginIndicator() const { return m_loginIndicator; }

    // The region chosen, as the raw value of OrvaneAPI::Server.
    qint64 serverIndex() const { return m_serverIndex; }
    // The regions' host names, in region order: the shared cloud host list.
    static QStringList serverNames();
    // True from a login's start until its outcome has been shown.
    bool isLoggingIn() const { return m_loggingIn; }

    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;
    void comboBox(ComboBoxView *comboBox, qint64 index, const QString &value) override;

public slots:
    // Does nothing with an empty account or password, or while a login runs.
    void login();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildUI();
    void pushNext();
    static void showLoginFailed();
    void setLoggingIn(bool loggingIn);

    NextFactory m_makeNext;
    QLabel *m_loginTip = nullptr;
    QLabel *m_serverTip = nullptr;
    ComboBoxView *m_serverBox = nullptr;
    QLabel *m_usernameTip = nullptr;
    QWidget *m_usernameBG = nullptr;
    QLineEdit *m_usernameTF = nullptr;
    QLabel *m_pwdTip = nullptr;
    QWidget *m_pwdBG = nullptr;
    QLineEdit *m_pwdTF = nullptr;
    QXButton *m_loginBtn = nullptr;
    QProgressBar *m_loginIndicator = nullptr;
    qint64 m_serverIndex;
    bool m_appeared = false;
    bool m_loggingIn = false;
};
