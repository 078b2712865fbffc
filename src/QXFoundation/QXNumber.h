#pragma once

#include <QStringView>

#include <optional>

// A whole number written as an optional "+" or "-" sign and decimal digits, nothing else (no
// blanks, no other digits); none for any other text and for a value beyond 64 bits.
std::optional<qint64> qxDecimalInteger(QStringView text);
