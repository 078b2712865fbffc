#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The information dialog's content: a message and one button.
class DialogInfoViewController : public QWidget
{
    Q_OBJECT
public:
    explicit DialogInfoViewController(QWidget *parent = nullptr);

    void setInfoString(const QString &info);
    void setClickAction(std::function<void()> action) { m_action = std::move(action); }

    // Left-aligned when the message has a line break or wraps at 320 points; centred otherwise.
    static bool leftAligned(const QString &message, const QFont &font);

    QLabel *info() const { return m_info; }
    QPushButton *btnOK() const { return m_btnOK; }

private:
    std::function<void()> m_action;
    QLabel *m_info;
    QPushButton *m_btnOK;
};
