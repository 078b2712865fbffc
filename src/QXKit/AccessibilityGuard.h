#pragma once

namespace qxkit {

// What the application tells assistive technology, mended where Qt gets it wrong. Once
// installed, for every widget of the application:
// - A text field that does not echo its text normally: Qt reports every typed, deleted or
//   replaced piece of text in its text events, also when it echoes as a password, and screen
//   readers speak what those events carry. Each character of them reaches the platform masked.
// - A text field that takes the focus: on a Tab, Qt's line edit selects its text in its focus-in
//   handler, and the selection's text-selection and caret events go out before the field's focus
//   event. A screen reader takes a caret event in a field as a quiet move into it, and then says
//   nothing for the focus event. The field's selection and caret events are held back from its
//   focus-in until its focus event has gone out, so the field is heard with its name and role.
// - A window: each time the platform's keyboard focus enters or leaves a window, Qt reports the
//   window's activation as the application has it at that moment, which is before the
//   application's own activation has changed, or while it does not change at all, as when a
//   drop-down list or popover takes the keyboard. A screen reader moves to a window that it is
//   told was activated, away from the control the operator is on. Those reports are dropped;
//   the window's real activation and deactivation still reach the platform, where Qt reports
//   the application's change of active window itself.
// Installing again (each password field does) keeps the guard in front of any update handler
// installed since.
void guardAccessibility();

} // namespace qxkit
