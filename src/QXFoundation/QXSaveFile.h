#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Replaces the file at `path` with `bytes`, whole or not at all: a write cut short (a full disk)
// leaves the old file as it was. None on success, else the file system's message.
std::optional<QString> qxSaveFile(const QString &path, QByteArrayView bytes);
