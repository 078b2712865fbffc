#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QWindow;

namespace qxkit {

// Tells when the operator turns away from something shown for a moment (a drop-down list, a
// popover): a left press that lands outside it, the focus passing from a window of its own (or
// the window it sits in) to another, or the application losing the focus. It watches only
// between start() and stop(), and passes every event on unchanged.
class TransientWatch : public QObject
{
    Q_OBJECT

public:
    // Whether a left press at a screen point, on the given widget, lands inside what is watched.
    using Inside = std::function<bool(const QWidget *target, const QPoint &globalPoint)>;

    // Watches `owner`; by default a press is inside when it lands on `owner` or on a widget it
    // owns, windows of its own included.
    explicit TransientWatch(QWidget *owner, Inside inside = {});
    ~TransientWatch() override;

    void start();
    void stop();
    bool isWatching() const { return m_watching; }

signals:
    // The operator turned away; emitted each time while watching.
    void left();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isOwnWindow(const QWindow *window) const;
    void focusWindowChanged(QWindow *window);

    QPointer<QWidget> m_owner;
    Inside m_inside;
    bool m_watching = false;
    bool m_focusInside = false;
};

// Whether `widget` is `owner` or lies inside it, following parents across the windows that
// `owner` and its children own.
bool owns(const QWidget *owner, const QWidget *widget);

} // namespace qxkit
