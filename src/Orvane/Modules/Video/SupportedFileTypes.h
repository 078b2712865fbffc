#pragma once

#include <QStringList>

namespace orvane {

// The file extensions every upload panel of the application accepts, upper and lower case
// listed apart, in the order the panels show them.
const QStringList &supportedFileTypes();
// The same as one name filter of a file panel ("*.BMP *.PNG ...").
QString supportedFileFilter();

} // namespace orvane
