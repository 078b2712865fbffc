#include "HomeMenuCell.h"

#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>

HomeMenuCell::HomeMenuCell(QWidget *parent)
    : QWidget(parent)
    , m_titleLabel(qxkit::label({}, qxkit::globalTextColor()))
{
    QFont font = m_titleLabel->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    m_titleLabel->setFont(font);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 0, 12, 0);
    layout->addWidget(m_titleLabel);
    setMinimumHeight(44);
}

void HomeMenuCell::configWithTitle(const QString &key)
{
    qxkit::setInternationalKey(m_titleLabel, key);
    setAccessibleName(m_titleLabel->text());
}
