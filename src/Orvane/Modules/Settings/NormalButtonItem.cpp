#include "NormalButtonItem.h"

#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QPushButton>

NormalButtonItem::NormalButtonItem(QWidget *parent)
    : QWidget(parent)
{
    m_btn = new QPushButton(this);
    m_btn->setCheckable(true);
    m_btn->setFlat(true);
    m_btn->setFixedHeight(30);
    m_btn->setMinimumWidth(160);
    m_btn->setPalette(qxkit::darkPalette());
    qxkit::setCRadius(m_btn, 15);
    qxkit::setBorderWidth(m_btn, 1);
    qxkit::setBorderColor(m_btn, QColor(Qt::lightGray));
    connect(m_btn, &QPushButton::clicked, this, [this](bool checked) {
        if (m_btnAction)
            m_btnAction(checked);
    });
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(m_btn);
    layout->addStretch();
}

NormalButtonItem::~NormalButtonItem() = default;

void NormalButtonItem::configure(const QString &title)
{
    qxkit::setInternationalKey(m_btn, title);
}
