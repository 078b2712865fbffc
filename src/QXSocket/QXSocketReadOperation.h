#pragma once

#include "QXChainedSocketOperation.h"

// A read step: up to and including `terminator` when one is set; else exactly `readLength` bytes
// when that is 1 or more; else whatever has arrived (at least one byte).
class QXSocketReadOperation : public QXChainedSocketOperation
{
public:
    static std::shared_ptr<QXSocketReadOperation> readOperationWithTimeout(double timeout, qint64 length,
                                                                           QXOperationBlock success,
                                                                           QXOperationBlock failure);
    static std::shared_ptr<QXSocketReadOperation> readOperationWithTimeout(double timeout,
                                                                           const QByteArray &terminator,
                                                                           QXOperationBlock success,
                                                                           QXOperationBlock failure);

    Kind kind() const override;
    QString description() const override;

    qint64 readLength() const;
    void setReadLength(qint64 length);
    QByteArray terminator() const;
    void setTerminator(const QByteArray &terminator);

protected:
    QXSocketReadOperation(double timeout, QXOperationBlock success, QXOperationBlock failure);

private:
    qint64 m_readLength = 0;
    QByteArray m_terminator;
};
