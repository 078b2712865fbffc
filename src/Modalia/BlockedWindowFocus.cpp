#include "BlockedWindowFocus.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace Modalia {

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Follows which windows a modal dialog blocks, as Qt tells each window, and sees the X server's
// events before Qt does. Three of them give a window the focus: the focus itself, the window
// manager's offer of it (WM_TAKE_FOCUS) and a request to activate the window, which the
// application also hears of. Qt passes the offer and its own focus changes on to "the window
// that blocks", but between two dialogs over one window that is the window beneath both, which
// then asks to be activated itself.
class BlockedWindowFocus : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit BlockedWindowFocus(xcb_connection_t *connection)
        : m_connection(connection)
        , m_activeWindow(internAtom(connection, "_NET_ACTIVE_WINDOW"))
        , m_protocols(internAtom(connection, "WM_PROTOCOLS"))
        , m_takeFocus(internAtom(connection, "WM_TAKE_FOCUS"))
    {
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t" || m_blocked.isEmpty())
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & ~0x80) {
        case XCB_FOCUS_IN:
        case XCB_FOCUS_OUT: {
            auto *focus = static_cast<xcb_focus_in_event_t *>(message);
            // Qt passes over the focus that only follows the pointer; so does this.
            if (focus->detail == XCB_NOTIFY_DETAIL_POINTER)
                return false;
            const int type = event->response_type & ~0x80;
            return heldBack(focus->event, type == XCB_FOCUS_IN ? Focused : Left, &focus->event);
        }
        case XCB_CLIENT_MESSAGE: {
            const auto *client = static_cast<const xcb_client_message_event_t *>(message);
            const bool activation = client->type == m_activeWindow
                || (client->type == m_protocols && client->data.data32[0] == m_takeFocus);
            return activation && heldBack(client->window, Offered);
        }
        default:
            return false;
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType())
            return false;
        auto *window = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::WindowBlocked && !m_blocked.contains(window)) {
            m_blocked.insert(window);
            connect(window, &QObject::destroyed, this, [this, window] { m_blocked.remove(window); });
        } else if (event->type() == QEvent::WindowUnblocked && m_blocked.remove(window)) {
            disconnect(window, &QObject::destroyed, this, nullptr);
        }
        return false;
    }

private:
    enum Focus { Focused, Left, Offered };

    // Whether the event about the window is kept from Qt: the window is blocked. A window offered
    // the focus, or given it, hands it to the modal dialog.
    // Given it, the window is told to Qt as the dialog itself, which then keeps the activation it
    // had instead of losing it until the window manager has moved the keyboard on.
    bool heldBack(xcb_window_t id, Focus focus, xcb_window_t *told = nullptr) const
    {
        const QWindow *window = blockedWindow(id);
        if (!window)
            return false;
        const QWidget *modal = QApplication::activeModalWidget();
        QWindow *dialog = modal ? modal->windowHandle() : nullptr;
        if (focus == Left || !dialog)
            return true;
        // The dialog's own window is asked for, not the widget: the application may still count
        // it as active while the window manager has moved the focus away.
        dialog->requestActivate();
        // The keyboard is on one of the application's own windows, which may hand it on at once;
        // a window manager may not grant a request it takes for one that comes too late.
        if (focus == Focused && dialog->isExposed()) {
            xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_PARENT, xcb_window_t(dialog->winId()), XCB_CURRENT_TIME);
            xcb_flush(m_connection);
            *told = xcb_window_t(dialog->winId());
            return false;
        }
        return true;
    }

    QWindow *blockedWindow(xcb_window_t id) const
    {
        for (QWindow *window : m_blocked) {
            if (window->handle() && window->winId() == id)
                return window;
        }
        return nullptr;
    }

    xcb_connection_t *const m_connection;
    const xcb_atom_t m_activeWindow;
    const xcb_atom_t m_protocols;
    const xcb_atom_t m_takeFocus;
    QSet<QWindow *> m_blocked;
};

BlockedWindowFocus *installed = nullptr;

} // namespace

void keepFocusOffBlockedWindows()
{
    const auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (installed || !x11 || !x11->connection())
        return;
    installed = new BlockedWindowFocus(x11->connection());
    installed->setParent(qApp);
    qApp->installEventFilter(installed);
    qApp->installNativeEventFilter(installed);
}

} // namespace Modalia
