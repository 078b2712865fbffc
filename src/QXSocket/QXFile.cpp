#include "QXFile.h"

#include "QXAppFolder.h"
#include "QXLog.h"

#include <QDateTime>
#include <QFileInfo>
#include <QtEndian>

namespace {

// The device's own programs, matched whole and case-sensitively.
const QStringList kSystemFileNames = {
    QStringLiteral("uImage"), QStringLiteral("zImage"), QStringLiteral("rootfs"),
    QStringLiteral("u-boot"), QStringLiteral("fpga"),
};
const QStringList kSystemFileSuffixes = {QStringLiteral("apk"), QStringLiteral("bin"), QStringLiteral("pof")};
const QStringList kVideoSuffixes = {
    QStringLiteral("wmv"), QStringLiteral("mkv"), QStringLiteral("gif"), QStringLiteral("mp4"), QStringLiteral("rmvb"),
    QStringLiteral("flv"), QStringLiteral("mov"), QStringLiteral("avi"), QStringLiteral("webm"),
};
const QStringList kPictureSuffixes = {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpg"),
                                      QStringLiteral("jpeg")};

constexpr int kFallbackNameLength = 10;

bool endsWithAny(const QString &text, const QStringList &suffixes)
{
    for (const QString &suffix : suffixes) {
        if (text.endsWith(suffix))
            return true;
    }
    return false;
}

void appendBigEndian(QByteArray &bytes, quint64 value)
{
    char buffer[sizeof value];
    qToBigEndian(value, buffer);
    bytes.append(buffer, sizeof buffer);
}

} // namespace

QXFile::QXFile(const QString &path, const QString &name)
{
    setPath(path);
    setName(name);
}

QString QXFile::path() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

void QXFile::setPath(const QString &path)
{
    if (path.isEmpty()) {
        QXLOG(QStringLiteral("file path is nil"));
        return;
    }
    const QXFileType type = typeWithName(QFileInfo(path).fileName());
    std::lock_guard lock(m_mutex);
    m_type = type;
    m_path = path;
}

QString QXFile::name() const
{
    std::lock_guard lock(m_mutex);
    return m_name;
}

void QXFile::setName(const QString &name)
{
    std::lock_guard lock(m_mutex);
    if (!name.isEmpty()) {
        m_name = name;
    } else if (!m_path.isEmpty()) {
        // Only the file's own name: a folder in the path must never become part of a device name.
        const QString stem = QFileInfo(m_path).fileName().section(QLatin1Char('.'), 0, 0);
        m_name = stem.left(kFallbackNameLength);
    } else {
        m_name = QDateTime::currentDateTime().toString(QStringLiteral("MM-dd-HH-mm"));
    }
}

QXFileType QXFile::type() const
{
    std::lock_guard lock(m_mutex);
    return m_type;
}

void QXFile::setType(QXFileType type)
{
    std::lock_guard lock(m_mutex);
    m_type = type;
}

bool QXFile::alreadyTranscoded() const
{
    std::lock_guard lock(m_mutex);
    return m_alreadyTranscoded;
}

void QXFile::setAlreadyTranscoded(bool alreadyTranscoded)
{
    std::lock_guard lock(m_mutex);
    m_alreadyTranscoded = alreadyTranscoded;
}

QString QXFile::translatePath()
{
    std::lock_guard lock(m_mutex);
    if (m_translatePath.isEmpty()) {
        if (m_alreadyTranscoded)
            m_translatePath = m_path;
        else if (m_type == QXFileType::SystemFile)
            m_translatePath = qxAppDataFolder() + QLatin1Char('/') + QFileInfo(m_path).fileName();
        else
            m_translatePath = qxAppDataFolder() + QStringLiteral("/out.mp4");
    }
    return m_translatePath;
}

QString QXFile::actualName() const
{
    std::lock_guard lock(m_mutex);
    switch (m_type) {
    case QXFileType::SystemFile:
        return QStringLiteral("%1.%2").arg(m_name, QFileInfo(m_path).suffix());
    case QXFileType::Video:
    case QXFileType::Picture:
        return m_name + QStringLiteral(".mp4");
    case QXFileType::PlayList:
        return m_name + QStringLiteral(".txt");
    case QXFileType::None:
    case QXFileType::Other:
    case QXFileType::Unused:
        break;
    }
    return QStringLiteral("error");
}

qint64 QXFile::size() const
{
    std::lock_guard lock(m_mutex);
    return m_size;
}

