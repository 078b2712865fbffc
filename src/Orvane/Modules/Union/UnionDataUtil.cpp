#include "UnionDataUtil.h"

#include "Core/AppPaths.h"
#include "NetworkingDevice.h"
#include "QXNumber.h"
#include "QXUtf8.h"
#include "UnionData.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

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
    QSaveFile file(url);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return storeError(UnionStoreError::Kind::unwritable, file.errorString());
    emit UnionDataUtil::notifier()->localUnionDataUpdated(url);
    return std::nullopt;
}

// Reads the unions of a store text line by line. A union enters the list at its first grid line
// and is complete after as many grid lines as its row count; its grid always ends up with exactly
// row x colomn slots, however its lines were cut.
class UnionListReader
{
public:
    explicit UnionListReader(const QString &url)
        : m_url(url)
    {
    }

    void readLine(QStringView line)
    {
        if (line.isEmpty())
            return;
        if (m_current)
            readGridLine(line);
        else
            readHeader(line);
    }

    UnionList finish()
    {
        // A file cut short inside a union's grid: the missing rows are empty.
        if (m_current && !m_grid.empty())
            completeUnion();
        return std::move(m_unions);
    }

private:
    void readHeader(QStringView line)
    {
        const QList<QStringView> fields = line.split(u',');
        if (fields.size() < 4)
            return;
        const qint64 row = strictInteger(fields.at(1));
        const qint64 colomn = strictInteger(fields.at(2));
        // Without usable counts the union has no grid to read: it ends here and the following
        // lines are read as headers again.
        if (!isStorableCount(row) || !isStorableCount(colomn))
            return;
        m_current = std::make_shared<UnionData>(fields.at(0).toString(), row, colomn, fields.at(3) == u"1", m_url,
                                                UnionGrid());
        m_current->setIndex(m_headers++);
        m_master.reset();
        if (fields.size() > 4)
            m_master = std::make_shared<NetworkingDevice>(fields.at(4).toString(), QString());
        m_grid.clear();
    }

    void readGridLine(QStringView line)
    {
        if (m_grid.empty())
            m_unions.push_back(m_current);
        const QList<QStringView> cells = line.split(u'#');
        const qint64 colomn = m_current->colomn();
        std::vector<std::shared_ptr<NetworkingDevice>> row;
        row.reserve(std::size_t(colomn));
        for (qint64 c = 0; c < colomn; ++c)
            row.push_back(c < cells.size() ? fanOf(cells.at(c)) : nullptr);
        m_grid.push_back(std::move(row));
        if (qint64(m_grid.size()) == m_current->row())
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
    UnionList m_unions;
    std::shared_ptr<UnionData> m_current;
    std::shared_ptr<NetworkingDevice> m_master;
    UnionGrid m_grid;
    qint64 m_headers = 0;
};

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
    UnionListReader reader(url);
    for (QStringView line : text.split(u'\n'))
        reader.readLine(line);
    return reader.finish();
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
    const std::optional<QString> current = storedText(url);
    if (!current)
        return storeError(UnionStoreError::Kind::unreadable, url);
    QString text = *current + QLatin1Char('\n') + unionData->fileText();
    text.chop(1);
    return writeText(url, text);
}

std::optional<UnionStoreError> save(const std::shared_ptr<UnionData> &unionData, const QString &url)
{
    UnionList unions = fetchLocalDataList(url);
    const qint64 index = unionData->index();
    if (index < 0 || index >= qint64(unions.size()))
        return append(unionData, url);
    unions[std::size_t(index)] = unionData;
    return saveList(unions, url);
}

} // namespace UnionDataUtil
