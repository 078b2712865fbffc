#include "QXButton.h"

#include "QXColor.h"
#include "QXView.h"

#include <QEvent>
#include <QPainter>

QXButton::QXButton(QWidget *parent)
    : QXButton(QString(), parent)
{
}

QXButton::QXButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QPalette titlePalette = palette();
    titlePalette.setColor(QPalette::ButtonText, Qt::white);
    setPalette(titlePalette);
    qxkit::setCRadius(this, 4);
    applyEnabledColor();
}

QSize QXButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return QSize(qMax(80, text.width() + 32), qMax(32, text.height() + 14));
}

void QXButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        applyEnabledColor();
    QPushButton::changeEvent(event);
}

void QXButton::paintEvent(QPaintEvent *)
{
    // The background is the layer under this drawing; only the text and the focus ring are ours.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 50));
        painter.drawRoundedRect(QRectF(rect()), 4, 4);
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(170, 170, 170));
    painter.setFont(font());
    painter.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void QXButton::applyEnabledColor()
{
    qxkit::setBgColor(this, isEnabled() ? qxkit::globalThemeColor() : qxkit::disabledButtonColor());
}
