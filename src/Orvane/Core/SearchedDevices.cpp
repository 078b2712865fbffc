#include "SearchedDevices.h"

#include "NetworkingDevice.h"

namespace orvane {

QList<std::shared_ptr<NetworkingDevice>> devicesFrom(const QXSearchResults &results)
{
    QList<std::shared_ptr<NetworkingDevice>> devices;
    devices.reserve(results.size());
    for (const QXSearchResult &result : results)
        devices.append(std::make_shared<NetworkingDevice>(result.name, result.ip));
    return devices;
}

} // namespace orvane
