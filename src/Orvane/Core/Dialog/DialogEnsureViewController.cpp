#include "DialogEnsureViewController.h"

#include "Core/Utils.h"
#include "DialogContent.h"
#include "QXColor.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


DialogEnsureViewController::DialogEnsureViewController(QWidget *parent)
    : QWidget(parent)
    , m_info(dialogcontent::messageLabel())
    , m_btnOK(dialogcontent::button(QStringLiteral("btnOK"), QStringLiteral("ov_confirm"), this, m_okAction))
    , m_btnCancel(dialogcontent::button(QStringLiteral("btnCancel"), QStringLiteral("ov_cancel"), this, m_cancelAction))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 24);
    layout->setSpacing(24);
    layout->addWidget(dialogcontent::messageArea(m_info), 1);
    layout->addLayout(dialogcontent::buttonRow({m_btnCancel, m_btnOK}));
    m_btnOK->setDefault(true);
}

DialogEnsureViewController::DialogEnsureViewController(const QString &info, std::function<void(int)> clickAction,
                                                       QWidget *parent)
    : DialogEnsureViewController(parent)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setInfoString(info);
    m_clickAction = std::move(clickAction);
    setClickOKAction([this] { answerOnce(Utils::clickOK); });
    setClickCancelAction([this] { answerOnce(Utils::clickCancel); });
}

void DialogEnsureViewController::setInfoString(const QString &info)
{
    dialogcontent::setMessage(m_info, info, info.contains(QLatin1Char('\n')));
}

void DialogEnsureViewController::answerOnce(int value)
{
    if (std::exchange(m_answered, true))
        return;
    if (m_clickAction)
        m_clickAction(value);
    if (isWindow())
        close();
    emit dismissed();
}
