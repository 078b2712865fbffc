#include "ConfirmDialogController.h"

#include "DialogLook.h"
#include "QXButton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace Modalia {

ConfirmDialogController::ConfirmDialogController(const QString &title, const std::optional<QString> &cancelString,
                                                 const std::optional<QString> &confirmString,
                                                 std::function<void()> confirmed, QWidget *parent)
    : QDialog(parent)
    , m_confirmed(std::move(confirmed))
    , m_titleLabel(look::titleLabel(title))
    , m_cancelBtn(look::button(QStringLiteral("cancelBtn"), cancelString, QStringLiteral("ov_cancel")))
    , m_confirmBtn(look::button(QStringLiteral("confirmBtn"), confirmString, QStringLiteral("ov_confirm")))
{
    look::prepareDialog(this, title);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 24);
    layout->setSpacing(24);
    layout->addWidget(m_titleLabel);
    layout->addLayout(look::buttonRow(m_cancelBtn, m_confirmBtn));
    m_confirmBtn->setDefault(true);
    connect(m_confirmBtn, &QPushButton::clicked, this, &ConfirmDialogController::okAction);
    connect(m_cancelBtn, &QPushButton::clicked, this, &ConfirmDialogController::cancelAction);
}

void ConfirmDialogController::okAction()
{
    if (m_finished)
        return;
    accept();
    if (auto confirmed = std::exchange(m_confirmed, nullptr))
        confirmed();
}

void ConfirmDialogController::cancelAction()
{
    reject();
}

void ConfirmDialogController::done(int result)
{
    if (std::exchange(m_finished, true))
        return;
    QDialog::done(result);
}

} // namespace Modalia
