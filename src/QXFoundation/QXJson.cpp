#include "QXJson.h"

#include <cmath>

namespace orvane::json {

std::optional<qint64> integer(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // 2^63 itself is out of range, so the upper bound is exclusive.
    if (std::trunc(number) != number || number < -9223372036854775808.0 || number >= 9223372036854775808.0)
        return std::nullopt;
    return value.toInteger();
}

} // namespace orvane::json
