#include "DialogInputViewController.h"

#include "DialogContent.h"
#include "DialogLook.h"
#include "QXView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DialogInputViewController::DialogInputViewController(QWidget *parent)
    : QWidget(parent)
    , m_info(dialogcontent::messageLabel())
    , m_inputField(new QLineEdit)
    , m_btnOK(dialogcontent::button(QStringLiteral("btnOK"), QStringLiteral("ov_confirm"), this, m_okAction))
    , m_btnCancel(dialogcontent::button(QStringLiteral("btnCancel"), QStringLiteral("ov_cancel"), this, m_cancelAction))
{
    qxkit::setBgColor(this, QColor(52, 58, 77));

    QWidget *inputView = Modalia::look::inputBox(m_inputField, QStringLiteral("inputField"));
    // The application asks for nothing but device passwords through this dialog.
    qxkit::setPasswordEntry(m_inputField);
    QPalette fieldPalette = m_inputField->palette();
    fieldPalette.setColor(QPalette::Text, Qt::white);
    m_inputField->setPalette(fieldPalette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->setSpacing(18);
    layout->addWidget(dialogcontent::messageArea(m_info), 1);
    layout->addWidget(inputView);
    layout->addLayout(dialogcontent::buttonRow({m_btnCancel, m_btnOK}));
    m_btnOK->setDefault(true);
}

void DialogInputViewController::setInfoString(const QString &info)
{
    dialogcontent::setMessage(m_info, info, info.contains(QLatin1Char('\n')));
    m_inputField->setAccessibleName(info);
}

QString DialogInputViewController::getInputString() const
{
    return m_inputField->text();
}

void DialogInputViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_inputField->setFocus();
}
