#include "QXDashboard.h"

#include "AccessibleFactory.h"
#include "QXDashboardAccessible.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <cmath>
#include <numbers>

Q_LOGGING_CATEGORY(lcDashboard, "orvane.kit.dashboard")

namespace {

constexpr int pointerMilliseconds = 500;
// Numbers stand this far inside their tick's radius.
constexpr double labelInset = 22.0;
constexpr double labelWidth = 35.0;
// A number on the vertical through the centre moves this far away from the centre.
constexpr double verticalLabelShift = 3.0;
// Small ticks sit this much further in than large ones.
constexpr double smallTickInset = 2.0;
// A scale finer than this cannot be told apart on a dial of any usable size; such a config
// draws no ticks rather than thousands of overlapping ones.
constexpr double maximumTicks = 3600;
// Room kept free on each side of a number inside its frame.
constexpr double labelPadding = 5.0;
// Values whose integer part fits in a signed 64-bit integer.
constexpr double integerLimit = 9.2e18;

// An angle in whole degrees, 0-359, whichever way round it was turned.
double wholeDegrees(double angle)
{
    const double whole = std::fmod(std::round(angle), 360.0);
    return whole < 0 ? whole + 360 : whole + 0.0;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

bool fitsInteger(double value)
{
    return std::isfinite(value) && value > -integerLimit && value < integerLimit;
}

// The large-tick interval, or 0 when there are no large ticks.
qint64 largeInterval(const QXDashboardConfig &config)
{
    if (config.largeScales < 1 || !fitsInteger(config.maxValue))
        return 0;
    return static_cast<qint64>(std::trunc(config.maxValue)) / config.largeScales;
}

// The shortest turn from one pointer angle to another.
double shortestTurn(double from, double to)
{
    double turn = std::fmod(to - from, 360.0);
    if (turn > 180.0)
        turn -= 360.0;
    else if (turn <= -180.0)
        turn += 360.0;
    return turn;
}

} // namespace

QXDashboard::QXDashboard(const QXDashboardConfig &config, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
{
    qxkit::installAccessibleInterface<QXDashboard, QXDashboardAccessible>();
    setFocusPolicy(Qt::StrongFocus);
    m_pointerAnimation.setDuration(pointerMilliseconds);
    connect(&m_pointerAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &angle) {
        m_pointerAngle = angle.toDouble();
        update();
    });
    buildScale();
}

QSize QXDashboard::sizeHint() const
{
    return QSize(240, 240);
}

QFont QXDashboard::labelFont() const
{
    QFont font = this->font();
    font.setPixelSize(12);
    return font;
}

QPointF QXDashboard::toWidget(const QPointF &dialPoint) const
{
    return QPointF(width() / 2.0 + dialPoint.x(), height() / 2.0 - dialPoint.y());
}

QPointF QXDashboard::toDial(const QPointF &widgetPoint) const
{
    return QPointF(widgetPoint.x() - width() / 2.0, height() / 2.0 - widgetPoint.y());
}

void QXDashboard::buildScale()
{
    const QXDashboardConfig &c = m_config;
    const double step = c.maxValue / c.totalScales;
    const double count = (c.maxValue - c.minValiue) / step;
    if (!std::isfinite(step) || step == 0 || !std::isfinite(count) || count <= 0 || count > maximumTicks)
        return;

    const qint64 interval = largeInterval(c);
    const double labelHeight = QFontMetricsF(labelFont()).height();
    for (int i = 0;; ++i) {
        const double v = c.minValiue + i * step;
        if (step > 0 ? v >= c.maxValue : v <= c.maxValue)
            break;
        const bool large = interval != 0 && fitsInteger(v) && static_cast<qint64>(std::trunc(v)) % interval == 0;
        const double width = large ? c.largeAngle : c.smallAngle;
        const double length = large ? c.largeLength : c.smallLength;
        const double start = (c.zeroAngle - v) + width / 2;
        double radius = c.outRadius - c.outLineWidth / 2 - length / 2;
        if (!large)
            radius -= smallTickInset;
        m_ticks.append({v, large, start, start - width, radius, length, large ? c.largeScaleColor : c.smallScaleColor});

        if (!large)
            continue;
        const double labelRadius = radius - labelInset;
        const double direction = radians(c.zeroAngle - v);
        QPointF anchor(std::round(labelRadius * std::cos(direction)), std::round(labelRadius * std::sin(direction)));
        Qt::Alignment alignment = Qt::AlignHCenter;
        if (anchor.x() > 0) {
            alignment = Qt::AlignRight;
        } else if (anchor.x() < 0) {
            alignment = Qt::AlignLeft;
        } else {
            anchor.ry() += v == c.minValiue ? verticalLabelShift : -verticalLabelShift;
        }
        m_labels.append({v, QString::asprintf("%.0f", v), anchor, alignment, QSizeF(labelWidth, labelHeight)});
    }
    // One line per dial: a line per tick flooded the log with sixty lines for every dial built.
    if (!m_ticks.isEmpty())
        qCDebug(lcDashboard) << "Scale Start:" << m_ticks.constFirst().startAngle
                             << " End:" << m_ticks.constLast().endAngle << " Ticks:" << m_ticks.size();
}

void QXDashboard::setValue(double value)
{
    if (!std::isfinite(value))
        return;
    m_value = value;
    m_pointerAnimation.stop();
    m_pointerAnimation.setStartValue(m_pointerAngle);
    m_pointerAnimation.setEndValue(m_pointerAngle + shortestTurn(m_pointerAngle, value));
    m_pointerAnimation.start();
    QAccessibleValueChangeEvent event(this, m_value);
    QAccessible::updateAccessibility(&event);
}

void QXDashboard::onClickeWithClick(const QPointF &location)
{
    const QPointF p = toDial(location);
    const double distance = std::hypot(p.x(), p.y());
    // The exact centre has no direction; it must not become a value.
    if (m_config.outRadius < distance || distance == 0)
        return;

    const QPointF up(0, 10.0);
    const double cosine = (up.x() * p.x() + up.y() * p.y()) / (10.0 * distance);
    double angle = 0;
    if (cosine >= 1)
        angle = 0;
    else if (cosine <= -1)
        angle = 180;
    else
        angle = std::acos(cosine) * 180.0 / std::numbers::pi;
    qCDebug(lcDashboard) << "Click Angle:" << angle;
    if (p.x() < 0)
        angle = 360 - angle;

    chooseValue(angle);
}

void QXDashboard::chooseValue(double angle)
{
    if (!std::isfinite(angle))
        return;
    const double newValue = wholeDegrees(angle);
    qCDebug(lcDashboard) << "Round Angle:" << newValue;
    m_keyboardValue.reset();
    const QPointer<QXDashboard> self(this);
    if (m_delegate)
        m_delegate->valueChanged(m_value, newValue);
    if (self)
        setValue(newValue);
}

double QXDashboard::pointedValue() const
{
    return m_keyboardValue.value_or(m_value);
}

void QXDashboard::keyPressEvent(QKeyEvent *event)
{
    const double pointed = pointedValue();
    std::optional<double> turned;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        turned = pointed - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        turned = pointed + 1;
        break;
    case Qt::Key_PageDown:
        turned = pointed - 10;
        break;
    case Qt::Key_PageUp:
        turned = pointed + 10;
        break;
    case Qt::Key_Home:
        turned = 0;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_keyboardValue)
            chooseValue(*m_keyboardValue);
        return;
    case Qt::Key_Escape:
        if (m_keyboardValue) {
            pointKeyboardAt(std::nullopt);
            return;
        }
        break;
    default:
        break;
    }
    if (turned)
        pointKeyboardAt(wholeDegrees(*turned));
    else
        QWidget::keyPressEvent(event);
}

