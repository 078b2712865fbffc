// The master fan's synchronisation reply comes over the network: any bytes must decode safely,
// and a decoded reply decodes the same way again.
#include "Modules/Union/WifiSyncModel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const std::optional<WifiSyncModel> model = WifiSyncModel::decode(bytes);
    if (!model)
        return 0;
    const std::optional<WifiSyncModel> again = WifiSyncModel::decode(bytes);
    if (!again || again->type != model->type || again->status != model->status || again->slaveList != model->slaveList)
        __builtin_trap();
    return 0;
}
