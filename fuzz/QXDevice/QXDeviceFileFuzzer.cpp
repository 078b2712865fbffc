// Play-list texts come from the device: any text must parse safely, and whatever was parsed
// must write back to a text that parses to the same items.
#include "QXDeviceFile.h"
#include "QuietDeviceLog.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QXDeviceFile file;
    file.updateContent(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    const std::optional<QString> text = file.content();
    if (!text)
        __builtin_trap();
    QXDeviceFile again;
    again.updateContent(*text);
    if (again.list() != file.list() || again.content() != text)
        __builtin_trap();
    // Edits driven by the input keep the list writable.
    const qint64 count = file.count();
    file.exchangeItemFromIndex(size % (count + 2), (size / 3) % (count + 2));
    file.changeItem(size % (count + 1), qint64(size));
    file.deleteItemAtIndexPath((size / 7) % (count + 1));
    if (!file.content())
        __builtin_trap();
    return 0;
}
