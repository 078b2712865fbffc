#include "QXQFileInfo.h"

#include <QStringList>

QXQFileInfo::QXQFileInfo(const QString &fileName, const QString &fileSize, const QString &fileTimes)
    : m_fileName(fileName)
    , m_fileSize(fileSize)
    , m_fileTimes(fileTimes)
{
}

QXQFileInfo::QXQFileInfo(const QString &fileName, qint64 fileType, const QString &filePath)
    : m_fileName(fileName)
    , m_filePath(filePath)
    , m_fileType(fileType)
{
}

QString QXQFileInfo::getString() const
{
    return QStringLiteral("%1,%2,%3,\r\n").arg(m_fileName, m_fileSize, m_fileTimes);
}

namespace QXPlayListText {

QString getListString(const QList<QXQFileInfoRef> &entries)
{
    QString text;
    for (const QXQFileInfoRef &entry : entries)
        text += entry->getString();
    return text;
}

QList<QXQFileInfoRef> analyzeListString(const QString &text)
{
    QString cleaned = text;
    cleaned.remove(QLatin1Char('\r'));
    cleaned.remove(QLatin1Char(' '));
    QList<QXQFileInfoRef> entries;
    const QStringList lines = cleaned.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList pieces = line.split(QLatin1Char(','));
        if (pieces.size() >= 3)
            entries.append(std::make_shared<QXQFileInfo>(pieces.at(0), pieces.at(1), pieces.at(2)));
    }
    return entries;
}

QString cleanUploadName(const QString &fileName)
{
    QString name = fileName;
    for (const QChar unsafe : {u' ', u',', u';', u'#', u'\r', u'\n'})
        name.remove(unsafe);
    return name;
}

} // namespace QXPlayListText
