#include "QXChainedSocketOperation.h"

#include "QXSocketReadOperation.h"
#include "QXSocketWriteOperation.h"

QXChainedSocketOperation::QXChainedSocketOperation(double timeout, QXOperationBlock success, QXOperationBlock failure)
    : m_timeout(timeout), m_success(std::move(success)), m_failure(std::move(failure))
{
}

QXChainedSocketOperation::~QXChainedSocketOperation() = default;

QXOperationRef QXChainedSocketOperation::operationWithTimeout(double timeout, QXOperationBlock success,
                                                              QXOperationBlock failure)
{
    return QXOperationRef(new QXChainedSocketOperation(timeout, std::move(success), std::move(failure)));
}

QXChainedSocketOperation::Kind QXChainedSocketOperation::kind() const
{
    return Kind::Empty;
}

QString QXChainedSocketOperation::baseDescription() const
{
    static const char *const kindNames[] = {"Empty", "Read", "Write"};
    return QStringLiteral("<%1Operation %2 tag:%3 status:%4>")
        .arg(QLatin1String(kindNames[static_cast<int>(kind())]))
        .arg(quintptr(this), 0, 16)
        .arg(tag())
        .arg(status());
}

QString QXChainedSocketOperation::description() const
{
    return baseDescription();
}

QXOperationRef QXChainedSocketOperation::thenOperation() const
{
    std::lock_guard lock(m_mutex);
    return m_then;
}

void QXChainedSocketOperation::setThenOperation(const QXOperationRef &next)
{
    if (next) {
        std::lock_guard lock(next->m_mutex);
        next->m_previous = weak_from_this();
    }
    std::lock_guard lock(m_mutex);
    m_then = next;
}

QXOperationRef QXChainedSocketOperation::previousOperation() const
{
    std::lock_guard lock(m_mutex);
    return m_previous.lock();
}

quint64 QXChainedSocketOperation::status() const
{
    return m_status.load();
}

void QXChainedSocketOperation::setStatus(quint64 status)
{
    m_status.store(status);
}

bool QXChainedSocketOperation::arranged() const
{
    return status() != New;
}

double QXChainedSocketOperation::timeout() const
{
    std::lock_guard lock(m_mutex);
    return m_timeout;
}

void QXChainedSocketOperation::setTimeout(double seconds)
{
    std::lock_guard lock(m_mutex);
    m_timeout = seconds;
}

QXOperationBlock QXChainedSocketOperation::success() const
{
    std::lock_guard lock(m_mutex);
    return m_success;
}

void QXChainedSocketOperation::setSuccess(QXOperationBlock block)
{
    std::lock_guard lock(m_mutex);
    m_success = std::move(block);
}

QXOperationBlock QXChainedSocketOperation::failure() const
{
    std::lock_guard lock(m_mutex);
    return m_failure;
}

void QXChainedSocketOperation::setFailure(QXOperationBlock block)
{
    std::lock_guard lock(m_mutex);
    m_failure = std::move(block);
}

qint64 QXChainedSocketOperation::tag() const
{
    return m_tag.load();
}

void QXChainedSocketOperation::setTag(qint64 tag)
{
    m_tag.store(tag);
}

QXOperationRef QXChainedSocketOperation::rootOperation()
{
    QXOperationRef step = shared_from_this();
    while (QXOperationRef previous = step->previousOperation())
        step = previous;
    return step;
}

QXOperationRef QXChainedSocketOperation::leafOperation()
{
    QXOperationRef step = shared_from_this();
    while (QXOperationRef next = step->thenOperation())
        step = next;
    return step;
}

QXOperationRef QXChainedSocketOperation::thenOperation(const QXOperationRef &step)
{
    if (!step)
        return step;
    leafOperation()->setThenOperation(step);
    step->setStatus(Arranged);
    step->setTag(tag());
    return step;
}

std::shared_ptr<QXSocketReadOperation> QXChainedSocketOperation::thenReadTimeout(double timeout, qint64 length,
                                                                                 QXOperationBlock success,
                                                                                 QXOperationBlock failure)
{
    auto read = QXSocketReadOperation::readOperationWithTimeout(timeout, length, std::move(success),
                                                                std::move(failure));
    thenOperation(read);
    return read;
}

std::shared_ptr<QXSocketReadOperation> QXChainedSocketOperation::thenReadTimeout(double timeout,
                                                                                 const QByteArray &terminator,
                                                                                 QXOperationBlock success,
                                                                                 QXOperationBlock failure)
{
    auto read = QXSocketReadOperation::readOperationWithTimeout(timeout, terminator, std::move(success),
                                                                std::move(failure));
    thenOperation(read);
    return read;
}

std::shared_ptr<QXSocketReadOperation> QXChainedSocketOperation::thenReadTimeout(double timeout,
                                                                                 QXOperationBlock success,
                                                                                 QXOperationBlock failure)
{
    return thenReadTimeout(timeout, qint64(0), std::move(success), std::move(failure));
}

std::shared_ptr<QXSocketWriteOperation> QXChainedSocketOperation::thenWriteTimeout(double timeout,
                                                                                   const QByteArray &data,
                                                                                   QXOperationBlock success,
                                                                                   QXOperationBlock failure)
{
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(timeout, data, std::move(success),
                                                                   std::move(failure));
    thenOperation(write);
    return write;
}

QXOperationRef QXChainedSocketOperation::tagged(qint64 tag)
{
    setTag(tag);
    return shared_from_this();
}

void QXChainedSocketOperation::giveupThen()
{
    setThenOperation(nullptr);
}

QXOperationRef QXChainedSocketOperation::operationWithTag(qint64 tag)
{
    for (QXOperationRef step = shared_from_this(); step; step = step->thenOperation()) {
        if (step->tag() == tag)
            return step;
    }
    return nullptr;
}

bool QXChainedSocketOperation::moveUnlessEnded(Status status)
{
    quint64 current = m_status.load();
    while (current < Succeeded) {
        if (m_status.compare_exchange_weak(current, status))
            return true;
    }
    return false;
}

bool QXChainedSocketOperation::arrange()
{
    return moveUnlessEnded(Arranged);
}

bool QXChainedSocketOperation::settle(Status end, bool withStep, qint64 code, const QVariant &payload)
{
    if (!moveUnlessEnded(end))
        return false;
    // The block is read only once the step has ended, so one set meanwhile is the one called.
    if (QXOperationBlock block = end == Succeeded ? success() : failure())
        block(withStep ? shared_from_this() : nullptr, code, payload);
    return true;
}

bool QXChainedSocketOperation::succeed(qint64 code, const QVariant &payload)
{
    return settle(Succeeded, true, code, payload);
}

bool QXChainedSocketOperation::fail(qint64 code, const QVariant &payload)
{
    return settle(Failed, true, code, payload);
}

bool QXChainedSocketOperation::failWithoutStep(qint64 code, const QVariant &payload)
{
    return settle(Failed, false, code, payload);
}
