#pragma once

#include <memory>

class NetworkingDevice;

// Adopted by the single-device screens: when one of them works on a union member, `device` is
// that member and the screen uses the pooled sockets of that device; otherwise it is null and
// the screen uses the default sockets.
class MultyConnectProtocol
{
public:
    virtual ~MultyConnectProtocol() = default;
    virtual std::shared_ptr<NetworkingDevice> device() const = 0;
};
