#include "QXUdpSocket.h"

#include "QXLog.h"
#include "QXUserDefaults.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <QVariantList>
#include <QVariantMap>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace {

const QString answerStatusLine = QStringLiteral("HTTP/1.1 200 OK");
const QString locationTag = QStringLiteral("LOCATION");
const QString serverTag = QStringLiteral("SERVER");
const QString searchTargetTag = QStringLiteral("ST");

// The search time in whole milliseconds, or none for a duration no timer can hold: such a
// search runs until the caller stops it.
std::optional<int> timerInterval(double seconds)
{
    const double ms = std::ceil(seconds * 1000.0);
    if (!(ms > 0))
        return 0;
    if (ms >= double(INT_MAX))
        return std::nullopt;
    return int(ms);
}

QVariantList toVariant(const QXSearchResults &results)
{
    QVariantList list;
    for (const QXSearchResult &result : results)
        list.append(QVariantMap{{QStringLiteral("name"), result.name}, {QStringLiteral("ip"), result.ip}});
    return list;
}

// Whether the search request goes out through the interface: every network the computer is on
// that can carry it, not only the one the routing table picks for the group.
bool isSearchable(const QNetworkInterface &iface)
{
    const QNetworkInterface::InterfaceFlags flags = iface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::CanMulticast))
        return false;
    const QList<QNetworkAddressEntry> entries = iface.addressEntries();
    return std::any_of(entries.cbegin(), entries.cend(), [](const QNetworkAddressEntry &entry) {
        return entry.ip().protocol() == QAbstractSocket::IPv4Protocol;
    });
}

QString describe(const QXSearchResult &result)
{
    return QStringLiteral("{name: %1, ip: %2}").arg(result.name, result.ip);
}

} // namespace

QXUdpSocket &QXUdpSocket::shared()
{
    // Never released: searches may still report while the process winds down.
    static QXUdpSocket *instance = new QXUdpSocket(QStringLiteral("239.255.255.250"), 1901, 1900);
    return *instance;
}

QXUdpSocket::QXUdpSocket(const QString &address, quint16 port, quint16 targetPort)
    : m_address(address)
    , m_port(port)
    , m_targetPort(targetPort)
{
}

QXUdpSocket::~QXUdpSocket()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
    delete m_timerContext;
}

QByteArray QXUdpSocket::searchRequest(const QString &address, quint16 port)
{
    return QStringLiteral("M-SEARCH * HTTP/1.1\r\nHOST: %1:%2\r\nMAN: \"ssdp:discover\"\r\nMX: 4\r\nST: ssdp:%3\r\n\r\n")
        .arg(address, QString::number(port), QLatin1String(searchTarget))
        .toUtf8();
}

QXSearchResults QXUdpSocket::parseReceiveString(const QString &answer, const QXSearchResults &known)
{
    QXSearchResults found;
    if (!answer.startsWith(answerStatusLine))
        return found;
    const auto isKnown = [&](const QString &name) {
        const auto sameName = [&](const QXSearchResult &result) { return result.name == name; };
        return std::any_of(known.cbegin(), known.cend(), sameName)
            || std::any_of(found.cbegin(), found.cend(), sameName);
    };
    const QString exactTargetLine = QStringLiteral("ST:ssdp:") + QLatin1String(searchTarget);
    QString name;
    QString address;
    for (const QString &line : answer.split(QStringLiteral("\r\n"))) {
        if (line.contains(locationTag)) {
            address = QString(line).remove(locationTag + u':');
        } else if (line.contains(serverTag)) {
            name = QString(line).remove(serverTag + u':');
        } else if (line.contains(searchTargetTag)) {
            if (line == exactTargetLine && !name.isEmpty() && !address.isEmpty() && !isKnown(name))
                found.append({name, address});
        }
    }
    return found;
}

QXUdpSocket::SearchId QXUdpSocket::searchDevicesWithDuration(double seconds, Completion completion)
{
    return search(seconds, nullptr, std::move(completion));
}

