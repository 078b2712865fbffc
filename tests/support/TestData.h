#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvane::test {

// The bytes of a fixture file under tests/data (e.g. "QXDeviceMaskFuzzer/QXDeviceMask-districts.bin");
// empty when the file is missing, which the calling test then notices.
inline QByteArray testData(const QString &relativePath)
{
    QFile file(QStringLiteral(ORVANE_TEST_DATA "/") + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace orvane::test
