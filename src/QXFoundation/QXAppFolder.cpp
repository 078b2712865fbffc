#include "QXAppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString qxAppDataFolder()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + QCoreApplication::applicationName();
    QDir().mkpath(path);
    return path;
}
