#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>

class QThread;

namespace orvane::test {

class FakeFanServer;

// A scriptable fan on its own thread, speaking the instruction port: the password step and the
// instruction frames. It answers every frame with the reply the test scripted for its code (or a
// plain default), records every byte it receives, and can refuse connections, stay silent,
// answer slowly, split replies into segments, or drop a connection after N received bytes.
// Every method is safe from any thread. The file and discovery sides are classes of their own.
class FakeFan
{
public:
    // One instruction frame as received.
    struct Frame
    {
        quint8 code = 0;
        QByteArray bytes; // the whole frame, count byte included
    };

    // What the fan sends back for one frame.
    struct Reply
    {
        QList<QByteArray> segments; // each written and flushed on its own
        int delayMs = 0;            // before the first segment
        int gapMs = 5;              // between segments, so they arrive apart
        bool silent = false;        // answer nothing

        static Reply bytes(const QByteArray &reply) { return Reply{{reply}}; }
        static Reply none() { return Reply{{}, 0, 0, true}; }
        // The reply cut into pieces of at most `size` bytes.
        static Reply split(const QByteArray &reply, int size, int gapMs = 5);
    };

    using Script = std::function<std::optional<Reply>(const Frame &frame)>;

    explicit FakeFan(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    ~FakeFan();
    FakeFan(const FakeFan &) = delete;
    FakeFan &operator=(const FakeFan &) = delete;

    QHostAddress address() const { return m_address; }
    // The port it listens on (0 when it could not listen).
    quint16 port() const { return m_port; }

    // Every fresh connection must first send this password (its exact bytes). A matching password
    // is answered '1', any other '0', unless setPasswordAnswer() scripted another answer.
    void requirePassword(const QByteArray &password) { set(&Settings::password, std::optional(password)); }
    void setPasswordAnswer(const std::optional<QByteArray> &answer) { set(&Settings::passwordAnswer, answer); }

    // The reply to every frame with this code.
    void setReply(quint8 code, const Reply &reply)
    {
        locked([&] { m_settings.replies.insert(code, reply); });
    }
    void setReply(quint8 code, const QByteArray &reply) { setReply(code, Reply::bytes(reply)); }
    // Asked first for every frame (on the fan's thread); no value falls back to the reply set for
    // the code, then to the default.
    void setScript(Script script) { set(&Settings::script, std::move(script)); }
    // Applied to every reply: no answer at all, a delay, or cutting into segments of this size.
    void setSilent(bool silent) { set(&Settings::silent, silent); }
    void setDelay(int ms) { set(&Settings::delayMs, ms); }
    void setSegmentSize(int bytes) { set(&Settings::segmentSize, bytes); }
    // Closes each connection once it has received this many bytes (0: never).
    void setDropAfter(qint64 bytes) { set(&Settings::dropAfter, bytes); }
    // Accepted connections are closed at once.
    void setRefuseConnections(bool refuse) { set(&Settings::refuse, refuse); }
    // Closes every open connection.
    void disconnectClients();

    QByteArray received() const { return locked([this] { return m_received; }); }
    QList<Frame> frames() const { return locked([this] { return m_frames; }); }
    QList<quint8> codes() const;
    int connectionCount() const { return locked([this] { return m_connections; }); }
    int passwordAttempts() const { return locked([this] { return m_passwordAttempts; }); }
    void clearRecords();

    // Reply builders. The default reply of a code is plainReply(code), except: lists and the
    // Bluetooth list answer an empty body, JSON an empty body, code 12 index 0 or an empty name.
    static QByteArray plainReply(quint8 code, const QByteArray &extra = QByteArray(1, '\x01'));
    // 35 A4 code, 32-bit length high byte first, body (lists and the Bluetooth list).
    static QByteArray listReply(quint8 code, const QByteArray &body);
    // 35 A4 40, 16-bit length low byte first, body.
    static QByteArray jsonReply(const QByteArray &body);
    // 35 A4 0C and a signed 16-bit value (index, or the length of the name that follows).
    static QByteArray indexReply(qint16 index);
    static QByteArray nameReply(const QByteArray &name);

private:
    friend class FakeFanServer;

    struct Settings
    {
        std::optional<QByteArray> password;
        std::optional<QByteArray> passwordAnswer;
        QHash<quint8, Reply> replies;
        Script script;
        bool silent = false;
        int delayMs = 0;
        int segmentSize = 0;
        qint64 dropAfter = 0;
        bool refuse = false;
    };

    // Runs `f` under the fan's lock: the fan's thread and the test's touch the same records.
    template <typename F>
    std::invoke_result_t<F> locked(F f) const
    {
        std::lock_guard lock(m_mutex);
        return f();
    }
    template <typename T, typename V>
    void set(T Settings::*field, V &&value)
    {
        locked([&] { m_settings.*field = std::forward<V>(value); });
    }

    Settings settings() const { return locked([this] { return m_settings; }); }
    Reply replyFor(const Frame &frame) const;

    mutable std::mutex m_mutex;
    Settings m_settings;
    QByteArray m_received;
    QList<Frame> m_frames;
    int m_connections = 0;
    int m_passwordAttempts = 0;

    QHostAddress m_address;
    quint16 m_port = 0;
    QThread *m_thread = nullptr;
    FakeFanServer *m_server = nullptr;
};

} // namespace orvane::test
