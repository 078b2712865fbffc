#include "WifiProvider.h"

WifiProvider::JoinOutcome WifiProvider::joinNetwork(const QString &, const QString &, QString *error)
{
    if (error)
        *error = QStringLiteral("this Wi-Fi source cannot join networks");
    return JoinOutcome::failed;
}
