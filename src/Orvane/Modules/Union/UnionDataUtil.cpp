#include "UnionDataUtil.h"

#include "Core/AppPaths.h"
#include "NetworkingDevice.h"
#include "QXLocalized.h"
#include "QXNumber.h"
#include "QXSaveFile.h"
#include "QXUtf8.h"
#include "UnionData.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <variant>

namespace {

const QString kFileName = QStringLiteral("unionList.txt");

UnionStoreError storeError(UnionStoreError::Kind kind, const QString &description)
{
    return UnionStoreError{kind, description};
}

// A count as the file writes it; anything else reads as 0.
qint64 strictInteger(QStringView field)
{
    return qxDecimalInteger(field).value_or(0);
}

bool isStorableCount(qint64 count)
{
    return count >= 1 && count <= UnionData::kMaxCount;
}

// The text of the store file: empty for a missing file; none for a file that exists but cannot
// be read or is not UTF-8.
std::optional<QString> storedText(const QString &url)
{
    QFile file(url);
    if (!file.exists())
        return QString();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return qxStrictUtf8(file.readAll());
}

// The names the file would not read back as written.
std::optional<UnionStoreError> refusal(const UnionData &unionData)
{
    if (!isStorableCount(unionData.row()) || !isStorableCount(unionData.colomn()))
        return storeError(UnionStoreError::Kind::invalidSize, unionData.name());
    QStringList texts{unionData.name()};
    if (const auto master = unionData.masterDevice())
        texts << master->name();
    for (const auto &fan : unionData.allDevices())
        texts << fan->name() << fan->ip();
    for (const QString &text : std::as_const(texts)) {
        if (!UnionDataUtil::isStorableName(text))
            return storeError(UnionStoreError::Kind::invalidName, text);
    }
    return std::nullopt;
}

std::optional<UnionStoreError> refusal(const UnionList &unions)
{
    for (const auto &unionData : unions) {
        if (auto refused = refusal(*unionData))
            return refused;
    }
    return std::nullopt;
}

// Writes the whole file or nothing, then tells the screens.
std::optional<UnionStoreError> writeText(const QString &url, const QString &text)
{
    if (const std::optional<QString> failure = qxSaveFile(url, text.toUtf8()))
        return storeError(UnionStoreError::Kind::unwritable, *failure);
    emit UnionDataUtil::notifier()->localUnionDataUpdated(url);
    return std::nullopt;
}

// One union as the file holds it: its header line and its grid lines, blank lines among them.
struct StoredUnion
{
    qsizetype firstLine = 0;
    // One past its last line.
    qsizetype endLine = 0;
    // False when the file ends before all its grid lines.
    bool complete = true;
    // None for a union the screens do not show: counts beyond their limit, counts that are not
    // numbers, or no grid line at all.
    std::shared_ptr<UnionData> shown;
};

// Reads the unions of a store text line by line. Every header starts a stored union, whose index
// is its place among them; a union is complete after as many grid lines as its row count. A
// shown union's grid always ends up with exactly row x colomn slots, however its lines were cut.
class UnionListReader
{
public:
    explicit UnionListReader(const QString &url)
        : m_url(url)
    {
    }

    void readLine(QStringView line)
    {
        const qsizetype number = m_lines++;
        // Files edited elsewhere may end their lines with CR LF.
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            return;
        if (m_rowsLeft > 0)
            readGridLine(line, number);
        else
            readHeader(line, number);
    }

    std::vector<StoredUnion> finish()
    {
        if (m_rowsLeft > 0) {
            m_unions.back().complete = false;
            // A file cut short inside a union's grid: the missing rows are empty.
            if (m_current && !m_grid.empty())
                completeUnion();
        }
        return std::move(m_unions);
    }

private:
    void readHeader(QStringView line, qsizetype number)
    {
        const QList<QStringView> fields = line.split(u',');
        if (fields.size() < 4)
            return;
        const qint64 index = qint64(m_unions.size());
        m_unions.push_back(StoredUnion{number, number + 1, true, nullptr});
        const qint64 row = strictInteger(fields.at(1));
        const qint64 colomn = strictInteger(fields.at(2));
        // Without usable counts the union has no grid to read: it ends here and the following
        // lines are read as headers again.
        if (row < 1 || colomn < 1)
            return;
        m_rowsLeft = row;
        // Too large for the screens: its grid lines are kept with it, unread.
        if (!isStorableCount(row) || !isStorableCount(colomn))
            return;
        m_current = std::make_shared<UnionData>(fields.at(0).toString(), row, colomn, fields.at(3) == u"1", m_url,
                                                UnionGrid());
        m_current->setIndex(index);
        if (fields.size() > 4)
            m_master = std::make_shared<NetworkingDevice>(fields.at(4).toString(), QString());
    }

