#include "QXNumber.h"

#include <QString>

#include <algorithm>

std::optional<qint64> qxDecimalInteger(QStringView text)
{
    QStringView digits = text;
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.sliced(1);
    const auto isDigit = [](QChar ch) { return ch >= u'0' && ch <= u'9'; };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}
