// Status replies come from the device over the network: any bytes must decode safely.
#include "QXDeviceStatus.h"
#include "QuietDeviceLog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QXDeviceStatus status = QXDeviceStatus::statusWithData(QByteArrayView(data, qsizetype(size)));
    // Only the sixteen function bits exist, and the hotspot state is 0-2 or "not reported".
    if ((status.functionSet() & ~quint64(0xFFFF)) != 0)
        __builtin_trap();
    if (status.hotspotStatus() < -1 || status.hotspotStatus() > 2)
        __builtin_trap();
    if (status.serverDomain().isEmpty())
        __builtin_trap();
    return 0;
}
