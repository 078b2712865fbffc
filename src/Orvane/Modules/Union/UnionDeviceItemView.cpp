#include "UnionDeviceItemView.h"

#include "NetworkingDevice.h"
#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "StandardIcon.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int kInset = 10;
constexpr int kSettingSide = 20;
// The name's centre lies this far above the disc's.
constexpr int kNameRise = 5;
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

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

// The fan's name inside its disc: wrapped to the room it is given, at a blank where the name has
// one and inside a word where it has none, and cut with an ellipsis after the last line that
// fits. Its text, which assistive technology reads, stays the whole name.
class UnionDeviceItemView::DiscNameLabel : public QLabel
{
public:
    DiscNameLabel()
    {
        setForegroundRole(QPalette::WindowText);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFont(smallFont());
    }

    // Lays the name out in at most `maxLines` lines no wider than `width`; returns their height.
    int fit(int width, int maxLines)
    {
        m_lines.clear();
        m_elided = false;
        const QString name = text();
        if (name.isEmpty() || width <= 0)
            return 0;
        QTextLayout layout(name, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QList<std::pair<int, int>> spans;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            spans.append({line.textStart(), line.textLength()});
        }
        layout.endLayout();
        for (qsizetype i = 0; i < spans.size(); ++i) {
            if (i == maxLines - 1 && spans.size() > maxLines) {
                m_lines.append(fontMetrics().elidedText(name.mid(spans.at(i).first), Qt::ElideRight, width));
                m_elided = true;
                break;
            }
            m_lines.append(withoutTrailingBlanks(name.mid(spans.at(i).first, spans.at(i).second)));
        }
        update();
        return int(m_lines.size()) * fontMetrics().lineSpacing();
    }

    QStringList lines() const { return m_lines; }
    bool isElided() const { return m_elided; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const int lineHeight = fontMetrics().lineSpacing();
        const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
        int top = (height() - int(m_lines.size()) * lineHeight) / 2;
        for (const QString &line : m_lines) {
            painter.drawText(QRect(0, top, width(), lineHeight), flags, line);
            top += lineHeight;
        }
    }

private:
    QStringList m_lines;
    bool m_elided = false;
};

UnionDeviceItemView::UnionDeviceItemView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_contentView(new DiscView(this))
    , m_bottomBtn(new ClearButton(true))
    , m_masterLabel(qxkit::label({}, qxkit::globalThemeColor(), smallFont()))
    , m_nameLabel(new DiscNameLabel)
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
    QPalette namePalette = m_nameLabel->palette();
    namePalette.setColor(QPalette::WindowText, qxkit::hexWithHex(kDefaultNameColor));
    m_nameLabel->setPalette(namePalette);
    m_nameBtn->hide();

    m_settingBtn->setIcon(qxkit::standardIcon(QStyle::SP_FileDialogDetailedView));
    m_settingBtn->setAutoRaise(true);
    m_settingBtn->setFocusPolicy(Qt::StrongFocus);
    m_settingBtn->setCursor(Qt::PointingHandCursor);
    qxkit::setToolTipKey(m_settingBtn, QStringLiteral("ov_param_conf"));
    m_settingBtn->hide();

    connect(m_bottomBtn, &QPushButton::clicked, this, &UnionDeviceItemView::clickActionWithSender);
    connect(m_nameBtn, &QPushButton::clicked, this, &UnionDeviceItemView::nameActionWithSender);
    connect(m_settingBtn, &QToolButton::clicked, this, &UnionDeviceItemView::settingActionWithSender);
    layoutDisc();
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

    const QRect setting((disc.width() - kSettingSide) / 2, disc.height() - kInset - kSettingSide, kSettingSide,
                        kSettingSide);
    m_settingBtn->setGeometry(setting);

    // The name's lines keep their whole width inside the circle and clear of the master mark and
    // the setting button, whether these show or not, so a name never moves when they do.
    const int nameWidth = std::max(0, disc.width() - 2 * kInset);
    const double radius = disc.width() / 2.0;
    const double reach = std::sqrt(std::max(0.0, radius * radius - (nameWidth / 2.0) * (nameWidth / 2.0)));
    const double centre = disc.height() / 2.0 - kNameRise;
    const double top = std::max(disc.height() / 2.0 - reach, double(m_masterLabel->geometry().bottom() + 1));
    const double bottom = std::min(disc.height() / 2.0 + reach, double(setting.top()));
    const int room = int(2 * std::min(centre - top, bottom - centre));
    DiscNameLabel *name = discName();
    const int maxLines = std::max(1, room / name->fontMetrics().lineSpacing());
    const int nameHeight = name->fit(nameWidth, maxLines);
    const QRect nameRect(kInset, int(std::lround(centre - nameHeight / 2.0)), nameWidth, nameHeight);
    m_nameLabel->setGeometry(nameRect);
    m_nameBtn->setGeometry(nameRect);
    // Whether the name was cut decides what the tool tip says.
    updateToolTip();
}

UnionDeviceItemView::DiscNameLabel *UnionDeviceItemView::discName() const
{
    return static_cast<DiscNameLabel *>(m_nameLabel);
}

QStringList UnionDeviceItemView::nameLines() const
{
    return discName()->lines();
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
    const QString row = QString::number(m_row + 1);
    const QString colomn = QString::number(m_colomn + 1);
    const QString ip = m_device ? m_device->ip() : QString();
    const QString name = m_device ? m_device->name() : QString();
    const QString place = QStringLiteral(" %1-%2 %3").arg(row, colomn, ip);
    // A name cut short in the disc is read whole in the tool tip.
    setToolTip(discName()->isElided() ? name + QLatin1Char('\n') + place : place);

    // The whole name, however the disc shows it, with the slot's place in words.
    const QString tileName = name.isEmpty() ? qxLocalized("ov_a11y_grid_empty").arg(row, colomn)
                                            : qxLocalized("ov_a11y_grid_fan").arg(name, row, colomn);
    setAccessibleName(tileName);
    m_bottomBtn->setAccessibleName(tileName);
    m_bottomBtn->setAccessibleDescription(ip);
    m_nameBtn->setAccessibleName(qxLocalized("ov_playlist") + QStringLiteral(": ") + name);
    m_settingBtn->setAccessibleName(qxLocalized("ov_param_conf") + QStringLiteral(": ") + name);
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
