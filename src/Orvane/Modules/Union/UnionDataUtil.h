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
        // A name (union, fan or master) or a fan address of the union being stored holds "," "#"
        // or a line break, which the file cannot carry.
        invalidName,
        // A row or column count below 1 or above UnionData::kMaxCount.
        invalidSize,
        // The union the record was read as is no longer stored at its index: another copy of the
        // program or a hand edit changed the file since, and writing would replace another union.
        changed,
    };

    Kind kind;
    // The file system's message, the refused name, or the name the union was read with.
    QString description;
};

// Posts "LocalUnionDataUpdated": one object for the whole process, whose signal is emitted on
// the thread that wrote the file, after every successful write and before the write returns,
// and likewise when an operation is refused as `changed`, so that the screens read the file as
// it now is. Screens on other threads receive it queued.
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
// reads or writes the file whole, on the calling thread; writes are atomic. A change to one union
// rewrites only that union's lines: every other line keeps its bytes, a union the screens cannot
// show (larger than UnionData::kMaxCount, or with counts that are not numbers) or whose names the
// writer would refuse included. A record's index is its place among every union stored, shown or
// not.
namespace UnionDataUtil {

// The store file, fixed on first use for the life of the process.
QString localURL();

UnionDataNotifier *notifier();

// True when the text can be stored as a union, fan or master name, or a fan address.
bool isStorableName(QStringView name);

// The stored unions the screens can show, in file order; an empty list when the file is missing
// or unreadable. Lines may end in LF or CR LF.
UnionList fetchLocalDataList(const QString &url);
// The reader without the file: the shown unions of a store text, each given `url`.
UnionList unionsFromText(QStringView text, const QString &url);

// Rewrites the whole file with the list, and nothing else.
[[nodiscard]] std::optional<UnionStoreError> saveList(const UnionList &unions, const QString &url);
// Adds the union's block at the end of the file (before a union the file ends inside of); the
// record's index stays as it was.
[[nodiscard]] std::optional<UnionStoreError> append(const std::shared_ptr<UnionData> &unionData, const QString &url);
// Replaces the union stored at the record's index, or appends a record that was never stored
// (index -1); only the record's own names are checked. The union is replaced only while a shown
// union bearing `storedName` (the name it was read with; the record's own when none is given) is
// stored at that index; otherwise nothing is written, the answer is `changed` and the change is
// announced as a write would be.
[[nodiscard]] std::optional<UnionStoreError> save(const std::shared_ptr<UnionData> &unionData, const QString &url,
                                                  const std::optional<QString> &storedName = std::nullopt);
// Takes the union stored at the record's index out of the file. When no shown union bearing the
// record's name is stored there (the file changed since it was read), nothing is written.
[[nodiscard]] std::optional<UnionStoreError> remove(const std::shared_ptr<UnionData> &unionData, const QString &url);

// The message that tells the operator which counts a union may have.
QString sizeTip();
// What the operator is told when a store operation fails.
QString failureText(const UnionStoreError &error);

} // namespace UnionDataUtil
