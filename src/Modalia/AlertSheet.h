#pragma once

#include "Dialog.h"

#include <QDialog>

class QXButton;

namespace Modalia {

// The alert: icon, bold title, optional message and the buttons in the order given (none: one
// "ov_confirm" button). The answer is called exactly once: with the pressed button's index, or
// with std::nullopt when the alert goes away unanswered. Esc and closing the window count as
// the button only when there is a single one; with several, Esc presses the button titled as
// "ov_cancel" when there is one, and otherwise a button must be chosen. Enter presses the first.
class AlertSheet : public QDialog
{
    Q_OBJECT
public:
    using Answer = std::function<void(std::optional<int> index)>;

    AlertSheet(AlertStyle style, const QString &title, const std::optional<QString> &message, const QIcon &icon,
               const QStringList &buttons, Answer answer, QWidget *parent = nullptr);
    ~AlertSheet() override;

    QXButton *alertButton(int index) const;
    int buttonCount() const { return int(m_buttons.size()); }
    bool hasMessage() const;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void press(int index);

    Answer m_answer;
    QList<QXButton *> m_buttons;
};

} // namespace Modalia
