// Discovery answers come from anyone on the network: the parser must take any bytes.
#include "QXUdpSocket.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString answer = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QXSearchResult &result : QXUdpSocket::parseReceiveString(answer)) {
        if (result.name.isEmpty() || result.ip.isEmpty())
            __builtin_trap();
    }
    return 0;
}
