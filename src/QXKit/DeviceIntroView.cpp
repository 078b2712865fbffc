#include "DeviceIntroView.h"

#include "QXColor.h"
#include "QXView.h"

#include <QLabel>
#include <QVBoxLayout>

DeviceIntroView::DeviceIntroView(QWidget *parent)
    : QWidget(parent)
    , m_titleLabel(qxkit::label({}, Qt::white))
{
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 2);
    m_titleLabel->setFont(titleFont);
    qxkit::setInternationalKey(m_titleLabel, QStringLiteral("ov_help_title"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addWidget(m_titleLabel);
    const char *const keys[] = {"ov_help_ap_btn", "ov_help_ap_light", "ov_help_pair_light", "ov_help_pair_btn"};
    for (int i = 0; i < 4; ++i) {
        m_tipLabels[i] = qxkit::label({}, qxkit::globalTextColor());
        m_tipLabels[i]->setWordWrap(true);
        qxkit::setInternationalKey(m_tipLabels[i], QString::fromLatin1(keys[i]));
        layout->addWidget(m_tipLabels[i]);
    }
    layout->addStretch();
}
