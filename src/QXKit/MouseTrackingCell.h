#pragma once

#include <QFlags>
#include <QWidget>

// A list row that follows the mouse: it is told when the mouse enters and leaves it and, when
// asked for, when the mouse moves over it. Events arrive only while the row's window is active,
// unless the options say otherwise.
class MouseTrackingCell : public QWidget
{
    Q_OBJECT
public:
    enum TrackingOption {
        MouseEnteredAndExited = 0x01,
        MouseMoved = 0x02,
        ActiveInKeyWindow = 0x20,
    };
    Q_DECLARE_FLAGS(TrackingOptions, TrackingOption)

    explicit MouseTrackingCell(QWidget *parent = nullptr);

    TrackingOptions trackingOptions() const { return m_options; }
    void setTrackingOptions(TrackingOptions options);

protected:
    virtual void mouseEntered() {}
    virtual void mouseExited() {}
    virtual void mouseMoved(const QPoint &) {}

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool tracking(TrackingOption kind) const;

    TrackingOptions m_options = TrackingOptions(MouseEnteredAndExited | ActiveInKeyWindow);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MouseTrackingCell::TrackingOptions)
