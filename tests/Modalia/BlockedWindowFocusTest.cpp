// The keyboard around a modal dialog on a real X server, under a window manager of the test's
// own that does just what a step needs: it maps the windows, gives the keyboard to a window,
// offers it (WM_TAKE_FOCUS) as a window manager that leaves the taking to the program does, and
// grants or refuses the program's requests to activate a window. The keyboard also goes to a
// window of another program. The X events the window beneath the dialog is sent decide where
// the keyboard goes: a dialog never takes it from another program, and the window beneath,
// offered or given it, hands it to the dialog.
#include "DialogPresenter.h"
#include "EventLoop.h"
#include "X11Display.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using orvane::test::waitUntil;
using orvane::test::X11Display;

class TestWindowManager
{
public:
    TestWindowManager()
        : m_display(qgetenv("DISPLAY"))
    {
        if (!m_display.connected())
            return;
        xcb_connection_t *c = m_display.connection();
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t *refused = xcb_request_check(
            c, xcb_change_window_attributes_checked(c, m_display.root(), XCB_CW_EVENT_MASK, &events));
        m_running = !refused;
        std::free(refused);
        if (!m_running)
            return;
        m_activeWindow = m_display.atom("_NET_ACTIVE_WINDOW");
        // Announces itself as a window manager that takes activation requests.
        const xcb_window_t check = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, check, m_display.root(), 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t checkAtom = m_display.atom("_NET_SUPPORTING_WM_CHECK");
        for (const xcb_window_t on : {m_display.root(), check})
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, on, checkAtom, XCB_ATOM_WINDOW, 32, 1, &check);
        const xcb_atom_t supported[] = {m_activeWindow, checkAtom};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, m_display.root(), m_display.atom("_NET_SUPPORTED"),
                            XCB_ATOM_ATOM, 32, 2, supported);
        // A window of another program, which may take the keyboard.
        m_otherProgram = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, m_otherProgram, m_display.root(), 900, 500, 200, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(c, m_otherProgram);
        m_display.roundTrip();
        QObject::connect(&m_pump, &QTimer::timeout, [this] { pump(); });
        m_pump.start(5);
    }

    bool running() const { return m_running; }
    const X11Display &display() const { return m_display; }
    xcb_window_t otherProgram() const { return m_otherProgram; }
    void grantActivation(bool grant) { m_grants = grant; }
    // The windows the program asked to activate, in order, since the last call.
    QList<xcb_window_t> takeRequests()
    {
        pump();
        return std::exchange(m_requests, {});
    }

    void giveFocus(xcb_window_t window) const
    {
        xcb_set_input_focus(m_display.connection(), XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        m_display.roundTrip();
    }
    void offerFocus(xcb_window_t window) const
    {
        m_display.sendMessage(window, m_display.atom("WM_PROTOCOLS"),
                              {m_display.atom("WM_TAKE_FOCUS"), XCB_CURRENT_TIME, 0, 0, 0});
    }

    void pump()
    {
        xcb_connection_t *c = m_display.connection();
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            handle(event);
            std::free(event);
        }
        xcb_flush(c);
    }

private:
    void handle(const xcb_generic_event_t *event)
    {
        xcb_connection_t *c = m_display.connection();
        switch (event->response_type & ~0x80) {
        case XCB_MAP_REQUEST:
            xcb_map_window(c, reinterpret_cast<const xcb_map_request_event_t *>(event)->window);
            break;
        case XCB_CONFIGURE_REQUEST: {
            const auto *request = reinterpret_cast<const xcb_configure_request_event_t *>(event);
            const uint32_t asked[] = {uint32_t(request->x), uint32_t(request->y), request->width, request->height,
                                      request->border_width, request->sibling, request->stack_mode};
            uint32_t values[7];
            int count = 0;
            for (int bit = 0; bit < 7; ++bit) {
                if (request->value_mask & (1 << bit))
                    values[count++] = asked[bit];
            }
            xcb_configure_window(c, request->window, request->value_mask, values);
            break;
        }
        case XCB_CLIENT_MESSAGE: {
            const auto *message = reinterpret_cast<const xcb_client_message_event_t *>(event);
            if (message->type != m_activeWindow)
                break;
            m_requests.append(message->window);
            if (m_grants)
                giveFocus(message->window);
            break;
        }
        default:
            break;
        }
    }

    X11Display m_display;
    bool m_running = false;
    xcb_atom_t m_activeWindow = XCB_ATOM_NONE;
    xcb_window_t m_otherProgram = XCB_NONE;
    bool m_grants = true;
    QList<xcb_window_t> m_requests;
    QTimer m_pump;
};

