#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// The master fan's reply to the Wi-Fi synchronisation commands, decoded from its JSON.
struct WifiSyncModel
{
    // One member in synchronisation, as the master reports it.
    struct Slave
    {
        // The member's device name, as the open command listed it.
        QString sn;
        QString ip;
        // 1 when the member is in synchronisation.
        qint64 status = 0;

        friend bool operator==(const Slave &, const Slave &) = default;
    };

    qint64 type = 0;
    // Anything but 1 is a failed command; a reply without it counts as 1.
    qint64 status = 1;
    std::optional<QList<Slave>> slaveList;

    // None when the bytes are not a JSON object, "type" is missing or not an integer, "status" is
    // not an integer, or an entry of "slaveList" lacks "sn", "ip" or "status" or has the wrong
    // type. Other keys are ignored.
    static std::optional<WifiSyncModel> decode(QByteArrayView json);
};
