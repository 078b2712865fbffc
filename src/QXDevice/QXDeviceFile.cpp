#include "QXDeviceFile.h"

#include "QXLog.h"

#include <QMutexLocker>
#include <QStringList>

namespace {

const QString nameKey = QStringLiteral("name");
const QString sizeKey = QStringLiteral("size");
const QString timesKey = QStringLiteral("times");
const QString idKey = QStringLiteral("Id");

// A value the device's line can carry unchanged: it has a text form and holds neither the
// field separator nor a line break.
std::optional<QString> fieldText(const QVariant &value)
{
    if (!value.canConvert<QString>())
        return std::nullopt;
    QString text = value.toString();
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return std::nullopt;
    return text;
}

// The line of one item, or none when the item has the wrong shape.
std::optional<QString> itemLine(const QVariantMap &item)
{
    const bool hasId = item.size() == 4;
    if (item.size() != 3 && !hasId)
        return std::nullopt;
    QStringList keys{nameKey, sizeKey, timesKey};
    if (hasId)
        keys << idKey;
    QString line;
    for (const QString &key : keys) {
        const auto found = item.constFind(key);
        if (found == item.cend())
            return std::nullopt;
        const std::optional<QString> text = fieldText(*found);
        if (!text)
            return std::nullopt;
        line += *text + QLatin1Char(',');
    }
    return line + QLatin1String("\r\n");
}

} // namespace

void QXDeviceFile::updateContent(const std::optional<QString> &text)
{
    QXLOG(QStringLiteral("updateContent:%1").arg(text.value_or(QStringLiteral("(null)"))));
    if (!text) {
        QXLOG(QStringLiteral("fileContent lines < 1"));
        return;
    }
    QString cleaned = *text;
    cleaned.remove(QLatin1Char('\r')).remove(QLatin1Char(' '));
    const QStringList lines = cleaned.split(QLatin1Char('\n'));

    QMutexLocker lock(&m_mutex);
    QList<QVariantMap> items;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 3) {
            QXLOG(QStringLiteral("fileContent item is null"));
            continue;
        }
        // Every field ends with a comma, so a well-formed line has one empty field more.
        if (fields.size() == 4) {
            items.append({{nameKey, fields.at(0)}, {sizeKey, fields.at(1)}, {timesKey, fields.at(2)}});
            m_isContainsID = false;
        } else if (fields.size() == 5) {
            items.append({{nameKey, fields.at(0)},
                          {sizeKey, fields.at(1)},
                          {timesKey, fields.at(2)},
                          {idKey, fields.at(3)}});
            m_isContainsID = true;
        }
    }
    m_internalFilelist = items;
}

std::optional<QString> QXDeviceFile::content() const
{
    QMutexLocker lock(&m_mutex);
    return contentLocked();
}

std::optional<QString> QXDeviceFile::contentLocked() const
{
    if (!m_internalFilelist)
        return QString();
    QString text;
    for (const QVariantMap &item : *m_internalFilelist) {
        const std::optional<QString> line = itemLine(item);
        if (!line) {
            QXLOG(QStringLiteral("文件内容存在错误"));
            return std::nullopt;
        }
        text += *line;
    }
    return text;
}

QList<QVariantMap> QXDeviceFile::list() const
{
    QMutexLocker lock(&m_mutex);
    return m_internalFilelist.value_or(QList<QVariantMap>());
}

qint64 QXDeviceFile::count() const
{
    QMutexLocker lock(&m_mutex);
    return m_internalFilelist ? m_internalFilelist->size() : 0;
}

bool QXDeviceFile::isContainsID() const
{
    QMutexLocker lock(&m_mutex);
    return m_isContainsID;
}

bool QXDeviceFile::hasListLocked() const
{
    if (!m_internalFilelist)
        QXLOG(QStringLiteral("列表不存在"));
    return m_internalFilelist.has_value();
}

bool QXDeviceFile::isValidIndexLocked(qint64 index) const
{
    if (index < 0 || index >= m_internalFilelist->size()) {
        QXLOG(QStringLiteral("下标越界"));
        return false;
    }
    return true;
}

void QXDeviceFile::appendItem(const QVariantMap &item)
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked())
        m_internalFilelist->append(item);
}

void QXDeviceFile::appendItems(const QList<QVariantMap> &items)
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked())
        m_internalFilelist->append(items);
}

void QXDeviceFile::insertItem(const QVariantMap &item, qint64 index)
{
    QMutexLocker lock(&m_mutex);
    if (!hasListLocked())
        return;
    if (index < 0 || index > m_internalFilelist->size())
        m_internalFilelist->append(item);
    else
        m_internalFilelist->insert(index, item);
}

void QXDeviceFile::exchangeItemFromIndex(qint64 from, qint64 to)
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked() && isValidIndexLocked(from) && isValidIndexLocked(to))
        m_internalFilelist->swapItemsAt(from, to);
}

void QXDeviceFile::deleteAllItems()
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked())
        m_internalFilelist->clear();
}

void QXDeviceFile::deleteItemAtIndexPath(qint64 index)
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked() && isValidIndexLocked(index))
        m_internalFilelist->removeAt(index);
}

void QXDeviceFile::changeItem(qint64 index, qint64 times)
{
    QMutexLocker lock(&m_mutex);
    if (hasListLocked() && isValidIndexLocked(index))
        (*m_internalFilelist)[index].insert(timesKey, times);
}

bool QXDeviceFile::isExistFileWithName(const QString &name) const
{
    QMutexLocker lock(&m_mutex);
    const std::optional<QString> text = contentLocked();
    return text && text->contains(name + QLatin1String(".mp4"));
}

bool QXDeviceFile::isSupportedFileWithName(const QString &name)
{
    static const char *const mediaTypes[] = {"wmv", "mkv", "gif", "mp4", "rmvb", "flv", "mov",
                                             "bmp", "png", "jpg", "jpeg", "heif", "heic"};
    const QString lowered = name.toLower();
    for (const char *type : mediaTypes) {
        if (lowered.contains(QLatin1String(type)))
            return true;
    }
    return false;
}

QString QXDeviceFile::description() const
{
    QMutexLocker lock(&m_mutex);
    QString items;
    for (const QVariantMap &item : m_internalFilelist.value_or(QList<QVariantMap>())) {
        QStringList pairs;
        for (auto it = item.cbegin(); it != item.cend(); ++it)
            pairs << it.key() + QLatin1String(": ") + it->toString();
        items += QLatin1String("\n {") + pairs.join(QLatin1String(", ")) + QLatin1Char('}');
    }
    return QLatin1String("QXDeviceFile\n content: ") + contentLocked().value_or(QStringLiteral("(none)"))
        + QLatin1String("\n list:") + items;
}
