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
    std::shared_ptr<QXSocketFileOperation> step(
        new QXSocketFileOperation(timeout, file, sliceWrapper(success, failure), failure));
    step->setWriteData(file->fileHeaderData());
    return step;
}

QXOperationBlock QXSocketFileOperation::sliceWrapper(QXOperationBlock success, QXOperationBlock failure)
{
    // Shared by every slice step of the transfer, so a slice costs no copy of the caller's blocks.
    const auto callers = std::make_shared<const std::pair<QXOperationBlock, QXOperationBlock>>(std::move(success),
                                                                                            std::move(failure));
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
        std::shared_ptr<QXSocketFileOperation> next(
            new QXSocketFileOperation(operation->timeout(), file, operation->success(), operation->failure()));
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
