#include "ComboBoxDialogController.h"

#include "Core/Dialog/DialogContent.h"
#include "QXColor.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ComboBoxDialogController::ComboBoxDialogController(const QStringList &contents, Completion completion,
                                                   QWidget *parent)
    : QWidget(parent)
    , m_promptLabel(dialogcontent::messageLabel())
    , m_comboBox(new ComboBoxView)
    , m_completion(std::move(completion))
    , m_contents(contents)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    m_comboBox->setDelegate(this);
    m_comboBox->setShowFull(true);
    m_comboBox->setMinimumWidth(220);
    m_comboBox->clearSelectedValue();
    m_promptLabel->hide();

    m_onCancel = [this] { cancelAction(); };
    m_onConfirm = [this] { confirmAction(); };
    m_cancelBtn = dialogcontent::button(QStringLiteral("cancelBtn"), QStringLiteral("ov_cancel"), this, m_onCancel);
    m_confirmBtn = dialogcontent::button(QStringLiteral("confirmBtn"), QStringLiteral("ov_confirm"), this, m_onConfirm);
    m_confirmBtn->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addWidget(m_promptLabel);
    layout->addWidget(m_comboBox);
    layout->addLayout(dialogcontent::buttonRow({m_cancelBtn, m_confirmBtn}));
}

void ComboBoxDialogController::setPrompt(const QString &prompt)
{
    dialogcontent::setMessage(m_promptLabel, prompt, false);
    m_promptLabel->setVisible(!prompt.isEmpty());
    m_promptLabel->setBuddy(m_comboBox);
    setAccessibleName(prompt);
    m_comboBox->setAccessibleName(prompt);
}

std::optional<QStringList> ComboBoxDialogController::contentForCombleBox(ComboBoxView *)
{
    return m_contents;
}

void ComboBoxDialogController::confirmAction()
{
    if (m_completion) {
        const QString chosen = m_comboBox->selectString();
        m_completion(m_comboBox->selectedIndex(), chosen.isNull() ? std::nullopt : std::optional<QString>(chosen));
    }
    dismiss(true);
}

void ComboBoxDialogController::cancelAction()
{
    dismiss(false);
}

void ComboBoxDialogController::dismiss(bool confirmed)
{
    if (auto *dialog = qobject_cast<QDialog *>(window()))
        dialog->done(confirmed ? QDialog::Accepted : QDialog::Rejected);
    else
        close();
}
