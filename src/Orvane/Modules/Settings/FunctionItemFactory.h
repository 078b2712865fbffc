#pragma once

#include "FunctionModuleTable.h"

class QWidget;

namespace orvane::settings {

// Makes the item of a module for the settings screen, configured by the module's row of the
// module table. An editor is tied to the screen's device and info line before it is configured or
// refreshed, so whatever it reads at that point is already the screen's device. The closures that
// write an accepted value hold nothing of the screen: they write the record the send went to.
QWidget *makeFunctionItem(FunctionConfigViewController &screen, const ModuleRow &row);

} // namespace orvane::settings
