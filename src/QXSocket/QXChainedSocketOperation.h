#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QXChainedSocketOperation;
class QXSocketReadOperation;
class QXSocketWriteOperation;

using QXOperationRef = std::shared_ptr<QXChainedSocketOperation>;

// The two block shapes of the device link. An operation block gets the step it belongs to
// (or none for a refusal before anything was queued), a result code (QXSocketCode) and a
// payload (the bytes read, a text, a number, an error text, or none).
using QXOperationBlock = std::function<void(const QXOperationRef &operation, qint64 code, const QVariant &payload)>;
using QXSocketBlock = std::function<void(qint64 code, const QVariant &payload)>;

// One step of a conversation with a device: an empty step that only reports, a read or a write.
// Steps of one exchange are linked into a chain; only the chain's first step (its root) stands in
// a socket's queue, the others follow it without going back into the queue, so no other exchange
// can come between them.
//
// Threads: build a chain completely before handing it to a socket. Once queued, change a chain only
// from its own blocks (they run on the socket thread): cutting it (giveupThen), setting the length
// of the next read, or splicing further steps in. status() and tag() may be read from any thread.
// A step's success and failure blocks are called at most once between them.
class QXChainedSocketOperation : public std::enable_shared_from_this<QXChainedSocketOperation>
{
public:
    enum Status : quint64 {
        New = 0,       // made, or dropped from its queue
        Arranged = 1,  // queued or chained
        Succeeded = 3,
        Failed = 4,
    };
    enum class Kind { Empty, Read, Write };

    static QXOperationRef operationWithTimeout(double timeout, QXOperationBlock success, QXOperationBlock failure);
    virtual ~QXChainedSocketOperation();
    QXChainedSocketOperation(const QXChainedSocketOperation &) = delete;
    QXChainedSocketOperation &operator=(const QXChainedSocketOperation &) = delete;

    virtual Kind kind() const;
    // For the log lines of the queue.
    virtual QString description() const;

    QXOperationRef thenOperation() const;
    // Links `next` right after this step (and this step as its previousOperation).
    void setThenOperation(const QXOperationRef &next);
    QXOperationRef previousOperation() const;

    quint64 status() const;
    void setStatus(quint64 status);
    bool arranged() const;
    // Marks a step that has not ended as arranged; false, changing nothing, once it has ended, so
    // a chain failed before it reached its queue stays failed and never runs.
    bool arrange();

    // Seconds handed to the socket read or write; an empty step ignores it. A read or write step
    // without a positive time-out takes the socket's.
    double timeout() const;
    void setTimeout(double seconds);

    QXOperationBlock success() const;
    void setSuccess(QXOperationBlock block);
    QXOperationBlock failure() const;
    void setFailure(QXOperationBlock block);

    // The caller's label of the exchange (the instruction code on the instruction socket).
    qint64 tag() const;
    void setTag(qint64 tag);

    QXOperationRef rootOperation();
    QXOperationRef leafOperation();

    // Appends `step` after the LAST step of this chain, marks it arranged, gives it this step's tag;
    // returns `step`.
    QXOperationRef thenOperation(const QXOperationRef &step);
    std::shared_ptr<QXSocketReadOperation> thenReadTimeout(double timeout, qint64 length, QXOperationBlock success,
                                                           QXOperationBlock failure);
    std::shared_ptr<QXSocketReadOperation> thenReadTimeout(double timeout, const QByteArray &terminator,
                                                           QXOperationBlock success, QXOperationBlock failure);
    // A read of whatever arrives.
    std::shared_ptr<QXSocketReadOperation> thenReadTimeout(double timeout, QXOperationBlock success,
                                                           QXOperationBlock failure);
    std::shared_ptr<QXSocketWriteOperation> thenWriteTimeout(double timeout, const QByteArray &data,
                                                             QXOperationBlock success, QXOperationBlock failure);
    // Sets the tag and returns this step.
    QXOperationRef tagged(qint64 tag);
    // Cuts the chain after this step.
    void giveupThen();
    // The first step, from this one onwards, with that tag, or none.
    QXOperationRef operationWithTag(qint64 tag);

    // Ends a step that has not ended yet with Succeeded or Failed and calls the matching block when
    // it is set; returns false, calling nothing, when the step had already ended. Sockets end their
    // steps through these, so a step's blocks run at most once even when two paths race.
    bool succeed(qint64 code, const QVariant &payload);
    bool fail(qint64 code, const QVariant &payload);
    // As fail(), for a refusal reported as failure(none, code, payload).
    bool failWithoutStep(qint64 code, const QVariant &payload);

protected:
    QXChainedSocketOperation(double timeout, QXOperationBlock success, QXOperationBlock failure);
    QString baseDescription() const;

    mutable std::mutex m_mutex;

private:
    // Moves a step that has not ended to `status`; false when it had already ended.
    bool moveUnlessEnded(Status status);
    // moveUnlessEnded(end), then the matching block with this step, or with none when withStep is false.
    bool settle(Status end, bool withStep, qint64 code, const QVariant &payload);

    QXOperationRef m_then;
    std::weak_ptr<QXChainedSocketOperation> m_previous;
    std::atomic<quint64> m_status{New};
    std::atomic<qint64> m_tag{0};
    double m_timeout = 0;
    QXOperationBlock m_success;
    QXOperationBlock m_failure;
};
