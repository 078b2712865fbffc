// The video list and the play-list names come straight from the fan: any text must read
// safely, and nothing read may keep a character that splits a line or a field.
#include "QXStoredListText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QXQFileInfoRef &entry : QXStoredListText::analyzeVideoList(text)) {
        if (entry->fileName().contains(QLatin1Char(';')) || entry->fileSize().contains(QLatin1Char('\n'))
            || entry->fileName().contains(QLatin1Char(' ')) || entry->fileTimes() != QStringLiteral("1"))
            __builtin_trap();
    }
    for (const QString &name : QXStoredListText::analyzePlayListNames(text)) {
        if (name.isEmpty() || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))
            || name.contains(QLatin1Char(' ')))
            __builtin_trap();
    }
    return 0;
}
