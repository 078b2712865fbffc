#pragma once

#include <QJsonValue>

#include <optional>

namespace orvane::json {

// The integer a JSON number holds exactly; nothing for fractions, texts and the rest.
std::optional<qint64> integer(const QJsonValue &value);

} // namespace orvane::json
