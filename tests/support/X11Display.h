#pragma once

// A connection of the test's own to an X server that the test started, to do there what a
// window manager or the X server itself does: send events to another program's windows, give
// the keyboard focus.
#include <QByteArray>

#include <xcb/xcb.h>

namespace orvane::test {

class X11Display
{
public:
    // Connects to the named display (":12"); connected() tells whether it could.
    explicit X11Display(const QByteArray &display);
    ~X11Display();
    X11Display(const X11Display &) = delete;
    X11Display &operator=(const X11Display &) = delete;

    bool connected() const { return m_connection && !xcb_connection_has_error(m_connection); }
    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    xcb_atom_t atom(const char *name) const;
    // The key code the keyboard map gives the key symbol; 0 when none.
    xcb_keycode_t keycode(xcb_keysym_t symbol) const;
    // Sends a key press or release of the key code, stamped with the time, to the client that
    // made the window, as the X server would deliver it to the window with the keyboard. This and
    // the other sendings return once the server has passed the event on.
    void sendKey(xcb_window_t window, bool press, xcb_keycode_t code, xcb_timestamp_t time) const;
    // Sends a client message of the type to the client that made the window.
    void sendMessage(xcb_window_t window, xcb_atom_t type, const uint32_t (&data)[5]) const;
    // Sends a focus event (XCB_FOCUS_IN or XCB_FOCUS_OUT) of the detail to the client that made
    // the window, as the X server tells a window it got or lost the keyboard.
    void sendFocus(xcb_window_t window, uint8_t type, uint8_t detail) const;
    xcb_window_t inputFocus() const;
    // Waits until the server has carried out every request sent so far.
    void roundTrip() const;

private:
    // Sends the 32-byte event to the client that made the window.
    void send(xcb_window_t window, const void *event) const;

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
};

} // namespace orvane::test
