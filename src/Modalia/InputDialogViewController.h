#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QXButton;

namespace Modalia {

// Asks for one line of text. The action is called exactly once: with the typed text (possibly
// empty) on confirm, with std::nullopt on cancel, Esc, closing the window, or when the dialog goes
// away unanswered. It deletes itself when finished.
class InputDialogViewController : public QDialog
{
    Q_OBJECT
public:
    using Action = std::function<void(const std::optional<QString> &text)>;

    InputDialogViewController(const QString &title, const std::optional<QString> &cancel,
                              const std::optional<QString> &confirm, Action action, QWidget *parent = nullptr);
    ~InputDialogViewController() override;

    QLabel *titleLabel() const { return m_titleLabel; }
    QLineEdit *valueText() const { return m_valueText; }
    QXButton *cancelBtn() const { return m_cancelBtn; }
    QXButton *confirmBtn() const { return m_confirmBtn; }

    void done(int result) override;

public slots:
    void confirAction();
    void cancelAction();

private:
    void answer(const std::optional<QString> &text);

    Action m_action;
    QLabel *m_titleLabel;
    QLineEdit *m_valueText;
    QXButton *m_cancelBtn;
    QXButton *m_confirmBtn;
};

} // namespace Modalia
