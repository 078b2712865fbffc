#include "LinearSliderCell.h"

#include "QXColor.h"

#include <QPainter>

namespace {

// The part of the width the filled bar may cover: the track less the knob's overhang.
constexpr qreal fillInset = 8.0;
constexpr qreal tickWidth = 2.0;
constexpr qreal tickHeight = 6.0;

} // namespace

LinearSliderCell::LinearSliderCell(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void LinearSliderCell::setNumberOfTickMarks(int count)
{
    m_numberOfTickMarks = count;
    update();
}

QRectF LinearSliderCell::barRect() const
{
    return QRectF(0, (height() - barHeight) / 2, width(), barHeight);
}

QRectF LinearSliderCell::filledBarRect() const
{
    const QRectF bar = barRect();
    // An empty range has no position to fill up to.
    if (maximum() <= minimum())
        return QRectF(bar.topLeft(), QSizeF(0, barHeight));
    const qreal fraction = qreal(value() - minimum()) / qreal(maximum() - minimum());
    return QRectF(bar.topLeft(), QSizeF(qMax<qreal>(0, fraction * (width() - fillInset)), barHeight));
}

QList<QRectF> LinearSliderCell::tickMarkRects() const
{
    QList<QRectF> ticks;
    const int count = m_numberOfTickMarks;
    if (count < 1)
        return ticks;
    const qreal areaWidth = width() - knobThickness;
    const qreal spacing = count > 1 ? areaWidth / (count - 1) : 0;
    for (int i = 0; i < count; ++i)
        ticks.append(QRectF(knobThickness / 2 + i * spacing, 1.0, tickWidth, tickHeight));
    return ticks;
}

QSize LinearSliderCell::sizeHint() const
{
    return QSize(160, 24);
}

QRectF LinearSliderCell::knobRect() const
{
    const qreal travel = width() - knobThickness;
    const qreal fraction = maximum() > minimum() ? qreal(value() - minimum()) / qreal(maximum() - minimum()) : 0;
    return QRectF(fraction * travel, (height() - knobThickness) / 2, knobThickness, knobThickness);
}

void LinearSliderCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor white = isEnabled() ? QColor(Qt::white) : QColor(150, 150, 150);
    painter.setBrush(white);
    painter.drawRoundedRect(barRect(), 2.5, 2.5);
    const QRectF filled = filledBarRect();
    if (filled.width() > 0)
        painter.drawRoundedRect(filled, 2.5, 2.5);
    for (const QRectF &tick : tickMarkRects())
        painter.drawRoundedRect(tick, 1.0, 1.0);
    painter.setBrush(hasFocus() ? qxkit::globalThemeColor() : white);
    painter.drawEllipse(knobRect().adjusted(1, 1, -1, -1));
}
