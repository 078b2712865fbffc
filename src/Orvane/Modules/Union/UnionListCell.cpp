#include "UnionListCell.h"

#include "PopupKeys.h"
#include "QXColor.h"
#include "QXView.h"
#include "StandardIcon.h"
#include "UnionData.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton *rowButton(QStyle::StandardPixmap icon, const QString &toolTipKey)
{
    auto *button = new QToolButton;
    button->setIcon(qxkit::standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    qxkit::setToolTipKey(button, toolTipKey);
    return button;
}

} // namespace

UnionListCell::UnionListCell(QWidget *parent)
    : UnionSelectableCell(parent)
    , m_indexLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_nameLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_sizeLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_detailButton(rowButton(QStyle::SP_ArrowForward, QStringLiteral("ov_operation")))
    , m_deleteButton(rowButton(QStyle::SP_TrashIcon, QStringLiteral("ov_confirm_delete")))
{
    m_indexLabel->setMinimumWidth(36);
    m_sizeLabel->setMinimumWidth(70);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(m_indexLabel);
    layout->addWidget(m_nameLabel, 1);
    layout->addWidget(m_sizeLabel);
    layout->addWidget(m_detailButton);
    layout->addWidget(m_deleteButton);
    setFixedHeight(kHeight);

    connect(m_detailButton, &QToolButton::clicked, this, &UnionListCell::detailAction);
    connect(m_deleteButton, &QToolButton::clicked, this, &UnionListCell::deleteAction);
    // It opens its confirmation as a popover.
    qxkit::clickOnKeyPress(m_deleteButton);
}

void UnionListCell::configure(const UnionData &data, qint64 index)
{
    const QString name = data.name();
    m_indexLabel->setText(QString::number(index + 1));
    m_nameLabel->setText(name);
    m_sizeLabel->setText(QStringLiteral("%1 x %2").arg(data.row()).arg(data.colomn()));
    setAccessibleName(QStringLiteral("%1 %2 %3").arg(m_indexLabel->text(), name, m_sizeLabel->text()));
    m_detailButton->setAccessibleName(m_detailButton->toolTip() + QStringLiteral(": ") + name);
    m_deleteButton->setAccessibleName(m_deleteButton->toolTip() + QStringLiteral(": ") + name);
}

void UnionListCell::detailAction()
{
    if (m_detailAction)
        m_detailAction();
}

void UnionListCell::deleteAction()
{
    if (m_deleteAction)
        m_deleteAction(m_deleteButton);
}
