#include "PlayListHeaderView.h"

#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

QLabel *headerLabel(const QString &key)
{
    QLabel *label = qxkit::label({}, qxkit::globalTextColor());
    qxkit::setInternationalKey(label, key);
    return label;
}

} // namespace

PlayListHeaderView::PlayListHeaderView(QWidget *parent)
    : QWidget(parent)
    , m_nameLabel(headerLabel(QStringLiteral("ov_file_name")))
    , m_sizeLabel(headerLabel(QStringLiteral("ov_file_size")))
    , m_timesLabel(headerLabel(QStringLiteral("ov_times")))
    , m_operationLabel(headerLabel(QStringLiteral("ov_operation")))
{
    qxkit::setBgColor(this, qxkit::configLight());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(m_nameLabel, 3);
    layout->addWidget(m_sizeLabel, 1);
    layout->addWidget(m_timesLabel, 1);
    layout->addWidget(m_operationLabel, 1);
    setMinimumHeight(36);
}
