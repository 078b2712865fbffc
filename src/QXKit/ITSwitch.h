#pragma once

#include <QColor>
#include <QRectF>
#include <QVariantAnimation>
#include <QWidget>

// An on/off switch: a rounded track that fills with the tint colour when on and a white knob
// that slides from the left (off) to the right (on). A click toggles it, a drag decides by the
// half the pointer is in on release, Left/Right move it to off/on and Space toggles it when it
// has the focus. `action` is emitted only for such user changes, after `checked` holds the new
// state; setChecked() never emits it.
class ITSwitch : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(QColor tintColor READ tintColor WRITE setTintColor)
    Q_PROPERTY(QColor disabledBorderColor READ disabledBorderColor WRITE setDisabledBorderColor)

public:
    explicit ITSwitch(QWidget *parent = nullptr);

    bool checked() const { return m_checked; }
    // Shows the state (animated) without emitting `action`; works while disabled too.
    void setChecked(bool checked);

    // Fill and border when on.
    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color);
    // Border when off.
    QColor disabledBorderColor() const { return m_disabledBorderColor; }
    void setDisabledBorderColor(const QColor &color);

    // The mouse button is down on the switch.
    bool isActive() const { return m_active; }
    // The mouse moved while down.
    bool hasDragged() const { return m_dragged; }
    // While dragging: the pointer is in the right half.
    bool isDraggingTowardsOn() const { return m_draggingTowardsOn; }

    // The knob's resting place for the current state: the whole height less a point above and
    // below, the golden-ratio share of the width (wider while pressed), at the shown side.
    QRectF rectForKnob() const;
    static qreal knobHeightForSize(const QSizeF &size);

    QSize sizeHint() const override;

signals:
    // The user changed the state; `checked` already holds it.
    void action(bool checked);
    // Every change of `checked`, from the user or from code.
    void checkedChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ITSwitchAccessible;

    struct Appearance
    {
        QRectF knob;
        QColor border;
        QColor fill;
        qreal opacity = 1.0;
    };

    bool shownOn() const { return m_dragged ? m_draggingTowardsOn : m_checked; }
    Appearance targetAppearance() const;
    Appearance currentAppearance() const;
    // Moves the drawing to the current state: animated, with an overshoot unless dragging.
    void reloadLayer();
    // Moves the drawing to the current state at once (after a resize).
    void reloadLayerSize();
    // A change made by the user: store it, and emit `action` when it differs.
    void userSetChecked(bool checked);

    bool m_checked = false;
    QColor m_tintColor;
    QColor m_disabledBorderColor;
    bool m_active = false;
    bool m_dragged = false;
    bool m_draggingTowardsOn = false;

    Appearance m_from;
    Appearance m_to;
    QVariantAnimation m_animation;
};
