#include "FakeFanModel.h"

namespace orvane::test {

namespace {

constexpr quint8 kDeleteCode = 4;
constexpr quint8 kClearCode = 5;
constexpr quint8 kPlayItemCode = 8;
constexpr quint8 kStatusCode = 10;
constexpr quint8 kListCode = 11;
constexpr quint8 kCurrentListCode = 12;
constexpr quint8 kListNameSelector = 3;
// The status reply carries the play-list index at this byte; the rows before it may be zero.
constexpr int kListIndexByte = 50;
const QByteArray kDefaultListName = "playlist.txt";

// The size as the device shows it in its list.
QByteArray sizeText(qint64 bytes)
{
    const char *units = "BKMG";
    double size = double(bytes);
    int unit = 0;
    while (size >= 1024 && unit < 3) {
        size /= 1024;
        ++unit;
    }
    return QByteArray::number(size, 'f', 1) + units[unit];
}

} // namespace

FakeFanModel::FakeFanModel(FakeFan &fan, FakeFanFileServer &files)
    : m_fan(fan)
    , m_files(files)
{
    m_fan.setScript([this](const FakeFan::Frame &frame) { return answer(frame); });
}

FakeFanModel::~FakeFanModel()
{
    m_fan.setScript(nullptr);
}

void FakeFanModel::setListText(const QByteArray &text)
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    m_listText = text;
}

QByteArray FakeFanModel::listText()
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    return m_listText;
}

void FakeFanModel::setListName(const QByteArray &name)
{
    QMutexLocker lock(&m_mutex);
    m_listName = name;
}

void FakeFanModel::setListIndex(std::optional<quint8> index)
{
    QMutexLocker lock(&m_mutex);
    m_listIndex = index;
}

void FakeFanModel::setPlayingIndex(qint16 index)
{
    QMutexLocker lock(&m_mutex);
    m_playingIndex = index;
}

void FakeFanModel::setScript(FakeFan::Script script)
{
    QMutexLocker lock(&m_mutex);
    m_script = std::move(script);
}

std::optional<QByteArray> FakeFanModel::storedFile(const QByteArray &name)
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    const auto found = m_stored.constFind(name);
    return found == m_stored.cend() ? std::nullopt : std::optional(*found);
}

QList<QByteArray> FakeFanModel::storedNames()
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    return m_stored.keys();
}

QByteArray FakeFanModel::statusReply(qint16 playingIndex, std::optional<quint8> listIndex)
{
    QByteArray reply = FakeFan::plainReply(kStatusCode, QByteArray("\x01\x01\x40", 3));
    reply.append(char(quint16(playingIndex) >> 8)).append(char(playingIndex & 0xFF));
    if (listIndex) {
        reply.append(QByteArray(kListIndexByte - reply.size(), '\0'));
        reply.append(char(*listIndex));
    }
    return reply;
}

std::optional<QByteArray> FakeFanModel::listBody(quint8 selector, quint8)
{
    if (selector == 0)
        return m_listText;
    return std::nullopt;
}

void FakeFanModel::receive(const FakeFanFileServer::Transfer &transfer)
{
    m_stored.insert(transfer.name, transfer.body);
    const QByteArray listName = m_listName.isEmpty() ? kDefaultListName : m_listName;
    if (transfer.name == listName)
        m_listText = transfer.body;
    else if (transfer.name.endsWith(".mp4"))
        m_listText += transfer.name + ',' + sizeText(transfer.bodySize) + ",1,\r\n";
}

std::optional<FakeFan::Reply> FakeFanModel::answer(const FakeFan::Frame &frame)
{
    QMutexLocker lock(&m_mutex);
    if (m_script) {
        if (std::optional<FakeFan::Reply> scripted = m_script(frame))
            return scripted;
    }
    absorbTransfers();
    const quint8 first = frame.bytes.size() > 4 ? quint8(frame.bytes.at(4)) : 0;
    const quint8 second = frame.bytes.size() > 5 ? quint8(frame.bytes.at(5)) : 0;
    const qint16 value = qint16((first << 8) | second);
    switch (frame.code) {
    case kDeleteCode: {
        QList<QByteArray> lines = m_listText.split('\n');
        if (value >= 0 && value < lines.size() - 1) {
            lines.removeAt(value);
            m_listText = lines.join('\n');
        }
        return std::nullopt;
    }
    case kClearCode:
        m_listText.clear();
        return std::nullopt;
    case kPlayItemCode:
        m_playingIndex = value;
        return std::nullopt;
    case kStatusCode:
        return FakeFan::Reply::bytes(statusReply(m_playingIndex, m_listIndex));
    case kListCode:
        if (const std::optional<QByteArray> body = listBody(first, second))
            return FakeFan::Reply::bytes(FakeFan::listReply(kListCode, *body));
        return std::nullopt;
    case kCurrentListCode:
        if (first == kListNameSelector)
            return FakeFan::Reply::bytes(FakeFan::nameReply(m_listName));
        return FakeFan::Reply::bytes(FakeFan::indexReply(m_listIndex.value_or(0)));
    default:
        return std::nullopt;
    }
}

void FakeFanModel::absorbTransfers()
{
    const QList<FakeFanFileServer::Transfer> transfers = m_files.transfers();
    for (qsizetype i = m_transfersSeen; i < transfers.size(); ++i)
        receive(transfers.at(i));
    m_transfersSeen = transfers.size();
}

} // namespace orvane::test
