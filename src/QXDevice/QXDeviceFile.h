#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QVariantMap>

#include <optional>

// A device play list as editable items and its text form: one line per item,
// "name,size,times,\r\n" or, when the device numbers its items, "name,size,times,Id,\r\n".
// Each item is a map with "name", "size", "times" and optionally "Id".
//
// The device record keeps one object for the device's current play list and refills it, so
// screens may hold on to it; every method is safe from any thread.
class QXDeviceFile
{
public:
    QXDeviceFile() = default;
    QXDeviceFile(const QXDeviceFile &) = delete;
    QXDeviceFile &operator=(const QXDeviceFile &) = delete;

    // Parses a play-list text; the previous items are discarded. Spaces are not part of the
    // form and are removed everywhere, names included. Without a text the list stays as it is.
    void updateContent(const std::optional<QString> &text);
    // The text form of the items; empty before the first parse. None when an item cannot be
    // written without corrupting the device's list (wrong keys, or a ',' or line break in a
    // field): nothing is dropped silently.
    std::optional<QString> content() const;

    // A copy of the items; empty before the first parse.
    QList<QVariantMap> list() const;
    qint64 count() const;
    // The last accepted line of the last parse carried an id.
    bool isContainsID() const;

    // Edits act on the list in place; before the first parse they change nothing.
    void appendItem(const QVariantMap &item);
    void appendItems(const QList<QVariantMap> &items);
    // An index past the end, or negative, appends.
    void insertItem(const QVariantMap &item, qint64 index);
    void exchangeItemFromIndex(qint64 from, qint64 to);
    void deleteAllItems();
    void deleteItemAtIndexPath(qint64 index);
    // Replaces the item's play count by the number.
    void changeItem(qint64 index, qint64 times);

    // The text form contains "<name>.mp4" anywhere (a substring test, as the device's own
    // check does).
    bool isExistFileWithName(const QString &name) const;
    // The name mentions a media type the device or the converter takes.
    static bool isSupportedFileWithName(const QString &name);

    QString description() const;

private:
    std::optional<QString> contentLocked() const;
    bool hasListLocked() const;
    bool isValidIndexLocked(qint64 index) const;

    mutable QMutex m_mutex;
    std::optional<QList<QVariantMap>> m_internalFilelist;
    bool m_isContainsID = false;
};
