#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the application asks of the machine's Wi-Fi: which network it is joined to and which
// networks it has seen. Answers come from what the system already knows; no scan is started.
class WifiProvider
{
public:
    virtual ~WifiProvider() = default;

    // The Wi-Fi interface's name ("wlan0"); empty when there is none.
    virtual QString interfaceName() = 0;
    // The name of the joined network; none when not joined or Wi-Fi is off.
    virtual std::optional<QString> currentNetworkName() = 0;
    // The names of the networks in the last scan, in the system's order; a hidden network gives
    // an empty name. Empty when nothing is known.
    virtual QStringList cachedNetworkNames() = 0;

    enum class JoinOutcome {
        notFound, // no network of that name in the last scan; nothing was asked
        joined,
        failed, // the system refused or could not join; the reason is in `error`
    };
    // Joins the first network of the last scan named exactly `name` with the password. A
    // provider that cannot join networks answers failed.
    virtual JoinOutcome joinNetwork(const QString &name, const QString &password, QString *error);
};
