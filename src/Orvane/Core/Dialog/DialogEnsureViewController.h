#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// A question with OK and Cancel: the confirmation dialog's content, and on its own (for example
// in a popup) with a block that receives 1 for OK and 0 for Cancel.
class DialogEnsureViewController : public QWidget
{
    Q_OBJECT
public:
    explicit DialogEnsureViewController(QWidget *parent = nullptr);
    // On its own: the first button pressed calls the block once, then the controller is dismissed
    // (closed when it is a window of its own).
    DialogEnsureViewController(const QString &info, std::function<void(int)> clickAction, QWidget *parent = nullptr);

    void setInfoString(const QString &info);
    void setClickOKAction(std::function<void()> action) { m_okAction = std::move(action); }
    void setClickCancelAction(std::function<void()> action) { m_cancelAction = std::move(action); }

    QLabel *info() const { return m_info; }
    QPushButton *btnOK() const { return m_btnOK; }
    QPushButton *btnCancel() const { return m_btnCancel; }

signals:
    // The standalone form was answered.
    void dismissed();

private:
    void answerOnce(int value);

    std::function<void(int)> m_clickAction;
    bool m_answered = false;
    std::function<void()> m_okAction;
    std::function<void()> m_cancelAction;
    QLabel *m_info;
    QPushButton *m_btnOK;
    QPushButton *m_btnCancel;
};
