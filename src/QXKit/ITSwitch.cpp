#include "ITSwitch.h"

#include "AccessibleFactory.h"
#include "ITSwitchAccessible.h"

#include <QAccessible>
#include <QEasingCurve>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The knob's share of the track at rest is the golden ratio (as the single-precision value the
// drawing has always used); pressed, it widens to the smaller ratio.
constexpr qreal restingKnobRatio = 1.6180340051651;
constexpr qreal pressedKnobRatio = 1.38;
constexpr qreal knobInset = 1.0;
constexpr qreal borderWidth = 1.0;
constexpr int animationMilliseconds = 200;

// Settles the knob with a small overshoot past its resting place.
QEasingCurve overshootCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.25, 1.5), QPointF(0.5, 1.0), QPointF(1.0, 1.0));
    return curve;
}

qreal mix(qreal from, qreal to, qreal t)
{
    return from + (to - from) * t;
}

QColor mix(const QColor &from, const QColor &to, qreal t)
{
    const qreal clamped = std::clamp(t, 0.0, 1.0);
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(mix(a.redF(), b.redF(), clamped), mix(a.greenF(), b.greenF(), clamped),
                            mix(a.blueF(), b.blueF(), clamped), mix(a.alphaF(), b.alphaF(), clamped));
}

void fillRounded(QPainter &painter, const QRectF &rect, const QColor &color)
{
    const qreal radius = rect.height() / 2;
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, color);
}

} // namespace

ITSwitch::ITSwitch(QWidget *parent)
    : QWidget(parent)
    , m_tintColor(QColor::fromRgbF(0.27f, 0.86f, 0.36f, 1.0f))
    , m_disabledBorderColor(QColor::fromRgbF(0, 0, 0, 0.2f))
{
    qxkit::installAccessibleInterface<ITSwitch, ITSwitchAccessible>();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setDuration(animationMilliseconds);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    reloadLayerSize();
}

void ITSwitch::setChecked(bool checked)
{
    if (checked != m_checked) {
        m_checked = checked;
        emit checkedChanged(m_checked);
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    reloadLayer();
}

void ITSwitch::setTintColor(const QColor &color)
{
    m_tintColor = color;
    reloadLayer();
}

void ITSwitch::setDisabledBorderColor(const QColor &color)
{
    m_disabledBorderColor = color;
    reloadLayer();
}

qreal ITSwitch::knobHeightForSize(const QSizeF &size)
{
    return size.height() - 2.0;
}

QRectF ITSwitch::rectForKnob() const
{
    const QSizeF bounds = size();
    const qreal width = (bounds.width() - 2.0) / (m_active ? pressedKnobRatio : restingKnobRatio);
    const qreal x = shownOn() ? bounds.width() - width - knobInset : knobInset;
    return QRectF(x, knobInset, width, knobHeightForSize(bounds));
}

QSize ITSwitch::sizeHint() const
{
    return QSize(50, 30);
}

ITSwitch::Appearance ITSwitch::targetAppearance() const
{
    const bool on = shownOn();
    return {rectForKnob(), on ? m_tintColor : m_disabledBorderColor, on ? m_tintColor : QColor(Qt::transparent),
            isEnabled() ? 1.0 : 0.5};
}

ITSwitch::Appearance ITSwitch::currentAppearance() const
{
    if (m_animation.state() != QAbstractAnimation::Running)
        return m_to;
    // Past 1 the knob overshoots; colours and opacity stop at their target.
    const qreal t = m_animation.currentValue().toReal();
    const QRectF knob(mix(m_from.knob.x(), m_to.knob.x(), t), mix(m_from.knob.y(), m_to.knob.y(), t),
                      mix(m_from.knob.width(), m_to.knob.width(), t), mix(m_from.knob.height(), m_to.knob.height(), t));
    return {knob, mix(m_from.border, m_to.border, t), mix(m_from.fill, m_to.fill, t),
            mix(m_from.opacity, m_to.opacity, std::clamp(t, 0.0, 1.0))};
}

void ITSwitch::reloadLayer()
{
    m_from = currentAppearance();
    m_to = targetAppearance();
    m_animation.stop();
    m_animation.setEasingCurve(m_dragged ? QEasingCurve(QEasingCurve::Linear) : overshootCurve());
    m_animation.start();
    update();
}

void ITSwitch::reloadLayerSize()
{
    m_animation.stop();
    m_to = targetAppearance();
    m_from = m_to;
    update();
}

void ITSwitch::userSetChecked(bool checked)
{
    const bool before = m_checked;
    setChecked(checked);
    if (m_checked != before)
        emit action(m_checked);
}

void ITSwitch::paintEvent(QPaintEvent *)
{
    const Appearance shown = currentAppearance();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(shown.opacity);

    const QRectF track = QRectF(rect()).adjusted(borderWidth / 2, borderWidth / 2, -borderWidth / 2, -borderWidth / 2);
    const qreal radius = height() / 2.0;
    painter.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : shown.border,
                        hasFocus() ? 2 * borderWidth : borderWidth));
    painter.setBrush(shown.fill);
    painter.drawRoundedRect(track, radius, radius);

    // A soft shadow below the knob and a faint rim around it, then the white knob itself.
    fillRounded(painter, shown.knob.translated(0, 1.5), QColor(0, 0, 0, 40));
    fillRounded(painter, shown.knob.adjusted(-0.5, -0.5, 0.5, 0.5), QColor(0, 0, 0, 45));
    fillRounded(painter, shown.knob, Qt::white);
}

void ITSwitch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_active = true;
    reloadLayer();
}

void ITSwitch::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_active) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    m_dragged = true;
    m_draggingTowardsOn = event->position().x() >= width() / 2.0;
    reloadLayer();
}

void ITSwitch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_active) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_active = false;
    userSetChecked(m_dragged ? m_draggingTowardsOn : !m_checked);
    m_dragged = false;
    m_draggingTowardsOn = false;
    reloadLayer();
}

void ITSwitch::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        if (m_checked)
            userSetChecked(false);
        break;
    case Qt::Key_Right:
        if (!m_checked)
            userSetChecked(true);
        break;
    case Qt::Key_Space:
        // Holding the bar down must not make the switch flicker.
        if (!event->isAutoRepeat())
            userSetChecked(!m_checked);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ITSwitch::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // A press that the disabling cut short never sees its release.
    if (!isEnabled())
        m_active = m_dragged = m_draggingTowardsOn = false;
    reloadLayer();
}

void ITSwitch::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    reloadLayerSize();
}