void QXDashboard::focusOutEvent(QFocusEvent *event)
{
    if (m_keyboardValue)
        pointKeyboardAt(std::nullopt);
    QWidget::focusOutEvent(event);
}

void QXDashboard::pointKeyboardAt(std::optional<double> angle)
{
    m_keyboardValue = angle;
    m_pointerAnimation.stop();
    m_pointerAngle = pointedValue();
    update();
    QAccessibleValueChangeEvent event(this, pointedValue());
    QAccessible::updateAccessibility(&event);
}

void QXDashboard::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        onClickeWithClick(event->position());
    else
        QWidget::mouseDoubleClickEvent(event);
}

void QXDashboard::paintEvent(QPaintEvent *)
{
    const QXDashboardConfig &c = m_config;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = toWidget(QPointF(0, 0));

    // Qt's arc angles run counter-clockwise on screen, as the dial's do: they need no flip.
    const auto arc = [&centre](double radius, double start, double sweep) {
        QPainterPath path;
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        return path;
    };

    QBrush ringBrush(c.circleColor);
    if (c.circleGradientColors && !c.circleGradientColors->isEmpty()) {
        const QList<QColor> &colors = *c.circleGradientColors;
        QLinearGradient gradient(toWidget(QPointF((c.circleGradientStartPoint.x() - 0.5) * width(),
                                                  (c.circleGradientStartPoint.y() - 0.5) * height())),
                                 toWidget(QPointF((c.circleGradientEndPoint.x() - 0.5) * width(),
                                                  (c.circleGradientEndPoint.y() - 0.5) * height())));
        for (int i = 0; i < colors.size(); ++i)
            gradient.setColorAt(colors.size() == 1 ? 0.0 : double(i) / (colors.size() - 1), colors.at(i));
        ringBrush = QBrush(gradient);
    }
    painter.strokePath(arc(c.outRadius, c.zeroAngle, -360), QPen(ringBrush, c.outLineWidth));

    for (const ScaleTick &tick : std::as_const(m_ticks)) {
        painter.strokePath(arc(tick.radius, tick.startAngle, tick.endAngle - tick.startAngle),
                           QPen(tick.color, tick.length, Qt::SolidLine, Qt::FlatCap));
    }

    painter.setFont(labelFont());
    painter.setPen(c.labelColor);
    for (const ScaleLabel &label : std::as_const(m_labels)) {
        const QPointF anchor = toWidget(label.anchor);
        const QRectF frame(anchor.x() - label.size.width() / 2, anchor.y() - label.size.height() / 2,
                           label.size.width(), label.size.height());
        painter.drawText(frame.adjusted(labelPadding, 0, -labelPadding, 0), label.alignment | Qt::AlignVCenter,
                         label.text);
    }

    // The pointer is drawn tip up and turned clockwise by its angle about the centre.
    QPainterPath pointer = arc(c.pointerRadius, c.zeroAngle + c.pointerGapAngle / 2, 360 - c.pointerGapAngle);
    pointer.lineTo(toWidget(QPointF(0, c.pointerRadius + c.pointerLength)));
    pointer.closeSubpath();
    painter.translate(centre);
    painter.rotate(m_pointerAngle);
    painter.translate(-centre);
    painter.fillPath(pointer, c.pointerColor);
}