qint64 QXFile::leftLength() const
{
    std::lock_guard lock(m_mutex);
    return m_leftLength;
}

qint64 QXFile::sliceSize() const
{
    return kSliceSize;
}

bool QXFile::update()
{
    const QString fileName = translatePath();
    std::lock_guard lock(m_mutex);
    m_handler.close();
    m_handler.setFileName(fileName);
    // Unbuffered: each slice is read from the file as it is sent, so a file that shrinks is seen.
    if (!m_handler.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        QXLOG(QStringLiteral("转码文件不存在"));
        return false;
    }
    m_size = m_handler.size();
    m_leftLength = m_size;
    return true;
}

QByteArray QXFile::fileHeaderData() const
{
    return headWithName(actualName().toUtf8(), size());
}

std::optional<QByteArray> QXFile::readSliceData()
{
    std::lock_guard lock(m_mutex);
    const qint64 wanted = qMin(kSliceSize, m_leftLength);
    const QByteArray slice = m_handler.read(wanted);
    if (slice.size() != wanted)
        return std::nullopt;
    m_leftLength -= slice.size();
    return slice;
}

void QXFile::resetPos(qint64 offset)
{
    std::lock_guard lock(m_mutex);
    m_leftLength = m_size - offset;
    m_handler.seek(offset);
}

QVariantMap QXFile::information() const
{
    return {
        {QStringLiteral("name"), name() + QStringLiteral(".mp4")},
        {QStringLiteral("size"), fileSizeToshow(size())},
        {QStringLiteral("times"), QStringLiteral("1")},
    };
}

QXFileType QXFile::typeWithName(const QString &name)
{
    if (name.isEmpty()) {
        QXLOG(QStringLiteral("不支持的类型"));
        return QXFileType::None;
    }
    if (kSystemFileNames.contains(name) || endsWithAny(name, kSystemFileSuffixes))
        return QXFileType::SystemFile;
    const QString lower = name.toLower();
    if (endsWithAny(lower, kVideoSuffixes))
        return QXFileType::Video;
    if (endsWithAny(lower, kPictureSuffixes))
        return QXFileType::Picture;
    QXLOG(QStringLiteral("不支持的类型"));
    return QXFileType::Other;
}

QString QXFile::fileSizeToshow(qint64 bytes)
{
    constexpr qint64 kKilo = 1024;
    // Sizes from 100 KiB on show in megabytes, so 102,400 bytes read 0.1M.
    constexpr qint64 kMegaFrom = 102400;
    constexpr qint64 kGiga = 1073741824;
    float value = 0;
    QString unit;
    if (bytes < kKilo) {
        value = float(bytes);
        unit = QStringLiteral("B");
    } else if (bytes < kMegaFrom) {
        value = float(bytes) / 1024.0f;
        unit = QStringLiteral("K");
    } else if (bytes < kGiga) {
        value = float(bytes) / 1024.0f / 1024.0f;
        unit = QStringLiteral("M");
    } else {
        value = float(bytes) / 1024.0f / 1024.0f / 1024.0f;
        unit = QStringLiteral("G");
    }
    return QString::asprintf("%.1f", double(value)) + unit;
}

QByteArray QXFile::listWithFileName(const QString &name, const QString &content)
{
    const QByteArray nameBytes = name.toUtf8();
    const QByteArray body = content.toUtf8();
    QByteArray bytes = headWithName(nameBytes, body.size());
    bytes.append(body);
    QXLOG(QStringLiteral("文件内容:%1").arg(content));
    return bytes;
}

QByteArray QXFile::headWithName(const QByteArray &name, qint64 bodySize)
{
    // One pass: the name is the operator's, and a "%1" in it must stay as it is.
    QXLOG(QStringLiteral("\n\t文件大小:%1\n\t文件名大小:%2\n\t文件名:%3\n\t总大小:%4")
              .arg(QString::number(bodySize), QString::number(name.size()), QString::fromUtf8(name),
                   QString::number(16 + name.size() + bodySize)));
    QByteArray bytes;
    bytes.reserve(kHeaderSize + name.size());
    bytes.append(char(0x01));
    appendBigEndian(bytes, quint64(16 + name.size() + bodySize));
    appendBigEndian(bytes, quint64(name.size()));
    bytes.append(name);
    return bytes;
}

bool QXFile::hasUnsafeCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('#') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
    }
    return false;
}