// Tells when the program has taken every X event sent to it before a marker.
class Marker : public QAbstractNativeEventFilter
{
public:
    explicit Marker(const X11Display &display) : m_type(display.atom("ORVANE_TEST_MARK"))
    {
        qApp->installNativeEventFilter(this);
    }
    ~Marker() override { qApp->removeNativeEventFilter(this); }
    Marker(const Marker &) = delete;
    Marker &operator=(const Marker &) = delete;

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE
            || static_cast<const xcb_client_message_event_t *>(message)->type != m_type)
            return false;
        ++m_seen;
        return true;
    }

    // Sends a marker to the window and waits until the program has taken it, and the requests
    // it made meanwhile have reached the X server.
    bool passed(const X11Display &display, xcb_window_t window)
    {
        const int before = m_seen;
        display.sendMessage(window, m_type, {0, 0, 0, 0, 0});
        if (!waitUntil([&] { return m_seen > before; }))
            return false;
        xcb_connection_t *own = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        std::free(xcb_get_input_focus_reply(own, xcb_get_input_focus(own), nullptr));
        display.roundTrip();
        return true;
    }

private:
    const xcb_atom_t m_type;
    int m_seen = 0;
};

class BlockedWindowFocus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wm.running()) << "the test's window manager takes the display";
        window.resize(400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &window, [this](QWindow *focused) {
            beneathFocused = beneathFocused || (focused && focused == window.windowHandle());
        });
    }
    void TearDown() override { delete dialog; }

    // A window-modal dialog with a field over the window, shown as the application shows them;
    // the window manager has answered its request to be activated.
    void openDialog()
    {
        dialog = new QDialog;
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(new QLineEdit);
        ASSERT_TRUE(Modalia::DialogPresenter::current().present(dialog, &window));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        ASSERT_TRUE(waitUntil([&] { return wm.takeRequests().contains(id(dialog)); }));
    }

    xcb_window_t id(QWidget *widget) const { return xcb_window_t(widget->winId()); }
    bool settled() { return marker.passed(wm.display(), id(&window)); }

    // The dialog took the keyboard, then the operator turned to the other program, and the
    // application knows it is no longer active.
    void openDialogAndTurnAway()
    {
        ASSERT_NO_FATAL_FAILURE(openDialog());
        ASSERT_TRUE(waitUntil([&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
        ASSERT_EQ(wm.display().inputFocus(), id(dialog));
        wm.giveFocus(wm.otherProgram());
        ASSERT_TRUE(waitUntil([] { return QGuiApplication::focusWindow() == nullptr; }));
        wm.takeRequests();
    }

    TestWindowManager wm;
    Marker marker{wm.display()};
    QWidget window;
    QPointer<QDialog> dialog;
    // Whether the application ever took the window beneath for the one with the keyboard.
    bool beneathFocused = false;
};

// While the operator is in another program, what the window beneath the dialog hears asks for
// nothing: the focus that only follows the pointer over it, and its losing a focus it had.
TEST_F(BlockedWindowFocus, ADialogNeverTakesTheKeyboardFromAnotherProgram)
{
    ASSERT_NO_FATAL_FAILURE(openDialogAndTurnAway());

    wm.display().sendFocus(id(&window), XCB_FOCUS_IN, XCB_NOTIFY_DETAIL_POINTER);
    ASSERT_TRUE(settled());
    EXPECT_EQ(wm.takeRequests(), QList<xcb_window_t>{}) << "the pointer passing over it";
    EXPECT_EQ(wm.display().inputFocus(), wm.otherProgram());

    wm.display().sendFocus(id(&window), XCB_FOCUS_OUT, XCB_NOTIFY_DETAIL_NONLINEAR);
    ASSERT_TRUE(settled());
    EXPECT_EQ(wm.takeRequests(), QList<xcb_window_t>{}) << "the window losing the keyboard";
    EXPECT_EQ(wm.display().inputFocus(), wm.otherProgram());
    EXPECT_EQ(QGuiApplication::focusWindow(), nullptr);
}

// A window manager that leaves the taking to the program offers the keyboard to the window
// clicked, here the one beneath: the dialog asks for it, and takes it.
TEST_F(BlockedWindowFocus, TheKeyboardOfferedToTheWindowBeneathGoesToTheDialog)
{
    ASSERT_NO_FATAL_FAILURE(openDialogAndTurnAway());

    wm.offerFocus(id(&window));
    EXPECT_TRUE(waitUntil([&] { return wm.display().inputFocus() == id(dialog); }));
    ASSERT_TRUE(settled());
    EXPECT_EQ(wm.takeRequests(), QList<xcb_window_t>{id(dialog)}) << "the dialog asks, once";
    EXPECT_EQ(QGuiApplication::focusWindow(), dialog->windowHandle());
    EXPECT_FALSE(beneathFocused);
}

// A window manager that gives the keyboard to the window clicked, and turns down the requests
// to activate a window that come after: the keyboard goes on to the dialog all the same.
TEST_F(BlockedWindowFocus, TheKeyboardGivenToTheWindowBeneathGoesOnToTheDialog)
{
    ASSERT_NO_FATAL_FAILURE(openDialogAndTurnAway());
    wm.grantActivation(false);

    wm.giveFocus(id(&window));
    EXPECT_TRUE(waitUntil([&] { return wm.display().inputFocus() == id(dialog); }));
    EXPECT_TRUE(waitUntil([&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
    EXPECT_FALSE(beneathFocused);
}

} // namespace
