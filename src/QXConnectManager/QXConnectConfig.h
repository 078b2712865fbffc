#pragma once

#include <memory>

class NetworkingDevice;
class QXDevice;
class QXFileSocket;
class QXInsSocket;

// One pooled connection, as the pool held it when it was handed out: the device as last
// handed in for this address, the entry's own device record (made once, from the first name
// seen at the address) and its sockets (made on first request, then kept).
struct QXConnectConfig
{
    std::shared_ptr<NetworkingDevice> device;
    std::shared_ptr<QXDevice> realDevice;
    std::shared_ptr<QXInsSocket> insSocket;
    std::shared_ptr<QXFileSocket> fileSocket;
};
