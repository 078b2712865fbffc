#pragma once

#include <functional>

class QObject;
class QWidget;

// What a screen reader is told about the keyboard focus. It believes the last focus event it
// got, so the widget that ends up with the focus must be the last one named.
namespace qxkit {

// Names the object (or its child at the index, such as a list's row) as the one the operator is
// on: for a part that takes no keyboard focus of its own (a row of a list drawn by one widget, the
// list of a drop-down), or to make a widget that keeps the focus heard again as it now stands.
void announceFocus(QObject *object, int child = -1);

// Makes the widget that keeps the focus heard again as it now stands, after its name or
// description changed. A screen reader says nothing for a focus event naming what it already
// believes focused, and the Linux bridge hands a name or description change on without its text,
// which leaves a screen reader nothing to say. So the focus is named on the widget's parent at
// once and on the widget itself a moment later, the last one named, if it still has the focus.
// Nothing happens when the widget has no focus.
void announceFocusAgain(QWidget *widget);

// Runs the step once the focus event being delivered to the widget has been announced, and only
// if the widget still has the focus then. A focus-in handler that moves the focus on, or
// announces a part of the widget, does it through this: done at once, the widget's own focus
// event, sent after its handler returns, would come last and name the wrong control.
void afterFocusEvent(QWidget *widget, std::function<void()> step);

// Shows `replacement` in the place of `control` and hides `control`, such as a busy bar standing
// in for the button that started the work. The keyboard focus goes along when `control` had it,
// so it never falls on the next control of the Tab chain meanwhile.
void replaceKeepingFocus(QWidget *control, QWidget *replacement);

} // namespace qxkit
