#include "MouseTrackingCell.h"

#include <QEnterEvent>
#include <QMouseEvent>

MouseTrackingCell::MouseTrackingCell(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
}

void MouseTrackingCell::setTrackingOptions(TrackingOptions options)
{
    m_options = options;
    setMouseTracking(options.testFlag(MouseMoved));
}

bool MouseTrackingCell::tracking(TrackingOption kind) const
{
    if (!m_options.testFlag(kind))
        return false;
    return !m_options.testFlag(ActiveInKeyWindow) || isActiveWindow();
}

void MouseTrackingCell::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (tracking(MouseEnteredAndExited))
        mouseEntered();
}

void MouseTrackingCell::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    // Leaving always counts, so a row never stays lit after its window lost focus.
    if (m_options.testFlag(MouseEnteredAndExited))
        mouseExited();
}

void MouseTrackingCell::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (tracking(MouseMoved))
        mouseMoved(event->position().toPoint());
}
