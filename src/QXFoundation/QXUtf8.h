#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The text of bytes a device sent as UTF-8; none when they are not valid UTF-8, so a caller
// keeps its previous value instead of showing replacement characters.
std::optional<QString> qxStrictUtf8(QByteArrayView bytes);
