#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The text-input dialog's content: a message, one text field, OK and Cancel.
class DialogInputViewController : public QWidget
{
    Q_OBJECT
public:
    explicit DialogInputViewController(QWidget *parent = nullptr);

    void setInfoString(const QString &info);
    void setClickOKAction(std::function<void()> action) { m_okAction = std::move(action); }
    void setClickCancelAction(std::function<void()> action) { m_cancelAction = std::move(action); }
    QString getInputString() const;

    QLabel *info() const { return m_info; }
    QLineEdit *inputField() const { return m_inputField; }
    QPushButton *btnOK() const { return m_btnOK; }
    QPushButton *btnCancel() const { return m_btnCancel; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<void()> m_okAction;
    std::function<void()> m_cancelAction;
    QLabel *m_info;
    QLineEdit *m_inputField;
    QPushButton *m_btnOK;
    QPushButton *m_btnCancel;
};
