#include "DeviceModeSelectView.h"

#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int choiceWidth = 260;
constexpr int choiceHeight = 170;

QLabel *keyedLabel(const char *key, const QColor &color, qreal pointDelta, bool bold)
{
    QLabel *label = qxkit::label({}, color);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointDelta);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    qxkit::setInternationalKey(label, QString::fromLatin1(key));
    return label;
}

QPushButton *linkButton(const char *key)
{
    auto *button = new QPushButton;
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, qxkit::globalThemeColor());
    button->setPalette(palette);
    qxkit::setInternationalKey(button, QString::fromLatin1(key));
    return button;
}

} // namespace

DeviceModeSelectView::DeviceModeSelectView(QWidget *parent)
    : QWidget(parent)
{
    m_contentView = new QWidget(this);
    auto *pin = new QVBoxLayout(this);
    pin->setContentsMargins(0, 0, 0, 0);
    pin->addWidget(m_contentView);

    m_titleLabel = keyedLabel("ov_conn_tip", Qt::white, 4, true);
    m_titleLabel->setAlignment(Qt::AlignCenter);

    m_localBtn = new QPushButton;
    m_localTitle = keyedLabel("ov_device_is_ap", Qt::white, 2, true);
    m_localTip = keyedLabel("ov_device_is_ap_tip", qxkit::globalTextColor(), 0, false);
    m_netBtn = new QPushButton;
    m_netTitle = keyedLabel("ov_device_is_sta", Qt::white, 2, true);
    m_netTip = keyedLabel("ov_device_is_sta_des", qxkit::globalTextColor(), 0, false);
    m_helpBtn = linkButton("ov_help");
    m_forgetBtn = linkButton("ov_forget_wifi");

    auto *choices = new QHBoxLayout;
    choices->setSpacing(40);
    choices->addStretch();
    choices->addWidget(makeChoice(m_localBtn, m_localTitle, m_localTip));
    choices->addWidget(makeChoice(m_netBtn, m_netTitle, m_netTip));
    choices->addStretch();

    auto *links = new QHBoxLayout;
    links->addStretch();
    links->addWidget(m_helpBtn);
    links->addSpacing(30);
    links->addWidget(m_forgetBtn);
    links->addStretch();

    auto *layout = new QVBoxLayout(m_contentView);
    layout->setSpacing(28);
    layout->addStretch(1);
    layout->addWidget(m_titleLabel);
    layout->addLayout(choices);
    layout->addLayout(links);
    layout->addStretch(2);

    connect(m_helpBtn, &QPushButton::clicked, this, [this] { send(helpAction); });
    connect(m_localBtn, &QPushButton::clicked, this, [this] { send(localAction); });
    connect(m_netBtn, &QPushButton::clicked, this, [this] { send(netAction); });
    connect(m_forgetBtn, &QPushButton::clicked, this, [this] { send(forgetAction); });
}

// A choice is a large button carrying its title and tip, so one click or key press anywhere on it
// chooses, and assistive technology reads the title as the button's name.
QWidget *DeviceModeSelectView::makeChoice(QPushButton *button, QLabel *title, QLabel *tip)
{
    button->setFixedSize(choiceWidth, choiceHeight);
    button->setCursor(Qt::PointingHandCursor);
    button->setAccessibleName(title->text());
    button->setAccessibleDescription(tip->text());
    qxkit::setBgColor(button, qxkit::hexWithHex(0x303344));
    qxkit::setCRadius(button, 8);
    qxkit::setBorderColor(button, qxkit::globalThemeColor());
    qxkit::setBorderWidth(button, 1);
    button->setFlat(true);
    title->setAlignment(Qt::AlignCenter);
    tip->setAlignment(Qt::AlignCenter);
    for (QLabel *label : {title, tip})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *inner = new QVBoxLayout(button);
    inner->setContentsMargins(16, 18, 16, 18);
    inner->addWidget(title);
    inner->addWidget(tip, 1);
    return button;
}

void DeviceModeSelectView::send(int code)
{
    if (m_btnAction)
        m_btnAction(code);
}
