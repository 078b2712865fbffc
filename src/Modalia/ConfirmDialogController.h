#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QXButton;

namespace Modalia {

// A question with a cancel and a confirm button. `confirmed` runs once the dialog is gone and
// only after confirm; cancel, Esc and closing the window call nothing. The dialog deletes itself
// when finished.
class ConfirmDialogController : public QDialog
{
    Q_OBJECT
public:
    ConfirmDialogController(const QString &title, const std::optional<QString> &cancelString,
                            const std::optional<QString> &confirmString, std::function<void()> confirmed,
                            QWidget *parent = nullptr);

    void setConfirmed(std::function<void()> confirmed) { m_confirmed = std::move(confirmed); }

    QLabel *titleLabel() const { return m_titleLabel; }
    QXButton *cancelBtn() const { return m_cancelBtn; }
    QXButton *confirmBtn() const { return m_confirmBtn; }

    void done(int result) override;

public slots:
    void okAction();
    void cancelAction();

private:
    bool m_finished = false;
    std::function<void()> m_confirmed;
    QLabel *m_titleLabel;
    QXButton *m_cancelBtn;
    QXButton *m_confirmBtn;
};

} // namespace Modalia
