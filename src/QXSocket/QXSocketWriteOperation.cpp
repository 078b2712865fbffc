#include "QXSocketWriteOperation.h"

QXSocketWriteOperation::QXSocketWriteOperation(double timeout, QXOperationBlock success, QXOperationBlock failure)
    : QXChainedSocketOperation(timeout, std::move(success), std::move(failure))
{
}

std::shared_ptr<QXSocketWriteOperation> QXSocketWriteOperation::writeOperationWithTimeout(double timeout,
                                                                                          const QByteArray &data,
                                                                                          QXOperationBlock success,
                                                                                          QXOperationBlock failure)
{
    std::shared_ptr<QXSocketWriteOperation> write(
        new QXSocketWriteOperation(timeout, std::move(success), std::move(failure)));
    write->m_writeData = data;
    return write;
}

QXChainedSocketOperation::Kind QXSocketWriteOperation::kind() const
{
    return Kind::Write;
}

QString QXSocketWriteOperation::description() const
{
    std::lock_guard lock(m_mutex);
    const QString data = m_secret ? QStringLiteral("<%1 bytes hidden>").arg(m_writeData.size())
                                  : QString::fromLatin1(m_writeData.toHex(' '));
    return QStringLiteral("%1-Data:%2").arg(baseDescription(), data);
}

QByteArray QXSocketWriteOperation::writeData() const
{
    std::lock_guard lock(m_mutex);
    return m_writeData;
}

void QXSocketWriteOperation::setWriteData(const QByteArray &data)
{
    std::lock_guard lock(m_mutex);
    m_writeData = data;
}

bool QXSocketWriteOperation::secret() const
{
    std::lock_guard lock(m_mutex);
    return m_secret;
}

void QXSocketWriteOperation::setSecret(bool secret)
{
    std::lock_guard lock(m_mutex);
    m_secret = secret;
}
