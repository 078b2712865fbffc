#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1Char('/') + appName();
    if (!QFileInfo::exists(path))
        QDir().mkpath(path);
    return path;
}

QString appSupportFile(const QString &fileName)
{
    return appSupportDirectory() + QLatin1Char('/') + fileName;
}

} // namespace orvane
