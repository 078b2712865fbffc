#include "QXSocketFileOperation.h"

#include "QXSocketCode.h"

namespace {

const QString kReadFailed = QStringLiteral("文件读取失败");

} // namespace

QXSocketFileOperation::QXSocketFileOperation(double timeout, const QXFileRef &file, QXOperationBlock success,
                                             QXOperationBlock failure)
    : QXSocketWriteOperation(timeout, std::move(success), std::move(failure))
    , m_file(file)
{
}

std::shared_ptr<QXSocketFileOperation> QXSocketFileOperation::fileOperationWithTimeout(double timeout,
                                                                                       const QXFileRef &file,
                                                                                       QXOperationBlock success,
                                                                                       QXOperationBlock failure)
{
    // Every slice step of the transfer shares the caller's blocks: the steps' own blocks only hold
    // a reference to them, so a slice costs no copy of whatever the caller's blocks capture.
    const auto callers = std::make_shared<const Callers>(std::move(success), std::move(failure));
    const std::shared_ptr<QXSocketFileOperation> step = make(timeout, file, callers);
    step->setWriteData(file->fileHeaderData());
    return step;
}

std::shared_ptr<QXSocketFileOperation> QXSocketFileOperation::make(double timeout, const QXFileRef &file,
                                                                   const std::shared_ptr<const Callers> &callers)
{
    // One allocation for the step and its count: a large file makes one step per slice.
    struct Made : QXSocketFileOperation {
        Made(double timeout, const QXFileRef &file, QXOperationBlock success, QXOperationBlock failure)
            : QXSocketFileOperation(timeout, file, std::move(success), std::move(failure))
        {
        }
    };
    return std::make_shared<Made>(timeout, file, sliceWrapper(callers), failureWrapper(callers));
}

QXOperationBlock QXSocketFileOperation::failureWrapper(const std::shared_ptr<const Callers> &callers)
{
    return [callers](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
        if (callers->second)
            callers->second(operation, code, payload);
    };
}

QXOperationBlock QXSocketFileOperation::sliceWrapper(const std::shared_ptr<const Callers> &callers)
{
    return [callers](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
        const auto &[callerSuccess, callerFailure] = *callers;
        if (callerSuccess)
            callerSuccess(operation, code, payload);
        const QXFileRef file = static_cast<QXSocketFileOperation &>(*operation).file();
        if (file->leftLength() < 1)
            return;
        const std::optional<QByteArray> slice = file->readSliceData();
        if (!slice) {
            operation->giveupThen();
            if (callerFailure)
                callerFailure(operation, qxCode(QXSocketCode::checkFailed), kReadFailed);
            return;
        }
        const std::shared_ptr<QXSocketFileOperation> next = make(operation->timeout(), file, callers);
        next->setWriteData(*slice);
        next->setTag(operation->tag());
        next->setStatus(Arranged);
        next->setThenOperation(operation->thenOperation());
        operation->setThenOperation(next);
    };
}

// A slice's bytes would flood the log; the file's path says which transfer it is.
QString QXSocketFileOperation::description() const
{
    return QStringLiteral("%1-File:%2").arg(baseDescription(), m_file->path());
}

QXFileRef QXSocketFileOperation::file() const
{
    return m_file;
}

bool QXSocketFileOperation::completed() const
{
    return m_file->leftLength() < 1;
}
