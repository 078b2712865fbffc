#include "UnionSelectableCell.h"

#include "AccessibleFactory.h"
#include "CoverBox.h"
#include "QXColor.h"
#include "UnionSelectableCellAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

UnionSelectableCell::UnionSelectableCell(QWidget *parent)
    : MouseTrackingCell(parent)
    , m_coverView(new CoverBox(this))
{
    qxkit::installAccessibleInterface<UnionSelectableCell, UnionSelectableCellAccessible>();
    setFocusPolicy(Qt::StrongFocus);
    m_coverView->hide();
}

void UnionSelectableCell::setIsSelected(bool isSelected)
{
    if (m_isSelected != isSelected) {
        m_isSelected = isSelected;
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    showCover(isSelected);
}

void UnionSelectableCell::prepareForReuse()
{
    showCover(false);
}

void UnionSelectableCell::showCover(bool shown)
{
    m_coverView->setVisible(shown);
    if (shown)
        m_coverView->raise();
}

void UnionSelectableCell::mouseEntered()
{
    showCover(true);
}

void UnionSelectableCell::mouseExited()
{
    if (!m_isSelected)
        showCover(false);
}

void UnionSelectableCell::resizeEvent(QResizeEvent *event)
{
    MouseTrackingCell::resizeEvent(event);
    m_coverView->setGeometry(rect());
}

void UnionSelectableCell::mousePressEvent(QMouseEvent *event)
{
    MouseTrackingCell::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit activated();
}

void UnionSelectableCell::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated();
        return;
    default:
        MouseTrackingCell::keyPressEvent(event);
    }
}

void UnionSelectableCell::focusInEvent(QFocusEvent *event)
{
    MouseTrackingCell::focusInEvent(event);
    update();
}

void UnionSelectableCell::focusOutEvent(QFocusEvent *event)
{
    MouseTrackingCell::focusOutEvent(event);
    update();
}

void UnionSelectableCell::paintEvent(QPaintEvent *event)
{
    MouseTrackingCell::paintEvent(event);
    QPainter painter(this);
    // A faint line keeps neighbouring rows apart.
    painter.setPen(QColor(255, 255, 255, 20));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    if (!hasFocus())
        return;
    painter.setPen(QPen(qxkit::globalThemeColor(), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
