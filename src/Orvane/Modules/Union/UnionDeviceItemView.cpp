#include "UnionDeviceItemView.h"

#include "NetworkingDevice.h"
#include "QXColor.h"
#include "QXView.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kInset = 10;
constexpr int kSettingSide = 20;
constexpr quint32 kDefaultNameColor = 0x74A781;

// The round disc of a tile, painted in its colour; the system's light grey until one is given.
class DiscView : public QWidget
{
public:
    explicit DiscView(QWidget *parent)
        : QWidget(parent)
        , m_color(QColor(Qt::lightGray))
    {
    }

    std::optional<QColor> color() const { return m_color; }
    void setColor(const std::optional<QColor> &color)
    {
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_color)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(*m_color);
        painter.drawEllipse(QRectF(rect()));
    }

private:
    std::optional<QColor> m_color;
};

QFont smallFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(12);
    return font;
}

// A borderless button laid over part of the disc: it draws nothing but a ring while it has
// keyboard focus, so the disc and its labels show through. Painted rather than styled: a style
// sheet per button would make a large grid slow to build.
class ClearButton : public QPushButton
{
public:
    explicit ClearButton(bool round)
        : m_round(round)
    {
        setFlat(true);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(qxkit::globalThemeColor(), 2));
        const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
        if (m_round)
            painter.drawEllipse(ring);
        else
            painter.drawRoundedRect(ring, 4, 4);
    }

private:
    bool m_round;
};

QIcon settingIcon()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    return icon;
}

} // namespace

UnionDeviceItemView::UnionDeviceItemView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_contentView(new DiscView(this))
    , m_bottomBtn(new ClearButton(true))
    , m_masterLabel(qxkit::label({}, qxkit::globalThemeColor(), smallFont()))
    , m_nameLabel(qxkit::label({}, qxkit::hexWithHex(kDefaultNameColor), smallFont()))
    , m_nameBtn(new ClearButton(false))
    , m_settingBtn(new QToolButton)
{
    setGeometry(frame);
    setupUI();
}

void UnionDeviceItemView::setupUI()
{
    for (QWidget *child : {static_cast<QWidget *>(m_masterLabel), static_cast<QWidget *>(m_nameLabel),
                           static_cast<QWidget *>(m_bottomBtn), static_cast<QWidget *>(m_nameBtn),
                           static_cast<QWidget *>(m_settingBtn)})
        child->setParent(m_contentView);

    qxkit::setInternationalKey(m_masterLabel, QStringLiteral("ov_master"));
    m_masterLabel->setAlignment(Qt::AlignCenter);
    m_masterLabel->hide();
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setWordWrap(true);
    m_nameBtn->hide();

    m_settingBtn->setIcon(settingIcon());
    m_settingBtn->setAutoRaise(true);
    m_settingBtn->setFocusPolicy(Qt::StrongFocus);
    m_settingBtn->setCursor(Qt::PointingHandCursor);
    qxkit::setToolTipKey(m_settingBtn, QStringLiteral("ov_param_conf"));
    m_settingBtn->hide();

    connect(m_bottomBtn, &QPushButton::clicked, this, &UnionDeviceItemView::clickActionWithSender);
    connect(m_nameBtn, &QPushButton::clicked, this, &UnionDeviceItemView::nameActionWithSender);
    connect(m_settingBtn, &QToolButton::clicked, this, &UnionDeviceItemView::settingActionWithSender);
    layoutDisc();
    updateToolTip();
}

void UnionDeviceItemView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutDisc();
}

void UnionDeviceItemView::layoutDisc()
{
    const QRect disc = rect();
    m_contentView->setGeometry(disc);
    m_bottomBtn->setGeometry(disc);

    const QSize master = m_masterLabel->sizeHint();
    m_masterLabel->setGeometry((disc.width() - master.width()) / 2, kInset, master.width(), master.height());

    const int nameWidth = std::max(0, disc.width() - 2 * kInset);
    const int nameHeight = std::min(m_nameLabel->heightForWidth(nameWidth), disc.height());
    const QRect name(kInset, disc.height() / 2 - 5 - nameHeight / 2, nameWidth, std::max(nameHeight, 0));
    m_nameLabel->setGeometry(name);
    m_nameBtn->setGeometry(name);

    m_settingBtn->setGeometry((disc.width() - kSettingSide) / 2, disc.height() - kInset - kSettingSide, kSettingSide,
                              kSettingSide);
}

std::optional<QColor> UnionDeviceItemView::contentColor() const
{
    return static_cast<DiscView *>(m_contentView)->color();
}

void UnionDeviceItemView::setContentColor(const std::optional<QColor> &color)
{
    static_cast<DiscView *>(m_contentView)->setColor(color);
}

QColor UnionDeviceItemView::nameColor() const
{
    return m_nameLabel->palette().color(QPalette::WindowText);
}

void UnionDeviceItemView::updateToolTip()
{
    const QString place = QStringLiteral("%1-%2").arg(m_row + 1).arg(m_colomn + 1);
    const QString ip = m_device ? m_device->ip() : QString();
    setToolTip(QStringLiteral(" %1 %2").arg(place, ip));

    const QString name = m_device ? m_device->name() : QString();
    m_bottomBtn->setAccessibleName(name.isEmpty() ? place : name + QLatin1Char(' ') + place);
    m_bottomBtn->setAccessibleDescription(ip);
    m_nameBtn->setAccessibleName(qtTrId("ov_playlist") + QStringLiteral(": ") + name);
    m_settingBtn->setAccessibleName(qtTrId("ov_param_conf") + QStringLiteral(": ") + name);
}

void UnionDeviceItemView::configure(const std::shared_ptr<NetworkingDevice> &device, qint64 row, qint64 colomn,
                                    const QColor &color)
{
    m_device = device;
    m_nameLabel->setText(device ? device->name() : QString());
    m_row = row;
    m_colomn = colomn;
    m_masterLabel->setVisible(device && device->isMaster());
    QPalette palette = m_nameLabel->palette();
    palette.setColor(QPalette::WindowText, color);
    m_nameLabel->setPalette(palette);
    updateToolTip();
    layoutDisc();
}

void UnionDeviceItemView::clickActionWithSender()
{
    if (m_clickAction)
        m_clickAction(this);
}

void UnionDeviceItemView::settingActionWithSender()
{
    if (m_settingAction)
        m_settingAction(this);
}

void UnionDeviceItemView::nameActionWithSender()
{
    if (m_nameAction)
        m_nameAction(this);
}
