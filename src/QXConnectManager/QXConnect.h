#pragma once

#include "QXDeviceStatus.h"

#include <memory>

class QXConnectManager;
class QXDevice;
class QXFileSocket;
class QXInsSocket;

// Gives an object the manager, the right sockets and the current device record. An object
// that also adopts MultyConnectProtocol and carries a device (a screen opened for a union
// member) gets that device's pooled sockets, in the password-verified mode, and each call
// refreshes the pool entry; any other object gets the default sockets.
class QXConnect
{
public:
    virtual ~QXConnect();

    static QXConnectManager &connectManager();
    std::shared_ptr<QXInsSocket> insSocket() const;
    std::shared_ptr<QXFileSocket> fileSocket() const;
    // The record behind this object's instruction socket: the member's pooled record or the
    // current record.
    std::shared_ptr<QXDevice> currentDevice() const;
    // The last status of that record (all zero before the first status reply).
    QXDeviceStatus currentDeviceStatus() const;
};
