#include "QXStoredListText.h"

namespace QXStoredListText {

namespace {

QStringList cleanLines(const QString &text)
{
    QString cleaned = text;
    cleaned.remove(QLatin1Char('\r'));
    cleaned.remove(QLatin1Char(' '));
    return cleaned.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

QList<QXQFileInfoRef> analyzeVideoList(const QString &text)
{
    QList<QXQFileInfoRef> entries;
    for (const QString &line : cleanLines(text)) {
        const QStringList pieces = line.split(QLatin1Char(';'));
        if (pieces.size() >= 3)
            entries.append(std::make_shared<QXQFileInfo>(pieces.at(0), pieces.at(1), QStringLiteral("1")));
    }
    return entries;
}

QStringList analyzePlayListNames(const QString &text)
{
    return cleanLines(text);
}

} // namespace QXStoredListText
