#pragma once

#include <QList>
#include <QString>

#include <memory>

// One entry of a device play list, or of the device's stored videos, as the screens hold it:
// name, size and play count, all as the device or the uploader wrote them. Entries are shared
// between a screen's rows and their cells and compared by identity; they are made and changed
// on the GUI thread.
class QXQFileInfo
{
public:
    // A list entry: no local path, type 403.
    QXQFileInfo(const QString &fileName, const QString &fileSize, const QString &fileTimes);
    // A local file chosen for upload; size and play count stay null.
    QXQFileInfo(const QString &fileName, qint64 fileType, const QString &filePath);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    QString fileSize() const { return m_fileSize; }
    void setFileSize(const QString &size) { m_fileSize = size; }
    QString fileTimes() const { return m_fileTimes; }
    void setFileTimes(const QString &times) { m_fileTimes = times; }
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path) { m_filePath = path; }
    qint64 fileType() const { return m_fileType; }
    void setFileType(qint64 type) { m_fileType = type; }

    // The entry's line of a play-list text: "name,size,times,\r\n".
    QString getString() const;

private:
    QString m_fileName;
    QString m_fileSize;
    QString m_fileTimes;
    QString m_filePath;
    qint64 m_fileType = 403;
};

using QXQFileInfoRef = std::shared_ptr<QXQFileInfo>;

// The play-list text as the play-list screens write and read it.
namespace QXPlayListText {

// The lines of the entries, in order; the empty text for no entries.
QString getListString(const QList<QXQFileInfoRef> &entries);
// Blanks and carriage returns are dropped everywhere, then every line of at least three
// comma-separated pieces gives an entry (name, size, play count); anything after the third
// piece, such as the device's own identifier, is ignored, and other lines are skipped.
QList<QXQFileInfoRef> analyzeListString(const QString &text);

// The name a local file is uploaded under: its file name without blanks, and without the
// characters that would split a device list line or a local list file (, ; # CR LF).
QString cleanUploadName(const QString &fileName);

} // namespace QXPlayListText
