#include "UploadRun.h"

#include "QXEventLoop.h"
#include "QXFileSocket.h"
#include "QXLog.h"
#include "UploadBar.h"

#include <memory>

UploadRun::UploadRun(UploadBar *bar, int total, FileEnds fileEnds, FileSent fileSent)
    : m_bar(bar)
    , m_batch(total)
    , m_fileEnds(fileEnds)
    , m_fileSent(std::move(fileSent))
{
}

void UploadRun::start(QWidget *screen, UploadBar *bar, QXFileSocket &socket, const QList<QXFileRef> &files,
                      FileEnds fileEnds, FileSent fileSent)
{
    const std::shared_ptr<UploadRun> run(new UploadRun(bar, int(files.size()), fileEnds, std::move(fileSent)));
    const QPointer<QWidget> guard(screen);
    socket.sendFiles(
        files,
        [guard, run](bool ready, const QString &path) {
            if (!ready)
                qxOnGuiThread(guard, [run, path] { run->startFileTurn(path); });
        },
        [guard, bar](const QXOperationRef &, qint64, const QVariant &payload) {
            const float progress = payload.toFloat();
            qxOnGuiThread(guard, [bar, progress] { bar->setProgress(progress); });
        },
        [guard, run](const QXOperationRef &, qint64, const QVariant &payload) {
            qxOnGuiThread(guard, [run, payload] { run->finishFile(true, payload); });
        },
        [guard, run](const QXOperationRef &, qint64 code, const QVariant &payload) {
            QXLOG(QStringLiteral("Upload failed: %1 %2").arg(code).arg(payload.toString()));
            qxOnGuiThread(guard, [run] { run->finishFile(false, {}); });
        });
}

void UploadRun::startFileTurn(const QString &path)
{
    m_batch.fileStarted();
    m_bar->startFile(path);
}

void UploadRun::finishFile(bool succeeded, const QVariant &payload)
{
    // A failure before any file began (no connection, nothing to send, a busy socket) ends the
    // whole batch at once.
    if (m_batch.fileFinished(succeeded))
        m_bar->finishBatch(succeeded);
    else if (m_fileEnds == FileEnds::Each && succeeded)
        m_bar->setProgress(0);
    else if (m_fileEnds == FileEnds::Each)
        m_bar->failFile();
    // Last, since taking a file may show a dialog that waits for the operator, or leave the screen.
    if (succeeded)
        m_fileSent(payload);
}
