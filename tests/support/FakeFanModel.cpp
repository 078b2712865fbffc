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
constexpr quint8 kUseListCode = 52;
constexpr quint8 kDeleteListCode = 53;
// The selectors of the list family, and the first byte of store instructions.
constexpr quint8 kOneListSelector = 1;
constexpr quint8 kListNamesSelector = 2;
constexpr quint8 kVideosSelector = 3;
constexpr quint8 kStoreTarget = 1;
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

void FakeFanModel::setVideos(const QList<Video> &videos)
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    m_videos = videos;
}

QList<QByteArray> FakeFanModel::videoNames()
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    QList<QByteArray> names;
    for (const Video &video : std::as_const(m_videos))
        names.append(video.name);
    return names;
}

void FakeFanModel::setPlayLists(const QList<NamedList> &lists)
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    m_playLists = lists;
}

QList<QByteArray> FakeFanModel::playListNames()
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    QList<QByteArray> names;
    for (const NamedList &list : std::as_const(m_playLists))
        names.append(list.name);
    return names;
}

std::optional<QByteArray> FakeFanModel::playList(const QByteArray &name)
{
    QMutexLocker lock(&m_mutex);
    absorbTransfers();
    for (const NamedList &list : std::as_const(m_playLists)) {
        if (list.name == name)
            return list.text;
    }
    return std::nullopt;
}

std::optional<quint8> FakeFanModel::listIndex()
{
    QMutexLocker lock(&m_mutex);
    return m_listIndex;
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

std::optional<QByteArray> FakeFanModel::listBody(quint8 selector, quint8 argument)
{
    switch (selector) {
    case 0:
        return m_listText;
    case kOneListSelector:
        return argument < m_playLists.size() ? m_playLists.at(argument).text : QByteArray();
    case kListNamesSelector: {
        QByteArray names;
        for (const NamedList &list : std::as_const(m_playLists))
            names += list.name + "\r\n";
        return names;
    }
    case kVideosSelector: {
        QByteArray lines;
        for (const Video &video : std::as_const(m_videos))
            lines += video.name + ';' + video.size + ";\r\n";
        return lines;
    }
    default:
        return std::nullopt;
    }
}

void FakeFanModel::receive(const FakeFanFileServer::Transfer &transfer)
{
    m_stored.insert(transfer.name, transfer.body);
    const QByteArray listName = m_listName.isEmpty() ? kDefaultListName : m_listName;
    if (transfer.name == listName)
        m_listText = transfer.body;
    else if (transfer.name.endsWith(".mp4"))
        m_listText += transfer.name + ',' + sizeText(transfer.bodySize) + ",1,\r\n";
    if (transfer.name.endsWith(".mp4"))
        m_videos.append({transfer.name, sizeText(transfer.bodySize)});
    if (!transfer.name.endsWith(".txt"))
        return;
    for (NamedList &list : m_playLists) {
        if (list.name == transfer.name) {
            list.text = transfer.body;
            return;
        }
    }
    m_playLists.append({transfer.name, transfer.body});
}

bool FakeFanModel::change(quint8 code, quint8 first, quint8 second)
{
    // The 16-bit value of use and delete: high byte first.
    const int index = (first << 8) | second;
    switch (code) {
    case kDeleteCode:
        if (first != kStoreTarget)
            return false;
        if (second < m_videos.size())
            m_videos.removeAt(second);
        return true;
    case kClearCode:
        if (first != kStoreTarget)
            return false;
        m_videos.clear();
        return true;
    case kUseListCode:
        if (index < m_playLists.size()) {
            m_listIndex = quint8(index);
            m_listName = m_playLists.at(index).name;
            m_listText = m_playLists.at(index).text;
        }
        return true;
    case kDeleteListCode:
        if (index < m_playLists.size()) {
            m_playLists.removeAt(index);
            if (m_listIndex && *m_listIndex > index)
                m_listIndex = quint8(*m_listIndex - 1);
        }
        return true;
    default:
        return false;
    }
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
        // The first byte tells the video store's files from the play list's rows.
        if (change(frame.code, first, second))
            return FakeFan::Reply::bytes(FakeFan::plainReply(frame.code));
        QList<QByteArray> lines = m_listText.split('\n');
        if (value >= 0 && value < lines.size() - 1) {
            lines.removeAt(value);
            m_listText = lines.join('\n');
        }
        return std::nullopt;
    }
    case kClearCode:
        if (change(frame.code, first, second))
            return FakeFan::Reply::bytes(FakeFan::plainReply(frame.code));
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
        if (change(frame.code, first, second))
            return FakeFan::Reply::bytes(FakeFan::plainReply(frame.code));
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
