#pragma once

#include <QFile>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <mutex>
#include <optional>

// What a file is to the device, told by its name.
enum class QXFileType : qint64 {
    None = 0,
    Video = 400,
    PlayList = 401,   // set by hand only
    SystemFile = 402, // the device's own programs, stored under their own name
    Other = 403,
    Unused = 404,     // set by hand only
    Picture = 405,
};

// One local file to upload: its name on the device, its type, the converted copy that is
// actually sent, and the reading of that copy in slices. Shared between the caller, the
// conversion worker and the socket thread, one after the other; its fields are guarded so
// a screen may read them while an upload runs.
class QXFile
{
public:
    static constexpr qint64 kSliceSize = 4096;
    static constexpr int kHeaderSize = 17;

    QXFile(const QString &path, const QString &name);

    QString path() const;
    // A missing path is ignored; otherwise the type follows the new path's last component.
    void setPath(const QString &path);
    QString name() const;
    // An empty name falls back to the file name before its first "." (at most 10 characters),
    // or to the local time "MM-dd-HH-mm" when there is no path.
    void setName(const QString &name);
    QXFileType type() const;
    void setType(QXFileType type);
    bool alreadyTranscoded() const;
    void setAlreadyTranscoded(bool alreadyTranscoded);

    // The file actually sent: the path itself when already converted, otherwise a copy in the
    // application's data folder ("out.mp4" for converted media, a device program under its own
    // name). Fixed on first use.
    QString translatePath();
    // The name the device stores the file under.
    QString actualName() const;

    qint64 size() const;
    qint64 leftLength() const;
    qint64 sliceSize() const;

    // Opens the file actually sent and rewinds it; false when there is none.
    bool update();
    // The 17-byte head (kind, total, name length) followed by the device name.
    QByteArray fileHeaderData() const;
    // The next slice of at most sliceSize() bytes; none when the file gives fewer bytes than it
    // had when it was opened (it shrank or cannot be read), so a transfer never sends a short file.
    std::optional<QByteArray> readSliceData();
    void resetPos(qint64 offset);

    // A play-list entry for this file: "name", "size", "times".
    QVariantMap information() const;

    static QXFileType typeWithName(const QString &name);
    static QString fileSizeToshow(qint64 bytes);
    // A play-list text as one packet of the file-transfer layout.
    static QByteArray listWithFileName(const QString &name, const QString &content);
    // True when the text holds a character that would break a device list or a local file
    // (",", ";", "#", CR, LF).
    static bool hasUnsafeCharacters(const QString &text);

private:
    static QByteArray headWithName(const QByteArray &name, qint64 bodySize);

    mutable std::mutex m_mutex;
    QString m_path;
    QString m_name;
    QXFileType m_type = QXFileType::None;
    bool m_alreadyTranscoded = false;
    QString m_translatePath;
    qint64 m_size = 0;
    qint64 m_leftLength = 0;
    QFile m_handler;
};

using QXFileRef = std::shared_ptr<QXFile>;
// The payload of a file's success block.
Q_DECLARE_METATYPE(QXFileRef)
