#include "DialogInfoViewController.h"

#include "DialogContent.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DialogInfoViewController::DialogInfoViewController(QWidget *parent)
    : QWidget(parent)
    , m_info(dialogcontent::messageLabel())
    , m_btnOK(dialogcontent::button(QStringLiteral("btnOK"), QStringLiteral("ov_confirm"), this, m_action))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 24);
    layout->setSpacing(24);
    layout->addWidget(dialogcontent::messageArea(m_info), 1);
    layout->addLayout(dialogcontent::buttonRow({m_btnOK}));
    m_btnOK->setDefault(true);
}

void DialogInfoViewController::setInfoString(const QString &info)
{
    dialogcontent::setMessage(m_info, info, leftAligned(info, m_info->font()));
}

bool DialogInfoViewController::leftAligned(const QString &message, const QFont &font)
{
    if (message.contains(QLatin1Char('\n')))
        return true;
    const QRect bounds = QFontMetrics(font).boundingRect(QRect(0, 0, 320, 1000), Qt::TextWordWrap, message);
    return bounds.height() >= 2 * QFontInfo(font).pointSizeF();
}
