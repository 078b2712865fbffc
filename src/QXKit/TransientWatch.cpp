#include "TransientWatch.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

namespace qxkit {

bool owns(const QWidget *owner, const QWidget *widget)
{
    for (; owner && widget; widget = widget->parentWidget()) {
        if (widget == owner)
            return true;
    }
    return false;
}

TransientWatch::TransientWatch(QWidget *owner, Inside inside)
    : m_owner(owner)
    , m_inside(std::move(inside))
{
    if (!m_inside)
        m_inside = [this](const QWidget *target, const QPoint &) { return owns(m_owner, target); };
}

TransientWatch::~TransientWatch()
{
    stop();
}

void TransientWatch::start()
{
    if (std::exchange(m_watching, true) || !qApp)
        return;
    // The platform's focus window may lag behind the window the application made active (a
    // window manager that has not answered yet, or none at all): either counts as inside.
    const QWidget *active = QApplication::activeWindow();
    m_focusInside = isOwnWindow(QGuiApplication::focusWindow()) || (active && isOwnWindow(active->windowHandle()));
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TransientWatch::focusWindowChanged);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            emit left();
    });
}

void TransientWatch::stop()
{
    if (!std::exchange(m_watching, false) || !qApp)
        return;
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

bool TransientWatch::eventFilter(QObject *watched, QEvent *event)
{
    // A press reaches the window first and then the widget under it; the widget decides.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::LeftButton
            && !m_inside(static_cast<QWidget *>(watched), press->globalPosition().toPoint()))
            emit left();
    }
    return QObject::eventFilter(watched, event);
}

bool TransientWatch::isOwnWindow(const QWindow *window) const
{
    if (!window || !m_owner)
        return false;
    // A platform may activate every window it shows, the owner's own window among them.
    if (const QWidget *home = m_owner->window(); home && home->windowHandle() == window)
        return true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *top : windows) {
        if (top->windowHandle() == window && owns(m_owner, top))
            return true;
    }
    return false;
}

void TransientWatch::focusWindowChanged(QWindow *window)
{
    // No focus window at all is the application losing the focus, told by its state.
    if (!window)
        return;
    // Only a move away counts: activations still on their way when the watch started (the
    // window beneath a popover that has just opened) do not.
    const bool own = isOwnWindow(window);
    if (std::exchange(m_focusInside, own) && !own)
        emit left();
}

} // namespace qxkit