QXUdpSocket::SearchId QXUdpSocket::continuesSearchWithDuration(double seconds, StreamHandler streamHandler,
                                                               Completion completion)
{
    return search(seconds, std::move(streamHandler), std::move(completion));
}

QXUdpSocket::SearchId QXUdpSocket::search(double seconds, StreamHandler streamHandler, Completion completion)
{
    SearchId generation = noSearch;
    {
        std::lock_guard lock(m_mutex);
        if (m_status != Status::Searching) {
            startThreadLocked();
            m_status = Status::Searching;
            m_streamHandler = std::move(streamHandler);
            m_completion = std::move(completion);
            // Emptied now, so that a search stopped before its request leaves reports nothing old.
            m_results.clear();
            m_resultsLoaded = true;
            generation = ++m_generation;
        }
    }
    if (generation == noSearch) {
        if (completion)
            completion({}, Outcome::Refused);
        return noSearch;
    }
    QMetaObject::invokeMethod(
        m_socketContext, [this, generation, seconds] { beginSearch(generation, seconds); }, Qt::QueuedConnection);
    return generation;
}

void QXUdpSocket::startThreadLocked()
{
    if (m_thread)
        return;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("Orvane.socket.discovery"));
    m_socketContext = new QObject;
    m_socketContext->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_socketContext, &QObject::deleteLater);

    // The search timer belongs to the GUI thread, so that a timed search reports there.
    m_timerContext = new QObject;
    m_timer = new QTimer(m_timerContext);
    m_timer->setSingleShot(true);
    // A coarse timer may end a search 5 % before the duration the caller asked for.
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timerContext, [this] { endSearch(m_timerGeneration); });
    m_timerContext->moveToThread(QCoreApplication::instance()->thread());

    m_thread->start();
}

void QXUdpSocket::beginSearch(quint64 generation, double seconds)
{
    if (!bindSocket()) {
        failSearch(generation);
        return;
    }
    // Answers still queued from an earlier search must not count for this one; answers to
    // this request cannot arrive before it is sent, so none of them is lost.
    while (m_socket->hasPendingDatagrams())
        m_socket->receiveDatagram();
    {
        std::lock_guard lock(m_mutex);
        if (m_status != Status::Searching || generation != m_generation)
            return;
        m_listeningGeneration = generation;
    }
    if (sendRequest() == 0) {
        failSearch(generation);
        return;
    }
    QXLOG(QStringLiteral("已经发送指令"));
    if (const std::optional<int> interval = timerInterval(seconds))
        startTimer(generation, *interval);
}

bool QXUdpSocket::bindSocket()
{
    if (m_socket)
        return true;
    auto *socket = new QUdpSocket(m_socketContext);
    if (!socket->bind(QHostAddress::AnyIPv4, m_port)) {
        QXLOG(QStringLiteral("绑定端口或加入广播组失败:%1").arg(socket->errorString()));
        delete socket;
        return false;
    }
    QXLOG(QStringLiteral("成功绑定端口:%1").arg(m_port));
    m_socket = socket;
    m_joinedInterfaces.clear();
    QObject::connect(m_socket, &QUdpSocket::readyRead, m_socketContext, [this] { receiveDatagrams(); });
    QObject::connect(m_socket, &QUdpSocket::stateChanged, m_socketContext, [this](QAbstractSocket::SocketState state) {
        if (state == QAbstractSocket::UnconnectedState)
            socketClosed();
    });
    return true;
}

int QXUdpSocket::sendRequest()
{
    const QHostAddress group(m_address);
    const QByteArray request = searchRequest(m_address, m_port);
    int sent = 0;
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        if (!isSearchable(iface))
            continue;
        // Joined once per interface: joining again would fail while the membership stands.
        if (!m_joinedInterfaces.contains(iface.index())) {
            if (!m_socket->joinMulticastGroup(group, iface)) {
                QXLOG(QStringLiteral("绑定端口或加入广播组失败:%1, interface:%2")
                          .arg(m_socket->errorString(), iface.name()));
                continue;
            }
            QXLOG(QStringLiteral("加入广播组:%1, interface:%2").arg(m_address, iface.name()));
            m_joinedInterfaces.insert(iface.index());
        }
        QNetworkDatagram datagram(request, group, m_targetPort);
        datagram.setInterfaceIndex(uint(iface.index()));
        if (m_socket->writeDatagram(datagram) != request.size()) {
            QXLOG(QStringLiteral("didNotSendData:%1, interface:%2").arg(m_socket->errorString(), iface.name()));
            continue;
        }
        ++sent;
    }
    return sent;
}

