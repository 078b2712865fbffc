#pragma once

#include <QString>

// Application-wide helpers: the application's name and version, the user's folders and the
// application's own data folder.
namespace orvane {

QString appName();
QString appVersion();

enum class SearchPathDirectory {
    documents,
    caches,
    downloads,
};

// The user's folder of that kind (absolute path, no trailing slash).
QString searchPathDirectory(SearchPathDirectory directory);

// The application's data folder (the union list, converted videos, the play-list text, the
// copies uploads send). Created when missing; a folder that cannot be created is still
// returned, and the write that needs it fails then.
QString appSupportDirectory();
// A file in the application's data folder.
QString appSupportFile(const QString &fileName);

// The debug log of the newer screens: switched off, the message (a callable) is never evaluated.
template <typename Message>
void debugLog(Message &&, const char * = __builtin_FILE(), const char * = __builtin_FUNCTION(),
              int = __builtin_LINE())
{
}

} // namespace orvane
