#include "UploadRun.h"

#include "QXFileSocket.h"
#include "QXLog.h"
#include "UploadBar.h"
#include "Widget/ScreenParts.h"

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
    const orvane::screen::Poster post = orvane::screen::poster(screen);
    socket.sendFiles(
        files,
        [post, run](bool ready, const QString &path) {
            if (!ready)
                post([run, path] { run->startFileTurn(path); });
        },
        [post, bar](const QXOperationRef &, qint64, const QVariant &payload) {
            const float progress = payload.toFloat();
            post([bar, progress] { bar->setProgress(progress); });
        },
        [post, run](const QXOperationRef &, qint64, const QVariant &payload) {
            post([run, payload] { run->finishFile(true, payload); });
        },
        [post, run](const QXOperationRef &, qint64 code, const QVariant &payload) {
            QXLOG(QStringLiteral("Upload failed: %1 %2").arg(code).arg(payload.toString()));
            post([run] { run->finishFile(false, {}); });
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
