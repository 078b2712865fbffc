// The play-list screens read whatever text the device sends: any text must read safely, every
// entry must be writable, and what was written must read back to the same entries.
#include "QXQFileInfo.h"

#include <cstddef>
#include <cstdint>

namespace {

bool sameEntries(const QList<QXQFileInfoRef> &a, const QList<QXQFileInfoRef> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i]->fileName() != b[i]->fileName() || a[i]->fileSize() != b[i]->fileSize()
            || a[i]->fileTimes() != b[i]->fileTimes())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QXQFileInfoRef> entries = QXPlayListText::analyzeListString(text);
    const QString written = QXPlayListText::getListString(entries);
    if (!sameEntries(QXPlayListText::analyzeListString(written), entries))
        __builtin_trap();
    if (QXPlayListText::cleanUploadName(text).contains(QLatin1Char(',')))
        __builtin_trap();
    return 0;
}
