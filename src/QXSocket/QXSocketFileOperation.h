#pragma once

#include "QXFile.h"
#include "QXSocketWriteOperation.h"

#include <memory>
#include <utility>

// The first step of a file transfer: it writes the file's head, and after each written step it
// splices the next slice in as a step of its own, ahead of whatever the caller chained after the
// first step (the read of the device's answer). The caller's success block runs after every
// write (the head and each slice) before the next slice is read, so it may report progress or
// cut the chain after the last slice. A file that gives fewer bytes than it had when it was
// opened ends the transfer: the chain is cut and the caller's failure gets 302.
class QXSocketFileOperation : public QXSocketWriteOperation
{
public:
    static std::shared_ptr<QXSocketFileOperation> fileOperationWithTimeout(double timeout, const QXFileRef &file,
                                                                           QXOperationBlock success,
                                                                           QXOperationBlock failure);

    QString description() const override;

    QXFileRef file() const;
    // No bytes of the file are left to send.
    bool completed() const;

private:
    QXSocketFileOperation(double timeout, const QXFileRef &file, QXOperationBlock success, QXOperationBlock failure);
    // The caller's success and failure blocks.
    using Callers = std::pair<QXOperationBlock, QXOperationBlock>;
    static std::shared_ptr<QXSocketFileOperation> make(double timeout, const QXFileRef &file,
                                                       const std::shared_ptr<const Callers> &callers);
    static QXOperationBlock sliceWrapper(const std::shared_ptr<const Callers> &callers);
    static QXOperationBlock failureWrapper(const std::shared_ptr<const Callers> &callers);

    const QXFileRef m_file;
};
