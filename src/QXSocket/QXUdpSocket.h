#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <mutex>

class QObject;
class QThread;
class QTimer;
class QUdpSocket;

// One device that answered a search: the name it announced and the address it gave.
struct QXSearchResult
{
    QString name;
    QString ip;

    bool operator==(const QXSearchResult &) const = default;
};
using QXSearchResults = QList<QXSearchResult>;

// The discovery socket: sends one SSDP search to the multicast group and collects the devices
// that answer for our search target. One search runs at a time. The datagram socket lives on a
// thread of its own and is bound at the first search (and again at the next search after a
// failure), so merely reading results never touches the network. A computer is often on more
// than one network (a wired LAN with the default route and the fans' Wi-Fi, a second card, a VPN),
// so each search sends the same request through every interface that is up, can multicast and has
// an IPv4 address, joining the group there first; the answers all come back to the one socket.
//
// Threads: the stream handler runs on the discovery thread, in arrival order. The completion
// runs on the GUI thread when the search time ends, on the caller's thread when the caller
// stops the search or a search is refused, and on the discovery thread when the bind, the
// join or the send fails. Every search gets exactly one completion. Searching needs the
// application object, whose thread runs the search timer.
class QXUdpSocket
{
public:
    enum class Status : int {
        Unbound = 0,    // no search yet: nothing bound
        BindFailed = 1, // the last search could not run (Outcome::Failed); the next one tries again
        Ready = 2,
        Searching = 3,
    };

    // How a search ended. Ran: its time was up or its caller stopped it (finding nothing is no
    // failure). Failed: it could not run, as the socket could not be bound, no interface could
    // join the group and send the request, or the socket closed under it. Refused: another search
    // was running.
    enum class Outcome { Ran, Failed, Refused };
    using Completion = std::function<void(const QXSearchResults &, Outcome)>;
    using StreamHandler = std::function<void(const QXSearchResult &)>;
    // Names one search, so that its caller ends its own search and no other. Never reused
    // within a process; `noSearch` names a search that was refused.
    using SearchId = quint64;
    static constexpr SearchId noSearch = 0;

    static constexpr const char *searchTarget = "orvane_client";
    // Where the last results are kept between runs.
    static constexpr const char *resultsKey = "search_device_list";

    // The process-wide discovery socket on the group 239.255.255.250, local port 1901,
    // target port 1900. Created on first call, never released.
    static QXUdpSocket &shared();

    QXUdpSocket(const QString &address, quint16 port, quint16 targetPort);
    // Must run on the GUI thread, where the search timer lives.
    ~QXUdpSocket();
    QXUdpSocket(const QXUdpSocket &) = delete;
    QXUdpSocket &operator=(const QXUdpSocket &) = delete;

    // Searches for `seconds` (counted from when the request has left) and then hands the
    // results, sorted by name, to the completion. A search while another runs is refused: an
    // empty list at once, and the running search is left alone. Durations too large for a timer
    // (an open-ended search) run until stopped. Returns the search started, or noSearch when
    // it was refused.
    SearchId searchDevicesWithDuration(double seconds, Completion completion);
    // The same, and calls the stream handler with each new device as it answers.
    SearchId continuesSearchWithDuration(double seconds, StreamHandler streamHandler, Completion completion);
    // Ends the running search now, whoever started it; its completion runs on the calling thread.
    void stopSearch();
    // Ends the given search now if it still runs, and leaves any other alone.
    void stopSearch(SearchId search);

    // The results of the last search, or the ones the last run stored before any search.
    QXSearchResults results() const;
    Status status() const;
    QString address() const;
    quint16 port() const;
    quint16 targetPort() const;

    // The search request datagram. The HOST line carries the local port, as the devices expect.
    static QByteArray searchRequest(const QString &address, quint16 port);
    // The devices one answer adds to those already known, in order. Only answers that begin
    // with "HTTP/1.1 200 OK" count; a device counts only when its LOCATION and SERVER lines come
    // before the exact line "ST:ssdp:orvane_client", and only the first answer for a name.
    static QXSearchResults parseReceiveString(const QString &answer, const QXSearchResults &known = {});

private:
    SearchId search(double seconds, StreamHandler streamHandler, Completion completion);
    void startThreadLocked();
    void beginSearch(quint64 generation, double seconds);
    bool bindSocket();
    // Joins the group and sends the request through every usable interface; how many sent it.
    int sendRequest();
    void socketClosed();
    void receiveDatagrams();
    void startTimer(quint64 generation, int timeoutMs);
    // Ends the given search (0: whichever runs) with its results.
    void endSearch(quint64 generation);
    // Ends the given search as one that could not run: an empty list, and the next search binds
    // and joins again where needed.
    void failSearch(quint64 generation);
    void loadResultsLocked() const;

    const QString m_address;
    const quint16 m_port;
    const quint16 m_targetPort;

    mutable std::mutex m_mutex; // guards everything below except the thread-confined objects
    mutable bool m_resultsLoaded = false;
    mutable QXSearchResults m_results;
    Status m_status = Status::Unbound;
    quint64 m_generation = 0;          // counts searches; stale timers and sends check it
    quint64 m_listeningGeneration = 0; // the search whose answers are being collected
    StreamHandler m_streamHandler;
    Completion m_completion;

    QThread *m_thread = nullptr;
    QObject *m_socketContext = nullptr; // lives on m_thread; parent of the datagram socket
    QUdpSocket *m_socket = nullptr;     // only touched on m_thread; set while bound
    QSet<int> m_joinedInterfaces;       // only touched on m_thread; the group's interfaces, by index
    QObject *m_timerContext = nullptr;  // lives on the GUI thread; parent of m_timer
    QTimer *m_timer = nullptr;
    quint64 m_timerGeneration = 0;      // only touched on the GUI thread
};
