#pragma once

#include "QXUdpSocket.h"

#include <QList>

#include <memory>

class NetworkingDevice;

namespace orvane {

// One new device record per search result, in the results' order.
QList<std::shared_ptr<NetworkingDevice>> devicesFrom(const QXSearchResults &results);

} // namespace orvane
