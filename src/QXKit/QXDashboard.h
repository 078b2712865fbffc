#pragma once

#include "QXDashboardConfig.h"
#include "QXDashboardDelegate.h"

#include <QList>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

// A round dial: a ring, a scale of ticks with numbers at the large ones, and a pointer that
// turns about the centre to show `value`, in degrees clockwise from straight up. A double click
// within the ring sets the value to the click's angle in whole degrees (0-359), telling the
// delegate first; a single click changes nothing. The scale is built once from the config.
//
// Keyboard: the arrow keys turn the pointer a degree (Page Up and Page Down ten, Home to 0)
// without changing the value; Return or Enter then sets the pointed angle as a double click
// there would, and Esc or leaving the dial turns the pointer back to the value.
class QXDashboard : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)

public:
    // Positions are offsets from the dial's centre with y growing upward; angles are degrees
    // counter-clockwise from the positive x axis.
    struct ScaleTick
    {
        double value = 0;
        bool large = false;
        // The tick is an arc from startAngle clockwise to endAngle, stroked `length` wide
        // around `radius`.
        double startAngle = 0;
        double endAngle = 0;
        double radius = 0;
        double length = 0;
        QColor color;
    };
    struct ScaleLabel
    {
        double value = 0;
        QString text;
        QPointF anchor;
        // Left, right or centred about the anchor.
        Qt::Alignment alignment;
        // Centred on the anchor.
        QSizeF size;
    };

    explicit QXDashboard(const QXDashboardConfig &config = QXDashboardConfig(), QWidget *parent = nullptr);

    const QXDashboardConfig &config() const { return m_config; }

    double value() const { return m_value; }
    // Stores the value and turns the pointer there in 0.5 s. Non-finite values are ignored.
    void setValue(double value);

    // Not owned; must outlive the dial or be reset first.
    QXDashboardDelegate *delegate() const { return m_delegate; }
    void setDelegate(QXDashboardDelegate *delegate) { m_delegate = delegate; }

    const QList<ScaleTick> &scaleTicks() const { return m_ticks; }
    const QList<ScaleLabel> &scaleLabels() const { return m_labels; }

    // The double-click rule, for a click at `location` in widget coordinates.
    void onClickeWithClick(const QPointF &location);
    // Sets an angle as the operator's choice, as a double click at that angle does: the
    // delegate is told first. The angle is taken in whole degrees, 0-359.
    void chooseValue(double angle);
    // The angle the pointer shows while the keyboard turns it; the value otherwise.
    double pointedValue() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void buildScale();
    // Turns the pointer to the angle without choosing it; none turns it back to the value.
    void pointKeyboardAt(std::optional<double> angle);
    QFont labelFont() const;
    // Between the dial's y-up space around the centre and Qt's y-down widget coordinates: the
    // only places that know the two axes point opposite ways.
    QPointF toWidget(const QPointF &dialPoint) const;
    QPointF toDial(const QPointF &widgetPoint) const;

    QXDashboardConfig m_config;
    double m_value = 0;
    QXDashboardDelegate *m_delegate = nullptr;
    QList<ScaleTick> m_ticks;
    QList<ScaleLabel> m_labels;
    // The angle the pointer is drawn at, following `value` through the animation.
    double m_pointerAngle = 0;
    // The angle the keyboard has turned the pointer to, not yet chosen.
    std::optional<double> m_keyboardValue;
    QVariantAnimation m_pointerAnimation;
};
