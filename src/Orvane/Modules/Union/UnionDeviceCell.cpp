#include "UnionDeviceCell.h"

#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>

UnionDeviceCell::UnionDeviceCell(QWidget *parent)
    : UnionSelectableCell(parent)
    , m_nameLabel(qxkit::label({}, qxkit::globalTextColor()))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(m_nameLabel, 1);
    setFixedHeight(kHeight);
}

void UnionDeviceCell::configure(const QString &name, const QString &ip)
{
    m_nameLabel->setText(name);
    setToolTip(ip);
    setAccessibleName(name);
    setAccessibleDescription(ip);
}
