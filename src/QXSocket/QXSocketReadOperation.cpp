#include "QXSocketReadOperation.h"

QXSocketReadOperation::QXSocketReadOperation(double timeout, QXOperationBlock success, QXOperationBlock failure)
    : QXChainedSocketOperation(timeout, std::move(success), std::move(failure))
{
}

std::shared_ptr<QXSocketReadOperation> QXSocketReadOperation::readOperationWithTimeout(double timeout, qint64 length,
                                                                                       QXOperationBlock success,
                                                                                       QXOperationBlock failure)
{
    std::shared_ptr<QXSocketReadOperation> read(
        new QXSocketReadOperation(timeout, std::move(success), std::move(failure)));
    read->m_readLength = length;
    return read;
}

std::shared_ptr<QXSocketReadOperation> QXSocketReadOperation::readOperationWithTimeout(double timeout,
                                                                                       const QByteArray &terminator,
                                                                                       QXOperationBlock success,
                                                                                       QXOperationBlock failure)
{
    std::shared_ptr<QXSocketReadOperation> read(
        new QXSocketReadOperation(timeout, std::move(success), std::move(failure)));
    read->m_terminator = terminator;
    return read;
}

QXChainedSocketOperation::Kind QXSocketReadOperation::kind() const
{
    return Kind::Read;
}

QString QXSocketReadOperation::description() const
{
    return QStringLiteral("%1-Length:%2").arg(baseDescription()).arg(readLength());
}

qint64 QXSocketReadOperation::readLength() const
{
    std::lock_guard lock(m_mutex);
    return m_readLength;
}

void QXSocketReadOperation::setReadLength(qint64 length)
{
    std::lock_guard lock(m_mutex);
    m_readLength = length;
}

QByteArray QXSocketReadOperation::terminator() const
{
    std::lock_guard lock(m_mutex);
    return m_terminator;
}

void QXSocketReadOperation::setTerminator(const QByteArray &terminator)
{
    std::lock_guard lock(m_mutex);
    m_terminator = terminator;
}
