// The legacy status reader takes the same device replies as the live one: any bytes must
// decode without reading past them.
#include "Core/DeviceStatus.h"
#include "QuietDeviceLog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const orvane::DeviceStatus status(QByteArrayView(data, qsizetype(size)));
    if (status.openTime().has_value() != status.closeTime().has_value())
        __builtin_trap();
    return 0;
}
