// Mask replies come from the device over the network: any bytes must decode safely, and the
// decoded mask stays inside the ranges the mask editor draws.
#include "QXDeviceMask.h"
#include "QuietDeviceLog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QXDeviceMask mask = QXDeviceMask::maskWithData(QByteArrayView(data, qsizetype(size)));
    if (mask.mode() < 0 || mask.mode() > 3 || mask.innerDistance() < 0 || mask.innerDistance() > 360)
        __builtin_trap();
    for (qint64 district = 1; district <= 4; ++district) {
        const QVariantMap settings = mask.settingsAtDistrict(district).value_or(QVariantMap());
        const qint64 angle = settings.value(QStringLiteral("angle")).toLongLong();
        const qint64 distance = settings.value(QStringLiteral("distance")).toLongLong();
        if (angle < -512 || angle > 1024 || distance < 360 || distance > 800)
            __builtin_trap();
    }
    return 0;
}
