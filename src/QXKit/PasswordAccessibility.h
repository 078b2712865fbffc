#pragma once

namespace qxkit {

// What text fields tell assistive technology, mended where Qt's line edit gets it wrong. Once
// installed, for every line edit of the application:
// - A field that does not echo its text normally: Qt reports every typed, deleted or replaced
//   piece of text in its text events, also when it echoes as a password, and screen readers
//   speak what those events carry. Each character of them reaches the platform masked.
// - A field that takes the focus: on a Tab, Qt's line edit selects its text in its focus-in
//   handler, and the selection's text-selection and caret events go out before the field's focus
//   event. A screen reader takes a caret event in a field as a quiet move into it, and then says
//   nothing for the focus event. The field's selection and caret events are held back from its
//   focus-in until its focus event has gone out, so the field is heard with its name and role.
// Installing again (each password field does) keeps the guard in front of any update handler
// installed since.
void guardTextFieldAccessibility();

} // namespace qxkit
