#include "UnionDeviceCell.h"

#include "QXColor.h"
#include "QXView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

UnionDeviceCell::UnionDeviceCell(QWidget *parent)
    : UnionSelectableCell(parent)
    , m_nameLabel(qxkit::label({}, qxkit::globalTextColor()))
{
    // The list keeps the width of its panel: a long name is cut to the label, never widens it.
    m_nameLabel->setSizePolicy(QSizePolicy::Ignored, m_nameLabel->sizePolicy().verticalPolicy());
    m_nameLabel->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(m_nameLabel, 1);
    setFixedHeight(kHeight);
}

void UnionDeviceCell::configure(const QString &name, const QString &ip)
{
    m_name = name;
    m_ip = ip;
    setAccessibleName(name);
    setAccessibleDescription(ip);
    showName();
}

bool UnionDeviceCell::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameLabel && event->type() == QEvent::Resize)
        showName();
    return UnionSelectableCell::eventFilter(watched, event);
}

void UnionDeviceCell::showName()
{
    const int room = m_nameLabel->contentsRect().width();
    m_nameLabel->setText(room > 0 ? m_nameLabel->fontMetrics().elidedText(m_name, Qt::ElideRight, room) : m_name);
    // A name cut short in the list is read whole in the tool tip.
    setToolTip(m_nameLabel->text() == m_name ? m_ip : m_name + QLatin1Char('\n') + m_ip);
}
