#include "InputDialogViewController.h"

#include "DialogLook.h"
#include "QXButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Modalia {

InputDialogViewController::InputDialogViewController(const QString &title, const std::optional<QString> &cancel,
                                                     const std::optional<QString> &confirm, Action action,
                                                     QWidget *parent)
    : QDialog(parent)
    , m_action(std::move(action))
    , m_titleLabel(look::titleLabel(title))
    , m_valueText(new QLineEdit)
    , m_cancelBtn(look::button(QStringLiteral("cancelBtn"), cancel, QStringLiteral("ov_cancel")))
    , m_confirmBtn(look::button(QStringLiteral("confirmBtn"), confirm, QStringLiteral("ov_confirm")))
{
    look::prepareDialog(this, title);

    QWidget *inputView = look::inputBox(m_valueText, QStringLiteral("valueText"));
    m_valueText->setAccessibleName(title);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(18);
    layout->addWidget(m_titleLabel);
    layout->addWidget(inputView);
    layout->addLayout(look::buttonRow(m_cancelBtn, m_confirmBtn));
    m_confirmBtn->setDefault(true);
    m_valueText->setFocus();

    connect(m_confirmBtn, &QPushButton::clicked, this, &InputDialogViewController::confirAction);
    connect(m_cancelBtn, &QPushButton::clicked, this, &InputDialogViewController::cancelAction);
}

InputDialogViewController::~InputDialogViewController()
{
    answer(std::nullopt);
}

void InputDialogViewController::confirAction()
{
    // The answer may open the next dialog (a message about the password): this one is gone first.
    const QString text = m_valueText->text();
    accept();
    answer(text);
}

void InputDialogViewController::cancelAction()
{
    reject();
}

void InputDialogViewController::done(int result)
{
    // Esc and the window's close button arrive here as a rejection without a button.
    if (result != Accepted)
        answer(std::nullopt);
    QDialog::done(result);
}

void InputDialogViewController::answer(const std::optional<QString> &text)
{
    if (auto action = std::exchange(m_action, nullptr))
        action(text);
}

} // namespace Modalia
