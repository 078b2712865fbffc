#pragma once

namespace qxkit {

// Keeps the application's active window in step with the window the platform gives the
// keyboard. While a popup is open, Qt leaves the active window as it is, so a window that the
// platform focuses meanwhile is never made active: the window beneath a dialog that closes
// while a popup of the dialog is still shown, such as the completion list of a file panel's
// name field when a typed path is confirmed with Return. That window then takes no keys, Tab
// moves nothing, its controls show no hover, and a click into it changes nothing, since the
// platform has it focused already. Once the last popup has closed, the window the platform
// focused is made the active one, with the focus where the operator left it.
void keepActiveWindowInStep();

} // namespace qxkit