void QXUdpSocket::socketClosed()
{
    m_socket->deleteLater();
    m_socket = nullptr;
    quint64 generation = 0;
    {
        std::lock_guard lock(m_mutex);
        generation = m_generation;
    }
    failSearch(generation);
}

void QXUdpSocket::receiveDatagrams()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(datagram.data());
        if (decoder.hasError())
            continue;
        QXLOG(QStringLiteral("Receive:%1").arg(text));
        QXSearchResults added;
        StreamHandler streamHandler;
        {
            std::lock_guard lock(m_mutex);
            if (m_status != Status::Searching || m_listeningGeneration != m_generation)
                continue;
            added = parseReceiveString(text, m_results);
            m_results.append(added);
            streamHandler = m_streamHandler;
        }
        for (const QXSearchResult &result : added) {
            QXLOG(QStringLiteral("Searched Results:%1").arg(describe(result)));
            if (streamHandler)
                streamHandler(result);
        }
    }
}

void QXUdpSocket::startTimer(quint64 generation, int timeoutMs)
{
    QMetaObject::invokeMethod(
        m_timerContext,
        [this, generation, timeoutMs] {
            m_timerGeneration = generation;
            m_timer->start(timeoutMs);
        },
        Qt::QueuedConnection);
}

void QXUdpSocket::stopSearch()
{
    endSearch(0);
}

void QXUdpSocket::stopSearch(SearchId search)
{
    if (search != noSearch)
        endSearch(search);
}

void QXUdpSocket::endSearch(quint64 generation)
{
    Completion completion;
    QXSearchResults results;
    {
        std::lock_guard lock(m_mutex);
        if (m_status != Status::Searching || (generation != 0 && generation != m_generation))
            return;
        std::stable_sort(m_results.begin(), m_results.end(),
                         [](const QXSearchResult &a, const QXSearchResult &b) { return a.name < b.name; });
        results = m_results;
        completion = std::exchange(m_completion, nullptr);
        m_streamHandler = nullptr;
        m_listeningGeneration = 0;
        m_status = Status::Ready;
    }
    QXUserDefaults::standardUserDefaults().setObject(toVariant(results), QLatin1String(resultsKey));
    if (completion)
        completion(results, Outcome::Ran);
}

void QXUdpSocket::failSearch(quint64 generation)
{
    Completion completion;
    {
        std::lock_guard lock(m_mutex);
        if (m_status != Status::Searching || generation != m_generation)
            return;
        completion = std::exchange(m_completion, nullptr);
        m_streamHandler = nullptr;
        m_listeningGeneration = 0;
        m_status = Status::BindFailed;
    }
    if (completion)
        completion({}, Outcome::Failed);
}

QXSearchResults QXUdpSocket::results() const
{
    std::lock_guard lock(m_mutex);
    loadResultsLocked();
    return m_results;
}

void QXUdpSocket::loadResultsLocked() const
{
    if (m_resultsLoaded)
        return;
    m_resultsLoaded = true;
    const QVariantList stored = QXUserDefaults::standardUserDefaults().arrayForKey(QLatin1String(resultsKey));
    for (const QVariant &entry : stored) {
        const QVariantMap map = entry.toMap();
        m_results.append({map.value(QStringLiteral("name")).toString(), map.value(QStringLiteral("ip")).toString()});
    }
}

QXUdpSocket::Status QXUdpSocket::status() const
{
    std::lock_guard lock(m_mutex);
    return m_status;
}

QString QXUdpSocket::address() const
{
    return m_address;
}

quint16 QXUdpSocket::port() const
{
    return m_port;
}

quint16 QXUdpSocket::targetPort() const
{
    return m_targetPort;
}
