#include "UnionOperationItem.h"

#include "QXButton.h"
#include "QXView.h"

#include <QHBoxLayout>

UnionOperationItem::UnionOperationItem(QWidget *parent)
    : QWidget(parent)
    , m_titleBtn(new QXButton)
    , m_separator(new QWidget)
{
    m_titleBtn->setFocusPolicy(Qt::StrongFocus);
    m_separator->setFixedWidth(1);
    qxkit::setBgColor(m_separator, QColor(Qt::lightGray));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(m_titleBtn, 1);
    layout->addWidget(m_separator);
    connect(m_titleBtn, &QPushButton::clicked, this, &UnionOperationItem::performClick);
}

void UnionOperationItem::configure(const QString &title, bool outlined, bool enabled, bool hidesSeparator,
                                   std::function<void()> clickAction)
{
    m_titleBtn->setText(title);
    m_titleBtn->setAccessibleName(title);
    m_clickAction = std::move(clickAction);
    m_titleBtn->setEnabled(enabled);
    m_separator->setHidden(hidesSeparator);
    if (outlined && enabled) {
        qxkit::setBgColor(m_titleBtn, QColor(Qt::transparent));
        qxkit::setBorderWidth(m_titleBtn, 1.0);
        qxkit::setBorderColor(m_titleBtn, QColor(Qt::lightGray));
    }
}

void UnionOperationItem::performClick()
{
    if (m_clickAction)
        m_clickAction();
}
