#include "QXLocalized.h"

#include <QCoreApplication>

QString qxLocalized(const char *key)
{
    if (!key || !*key)
        return {};
    return qtTrId(key);
}

QString qxLocalized(const QString &key)
{
    return qxLocalized(key.toUtf8().constData());
}
