#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

class UnionData;

using UnionList = std::vector<std::shared_ptr<UnionData>>;

// Why a store operation wrote nothing. The old file stays as it was in every case.
struct UnionStoreError
{
    enum class Kind {
        // The file exists but cannot be read or is not UTF-8 text: adding to it would lose the
        // unions stored there.
        unreadable,
        // The file system refused the write (folder missing or not writable, disk full).
        unwritable,
        // A union, fan or master name (or a fan address) holds "," "#" or a line break, which the
        // file cannot carry.
        invalidName,
        // A row or column count below 1 or above UnionData::kMaxCount.
        invalidSize,
    };

    Kind kind;
    // The file system's message, or the refused name.
    QString description;
};

// Posts "LocalUnionDataUpdated": one object for the whole process, whose signal is emitted on
// the thread that wrote the file, after every successful write and before the write returns.
// Screens on other threads receive it queued.
class UnionDataNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The store file that was written.
    void localUnionDataUpdated(const QString &url);
};

// The local store of unions: "unionList.txt" in the application's data folder. Every operation
// reads or writes the file whole, on the calling thread; writes are atomic.
namespace UnionDataUtil {

// The store file, fixed on first use for the life of the process.
QString localURL();

UnionDataNotifier *notifier();

// True when the text can be stored as a union, fan or master name, or a fan address.
bool isStorableName(QStringView name);

// The stored unions in file order; an empty list when the file is missing or unreadable.
UnionList fetchLocalDataList(const QString &url);
// The reader without the file: the unions of a store text, each given `url`.
UnionList unionsFromText(QStringView text, const QString &url);

// Rewrites the whole file with the list.
[[nodiscard]] std::optional<UnionStoreError> saveList(const UnionList &unions, const QString &url);
// Adds the union's block at the end of the file; the record's index stays as it was.
[[nodiscard]] std::optional<UnionStoreError> append(const std::shared_ptr<UnionData> &unionData, const QString &url);
// Replaces the stored union at the record's index, or appends the record when the index is not
// that of a stored union.
[[nodiscard]] std::optional<UnionStoreError> save(const std::shared_ptr<UnionData> &unionData, const QString &url);

} // namespace UnionDataUtil
