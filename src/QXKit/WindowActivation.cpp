#include "WindowActivation.h"

#include "QXEventLoop.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace qxkit {

namespace {

// The visible top-level widget the platform has given the keyboard; null when that is none of
// the application's windows or a popup.
QWidget *focusedWindow()
{
    const QWindow *focused = QGuiApplication::focusWindow();
    if (!focused)
        return nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->windowHandle() == focused)
            return window->isVisible() && window->windowType() != Qt::Popup ? window : nullptr;
    }
    return nullptr;
}

void catchUp()
{
    if (QApplication::activePopupWidget())
        return;
    if (QWidget *window = focusedWindow(); window && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
}

// Sees every popup go; the check waits for the turn after, once Qt has closed it.
class PopupClosing : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->windowType() == Qt::Popup)
            qxNextTurn(qApp, catchUp);
        return false;
    }
};

QPointer<PopupClosing> watch;

} // namespace

void keepActiveWindowInStep()
{
    if (watch || !qApp)
        return;
    watch = new PopupClosing(qApp);
    qApp->installEventFilter(watch);
}

} // namespace qxkit
