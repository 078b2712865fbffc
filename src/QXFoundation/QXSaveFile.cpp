#include "QXSaveFile.h"

#include <QSaveFile>

std::optional<QString> qxSaveFile(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // QSaveFile commits even when the last buffered bytes could not be written: flushing first
    // makes such a short write fail here, and the unsaved file then discards its temporary copy.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush()
        && file.commit())
        return std::nullopt;
    return file.errorString();
}
