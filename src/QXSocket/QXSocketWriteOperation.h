#pragma once

#include "QXChainedSocketOperation.h"

// A write step. Its success payload is the text "writeSuccess".
class QXSocketWriteOperation : public QXChainedSocketOperation
{
public:
    static std::shared_ptr<QXSocketWriteOperation> writeOperationWithTimeout(double timeout, const QByteArray &data,
                                                                             QXOperationBlock success,
                                                                             QXOperationBlock failure);

    Kind kind() const override;
    QString description() const override;

    QByteArray writeData() const;
    void setWriteData(const QByteArray &data);

    // A secret step (a password, a Wi-Fi join) shows only its length in the log lines.
    bool secret() const;
    void setSecret(bool secret);

protected:
    QXSocketWriteOperation(double timeout, QXOperationBlock success, QXOperationBlock failure);

private:
    QByteArray m_writeData;
    bool m_secret = false;
};
