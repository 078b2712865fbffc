#include "AppPaths.h"

#include "QXAppFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace orvane {

QString appName()
{
    return QCoreApplication::applicationName();
}

QString appVersion()
{
    return QCoreApplication::applicationVersion();
}

QString searchPathDirectory(SearchPathDirectory directory)
{
    switch (directory) {
    case SearchPathDirectory::documents:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case SearchPathDirectory::caches:
        return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    case SearchPathDirectory::downloads:
        return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    }
    return {};
}

QString appSupportDirectory()
{
    return qxAppDataFolder();
}

QString appSupportFile(const QString &fileName)
{
    return appSupportDirectory() + QLatin1Char('/') + fileName;
}

} // namespace orvane
