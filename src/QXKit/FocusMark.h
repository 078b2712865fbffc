#pragma once

class QWidget;

// The keyboard focus made visible on every control of the application, whatever draws it: a
// rounded ring in the theme colour just outside the widget that holds the focus, kept on it
// while it moves, resizes or hides, and gone when the focus leaves the window. Custom widgets
// get it without any code of their own; the ring takes no clicks and is not part of what
// assistive technology reads.
namespace qxkit {

// Starts marking the focus for the whole application; further calls change nothing. Runs by
// itself when the QApplication is made, so no screen needs to call it.
void installFocusMarks();

// The widget the ring currently surrounds; nullptr when none.
QWidget *focusMarkedWidget();

} // namespace qxkit
