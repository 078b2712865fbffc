#pragma once

class QAbstractButton;
class QKeyEvent;

// Popups opened from the keyboard open as the key goes down, as a menu button or a combo box
// opens its popup. A popup asks the desktop for a grab with the key event that opened it, and a
// Wayland compositor such as Weston grants it only for its latest key event: a popup opened on
// the release would be refused and close at once.
namespace qxkit {

// A key answers the window it was pressed in: its repeats and its release reach no other
// window. A key held down on a dialog's button answers at most that dialog, and the dialogs or
// popups its press opens wait for keys pressed on them; a key pressed before the application
// had the keyboard answers nothing until it is pressed again. Installed once at start, before
// the first key; installing again does nothing.
void keepKeysToTheirWindow();

// For a button whose click opens a popup (a popover, a list): Space clicks it on the press
// instead of the release, and holds the key back (holdBackKey), so one Space clicks once. Enter,
// Return and the pointer click as before.
void clickOnKeyPress(QAbstractButton *button);

// The key whose press opened a popup does nothing more until it is let go: its repeats and its
// release are held back from every window, the popup that has taken the keys meanwhile and the
// window beneath it among them. The key's next press is passed on, also when its release went
// to another application.
void holdBackKey(const QKeyEvent &press);

} // namespace qxkit
