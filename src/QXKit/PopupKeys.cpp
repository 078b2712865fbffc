#include "PopupKeys.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>

namespace qxkit {

namespace {

// Hears every key the platform delivers to a window and tells, for each key, the window its last
// press reached; a repeat or release meant for another window is held back.
class KeyWindows : public QObject, public QAbstractNativeEventFilter
{
public:
    using QObject::QObject;

    static KeyWindows &installed()
    {
        static QPointer<KeyWindows> windows;
        if (!windows) {
            windows = new KeyWindows(qApp);
            qApp->installEventFilter(windows);
            qApp->installNativeEventFilter(windows);
        }
        return *windows;
    }

    // The press opened a popup: the key answers no window until it is pressed again.
    void holdBack(const QKeyEvent &press) { m_keys[press.key()].window = nullptr; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_key_press_event_t *>(message);
        const int type = event->response_type & ~0x80;
        if (type == XCB_KEY_RELEASE) {
            m_x11Keys[event->detail].releasedAt = event->time;
        } else if (type == XCB_KEY_PRESS) {
            X11Key &key = m_x11Keys[event->detail];
            key.lastPressRepeats = event->time == key.releasedAt;
            if (key.lastPressRepeats)
                key.repeatAt = event->time;
        }
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // Decided once for each key event the platform delivers, as it reaches the window: the
        // widgets that hand a key on among them (a popup passing its keys to the box that owns
        // it) see only what was passed.
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType())
            return false;
        const auto *keyEvent = static_cast<const QKeyEvent *>(event);
        QWidget *window = receivingWindow(static_cast<QWindow *>(watched));
        if (!window)
            return false;
        Key &key = m_keys[keyEvent->key()];
        if (type == QEvent::KeyRelease || keyEvent->isAutoRepeat())
            return !key.answers(window);
        // The release went out as a real one, so its press would start a second click of a
        // button held down.
        if (repeatsItsRelease(*keyEvent))
            return true;
        key = Key{window};
        return false;
    }

private:
    // X11 sends each repeat as a release and a press of the same moment. Qt tells them from the
    // key let go by the press that follows, and misses it when that press is still on its way:
    // the pair then comes as a release and a fresh press.
    bool repeatsItsRelease(const QKeyEvent &press) const
    {
        const X11Key key = m_x11Keys.value(press.nativeScanCode());
        // A screen reader's bridge passes the keys on as copies without their time; the key's
        // latest press, a moment before, tells instead.
        return press.timestamp() ? press.timestamp() == key.repeatAt : key.lastPressRepeats;
    }

    // The window of the widget a key delivered to the platform window goes to: an open popup
    // takes every key.
    static QWidget *receivingWindow(QWindow *window)
    {
        QWidget *widget = QWidget::keyboardGrabber();
        if (!widget)
            widget = QApplication::activePopupWidget();
        if (!widget)
            widget = qobject_cast<QWidget *>(window->focusObject());
        return widget ? widget->window() : nullptr;
    }

    struct Key
    {
        // The window the press reached; none when it reached none of the application's, opened
        // a popup, or the window has gone.
        QPointer<QWidget> window;

        bool answers(const QWidget *to) const { return window && window == to; }
    };

    // What the X server told of a key, by its key code, before Qt made key events of it.
    struct X11Key
    {
        quint32 releasedAt = 0;
        // The last press that came at the moment of its key's release.
        quint32 repeatAt = 0;
        bool lastPressRepeats = false;
    };

    QHash<int, Key> m_keys;
    QHash<quint32, X11Key> m_x11Keys;
};

// Clicks its button on the press of a key that presses buttons.
class KeyPressClick : public QObject
{
public:
    explicit KeyPressClick(QAbstractButton *button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *press = static_cast<const QKeyEvent *>(event);
        // A repeat is no press: the key went down on another control of the window, and the focus
        // came here while it was held.
        if (press->isAutoRepeat() || (press->key() != Qt::Key_Space && press->key() != Qt::Key_Select))
            return false;
        holdBackKey(*press);
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void keepKeysToTheirWindow()
{
    KeyWindows::installed();
}

void clickOnKeyPress(QAbstractButton *button)
{
    new KeyPressClick(button);
}

void holdBackKey(const QKeyEvent &press)
{
    KeyWindows::installed().holdBack(press);
}

} // namespace qxkit