    void readGridLine(QStringView line, qsizetype number)
    {
        StoredUnion &stored = m_unions.back();
        stored.endLine = number + 1;
        --m_rowsLeft;
        if (!m_current)
            return;
        if (m_grid.empty())
            stored.shown = m_current;
        const QList<QStringView> cells = line.split(u'#');
        const qint64 colomn = m_current->colomn();
        std::vector<std::shared_ptr<NetworkingDevice>> row;
        row.reserve(std::size_t(colomn));
        for (qint64 c = 0; c < colomn; ++c)
            row.push_back(c < cells.size() ? fanOf(cells.at(c)) : nullptr);
        m_grid.push_back(std::move(row));
        if (m_rowsLeft == 0)
            completeUnion();
    }

    std::shared_ptr<NetworkingDevice> fanOf(QStringView cell)
    {
        const QList<QStringView> parts = cell.split(u',');
        if (parts.size() < 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
            return nullptr;
        auto fan = std::make_shared<NetworkingDevice>(parts.at(0).toString(), parts.at(1).toString());
        // Every fan bearing the master's name is marked; the last one leads.
        if (m_master && m_master->name() == fan->name()) {
            fan->setIsMaster(true);
            m_master = fan;
        }
        return fan;
    }

    void completeUnion()
    {
        const auto missing = emptyGrid<std::shared_ptr<NetworkingDevice>>(
            m_current->row() - qint64(m_grid.size()), m_current->colomn());
        m_grid.insert(m_grid.end(), missing.begin(), missing.end());
        m_current->setDevices(m_grid);
        m_current->setMasterDevice(m_master);
        m_current.reset();
        m_master.reset();
        m_grid.clear();
    }

    const QString m_url;
    std::vector<StoredUnion> m_unions;
    std::shared_ptr<UnionData> m_current;
    std::shared_ptr<NetworkingDevice> m_master;
    UnionGrid m_grid;
    // Grid lines the last union still owns.
    qint64 m_rowsLeft = 0;
    qsizetype m_lines = 0;
};

std::vector<StoredUnion> storedUnions(const QList<QStringView> &lines, const QString &url)
{
    UnionListReader reader(url);
    for (QStringView line : lines)
        reader.readLine(line);
    return reader.finish();
}

// Lines [first, end) of a store text replaced by a union's block, or removed when there is none.
struct Change
{
    qsizetype first = 0;
    qsizetype end = 0;
    std::optional<QString> block;
};

// What an operation makes of the stored unions: a change to write, or its answer without writing.
using Decision = std::variant<Change, std::optional<UnionStoreError>>;

// The block of a union as it is spliced into the file: without its final line feed.
QString blockOf(const UnionData &unionData)
{
    QString text = unionData.fileText();
    text.chop(1);
    return text;
}

// A new union goes at the end of the file, but before a union the file ends inside of, which
// would otherwise read the new lines as its own grid.
Change appending(const std::vector<StoredUnion> &unions, qsizetype lineCount, const UnionData &unionData)
{
    const qsizetype at = !unions.empty() && !unions.back().complete ? unions.back().firstLine : lineCount;
    return Change{at, at, blockOf(unionData)};
}

// Applies one change to the stored text and writes it. Every line outside the change keeps its
// bytes, line ends included, whether or not the screens show it or the writer would refuse it.
template <typename Decide>
std::optional<UnionStoreError> rewrite(const QString &url, const Decide &decide)
{
    const std::optional<QString> text = storedText(url);
    if (!text)
        return storeError(UnionStoreError::Kind::unreadable, url);
    const QList<QStringView> lines = QStringView(*text).split(u'\n');
    const Decision decision = decide(storedUnions(lines, url), lines.size());
    const Change *change = std::get_if<Change>(&decision);
    if (!change) {
        const std::optional<UnionStoreError> &answer = std::get<std::optional<UnionStoreError>>(decision);
        // The caller's record was read before another program changed the file, and so were the
        // lists on screen: they read the file again, so that the operator's next try starts from
        // what is stored. Nothing was written.
        if (answer && answer->kind == UnionStoreError::Kind::changed)
            emit UnionDataUtil::notifier()->localUnionDataUpdated(url);
        return answer;
    }
    QStringList kept;
    for (qsizetype i = 0; i < change->first; ++i)
        kept << lines.at(i).toString();
    if (change->block)
        kept << *change->block;
    for (qsizetype i = change->end; i < lines.size(); ++i)
        kept << lines.at(i).toString();
    return writeText(url, kept.join(QLatin1Char('\n')));
}

// The stored union at the record's index when the screens show it under the name; none
// otherwise, as when a list read before the file changed names another union at that index.
const StoredUnion *shownAt(const std::vector<StoredUnion> &unions, const UnionData &unionData, const QString &name)
{
    const qint64 index = unionData.index();
    if (index < 0 || index >= qint64(unions.size()))
        return nullptr;
    const StoredUnion &stored = unions[std::size_t(index)];
    return stored.shown && stored.shown->name() == name ? &stored : nullptr;
}

} // namespace

namespace UnionDataUtil {

QString localURL()
{
    static const QString url = orvane::appSupportFile(kFileName);
    return url;
}

UnionDataNotifier *notifier()
{
    // Never destroyed: screens may disconnect from it while the process ends.
    static UnionDataNotifier *const instance = [] {
        auto *created = new UnionDataNotifier;
        if (QCoreApplication *app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return instance;
}

bool isStorableName(QStringView name)
{
    return !std::any_of(name.begin(), name.end(), [](QChar ch) {
        return ch == u',' || ch == u'#' || ch == u'\n' || ch == u'\r';
    });
}

UnionList fetchLocalDataList(const QString &url)
{
    const std::optional<QString> text = storedText(url);
    if (!text) {
        orvane::debugLog([&] { return QStringLiteral("cannot read ") + url; });
        return {};
    }
    return unionsFromText(*text, url);
}

UnionList unionsFromText(QStringView text, const QString &url)
{
    UnionList shown;
    for (const StoredUnion &stored : storedUnions(text.split(u'\n'), url)) {
        if (stored.shown)
            shown.push_back(stored.shown);
    }
    return shown;
}

std::optional<UnionStoreError> saveList(const UnionList &unions, const QString &url)
{
    if (auto refused = refusal(unions))
        return refused;
    QString text;
    for (const auto &unionData : unions)
        text += unionData->fileText();
    text.chop(1);
    return writeText(url, text);
}

std::optional<UnionStoreError> append(const std::shared_ptr<UnionData> &unionData, const QString &url)
{
    if (auto refused = refusal(*unionData))
        return refused;
    return rewrite(url, [&](const std::vector<StoredUnion> &unions, qsizetype lineCount) -> Decision {
        return appending(unions, lineCount, *unionData);
    });
}

std::optional<UnionStoreError> save(const std::shared_ptr<UnionData> &unionData, const QString &url,
                                    const std::optional<QString> &storedName)
{
    if (auto refused = refusal(*unionData))
        return refused;
    const QString readName = storedName.value_or(unionData->name());
    return rewrite(url, [&](const std::vector<StoredUnion> &unions, qsizetype lineCount) -> Decision {
        if (unionData->index() < 0)
            return appending(unions, lineCount, *unionData);
        if (const StoredUnion *stored = shownAt(unions, *unionData, readName))
            return Change{stored->firstLine, stored->endLine, blockOf(*unionData)};
        return storeError(UnionStoreError::Kind::changed, readName);
    });
}

std::optional<UnionStoreError> remove(const std::shared_ptr<UnionData> &unionData, const QString &url)
{
    return rewrite(url, [&](const std::vector<StoredUnion> &unions, qsizetype) -> Decision {
        if (const StoredUnion *stored = shownAt(unions, *unionData, unionData->name()))
            return Change{stored->firstLine, stored->endLine, std::nullopt};
        return std::nullopt;
    });
}

QString sizeTip()
{
    return qxLocalized("ov_union_size_tip") + QStringLiteral(" (1 - %1)").arg(UnionData::kMaxCount);
}

QString failureText(const UnionStoreError &error)
{
    switch (error.kind) {
    case UnionStoreError::Kind::invalidName:
        return qxLocalized("ov_spec_chars_tip");
    case UnionStoreError::Kind::invalidSize:
        return sizeTip();
    case UnionStoreError::Kind::changed:
        return qxLocalized("ov_union_list_changed");
    case UnionStoreError::Kind::unreadable:
    case UnionStoreError::Kind::unwritable:
        break;
    }
    return qxLocalized("ov_add_file_fail");
}

} // namespace UnionDataUtil
