#pragma once

#include <QString>

// A remembered Wi-Fi network: its name and password.
struct QXWifi
{
    QString name;
    QString pwd;

    static QXWifi wifiWithName(const QString &name, const QString &pwd) { return {name, pwd}; }
    bool operator==(const QXWifi &) const = default;
};
