#pragma once

namespace qxkit {

// Qt's line edit reports every typed, deleted or replaced piece of text to assistive technology
// in its text events, also when it echoes as a password, and screen readers speak what those
// events carry. Once installed, every text event of a line edit that does not echo its text
// normally reaches the platform with each character masked. Installing again (each password
// field does) keeps the guard in front of any update handler installed since.
void guardPasswordAccessibility();

} // namespace qxkit
