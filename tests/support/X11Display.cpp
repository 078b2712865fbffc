#include "X11Display.h"

#include <cstdlib>
#include <cstring>

namespace orvane::test {

X11Display::X11Display(const QByteArray &display)
    : m_connection(xcb_connect(display.constData(), nullptr))
{
    if (!connected())
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

X11Display::~X11Display()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

xcb_atom_t X11Display::atom(const char *name) const
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_keycode_t X11Display::keycode(xcb_keysym_t symbol) const
{
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *reply = xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, uint8_t(count)), nullptr);
    if (!reply)
        return 0;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    xcb_keycode_t found = 0;
    for (int code = 0; code < count && !found; ++code) {
        for (int level = 0; level < perCode; ++level) {
            if (symbols[code * perCode + level] == symbol)
                found = xcb_keycode_t(setup->min_keycode + code);
        }
    }
    std::free(reply);
    return found;
}

void X11Display::sendKey(xcb_window_t window, bool press, xcb_keycode_t code, xcb_timestamp_t time) const
{
    xcb_key_press_event_t event{};
    event.response_type = press ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
    event.detail = code;
    event.time = time;
    event.root = m_root;
    event.event = window;
    event.same_screen = 1;
    send(window, &event);
}

void X11Display::sendMessage(xcb_window_t window, xcb_atom_t type, const uint32_t (&data)[5]) const
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::memcpy(event.data.data32, data, sizeof(data));
    send(window, &event);
}

void X11Display::sendFocus(xcb_window_t window, uint8_t type, uint8_t detail) const
{
    xcb_focus_in_event_t event{};
    event.response_type = type;
    event.detail = detail;
    event.event = window;
    event.mode = XCB_NOTIFY_MODE_NORMAL;
    send(window, &event);
}

xcb_window_t X11Display::inputFocus() const
{
    xcb_get_input_focus_reply_t *reply = xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
    const xcb_window_t focus = reply ? reply->focus : xcb_window_t(XCB_NONE);
    std::free(reply);
    return focus;
}

void X11Display::send(xcb_window_t window, const void *event) const
{
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, static_cast<const char *>(event));
    roundTrip();
}

void X11Display::roundTrip() const
{
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

} // namespace orvane::test
