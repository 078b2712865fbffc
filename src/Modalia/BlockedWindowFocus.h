#pragma once

namespace Modalia {

// On X11, keeps the keyboard focus the window manager hands to a window that a modal dialog
// blocks from ever reaching the application: that window is not made the active one, and the
// modal dialog is asked to take the focus instead. Window managers hand the focus to the window
// beneath when a dialog closes, also when the next dialog opens in the same moment (a
// confirmation giving way to a password prompt, a prompt to the next one), and Qt makes every
// focused window active, blocked or not. The activation then swings from the new dialog to the
// window beneath and back, and a screen reader announces the dialog again with every swing.
// Installing again does nothing; elsewhere than on X11 it does nothing.
void keepFocusOffBlockedWindows();

} // namespace Modalia
