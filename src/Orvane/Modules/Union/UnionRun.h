#pragma once

#include <QList>
#include <QObject>
#include <QSet>

#include <functional>

// Runs one union operation on its members from the GUI thread without blocking any thread:
// members start in order, at most `concurrentCount` at a time, and the next one starts as soon
// as one reports done. Members that share a key (one pooled socket, for two members at one
// address) never run at the same time, so neither finds the socket busy with the other.
//
// The run owns itself: it emits finished() once every member has reported done and then
// deletes itself. Nothing it holds belongs to a screen, so closing the screen never cuts a run
// short or leaves a member's slot taken.
class UnionRun : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype concurrentCount = 9;

    // Reports a member's end. Callable from any thread; only its first call counts.
    using Done = std::function<void()>;
    // Starts one member's work on the GUI thread; it calls `done` exactly once, now or later.
    using Task = std::function<void(const Done &done)>;

    struct Member
    {
        const void *key = nullptr;
        Task task;
    };

    // Starts a run of the members (none: it finishes at the next turn of the event loop).
    // Call on the GUI thread.
    static UnionRun *start(QList<Member> members);

signals:
    void finished();

private:
    explicit UnionRun(QList<Member> members);
    void startMembers();
    void end(qsizetype index);

    QList<Member> m_members;
    qsizetype m_ended = 0;
    QList<qsizetype> m_waiting;
    QSet<const void *> m_busyKeys;
    qsizetype m_running = 0;
};
