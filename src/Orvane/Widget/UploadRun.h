#pragma once

#include "QXFile.h"
#include "UploadBatch.h"

#include <QList>
#include <QVariant>

#include <functional>

class QWidget;
class QXFileSocket;
class UploadBar;

// One batch of chosen files on its way to a fan, followed on the screen's upload bar: each
// file's turn and progress, then how the batch ended. The socket answers on its own threads; the
// run takes every answer to the GUI thread and drops it once the screen is gone, so a screen left
// mid-upload lets the socket finish unseen.
class UploadRun
{
public:
    // What the bar shows of a file's end before the batch is over.
    enum class FileEnds {
        // Nothing: the batch's end reports its last file, and earlier files end unseen.
        LastOnly,
        // Each end: a failed file is shown as failed until the next one starts, a sent one
        // leaves the bar at no progress.
        Each,
    };
    // Receives each file the fan took (the socket's success payload) after the bar shows its end.
    using FileSent = std::function<void(const QVariant &payload)>;

    // Sends the files, even none (the socket then fails the batch at once). The bar is one of the
    // screen's widgets, gone only with the screen.
    static void start(QWidget *screen, UploadBar *bar, QXFileSocket &socket, const QList<QXFileRef> &files,
                      FileEnds fileEnds, FileSent fileSent);

private:
    UploadRun(UploadBar *bar, int total, FileEnds fileEnds, FileSent fileSent);

    void startFileTurn(const QString &path);
    void finishFile(bool succeeded, const QVariant &payload);

    UploadBar *m_bar;
    UploadBatch m_batch;
    FileEnds m_fileEnds;
    FileSent m_fileSent;
};
