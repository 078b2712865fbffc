#pragma once

#include "QXAsyncSocket.h"
#include "QXFile.h"
#include "QXMediaConversion.h"

#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QXFileSocket;

// Answers a password prompt: the text entered, or none when the prompt was cancelled or could
// not be shown. Called at most once; later calls are ignored.
using QXPasswordAction = std::function<void(const std::optional<QString> &password)>;
// Tells the caller that a file's conversion starts (false) or that the file to send is ready
// (true), with the file's own path.
using QXTranslateBlock = std::function<void(bool ready, const QString &path)>;

// The connection manager's side of a file socket. Override both fileSocket() methods or none.
class QXFileSocketDelegate : public virtual QXAsyncSocketDelegate
{
public:
    // The device accepted `password`; `deviceName` is the socket's wifiName. On the socket thread.
    virtual void fileSocket(QXFileSocket *socket, const QString &password, const QString &deviceName);
    // Ask the operator for the device password, on the GUI thread. The socket gives no button
    // titles (null texts). `action` must be called exactly once, with none when the prompt is
    // cancelled or cannot be shown; the default answers as cancelled.
    virtual void fileSocket(QXFileSocket *socket, const QString &prompt, const QString &cancel, const QString &confirm,
                            QXPasswordAction action);
};

// Uploads files and play-list texts to a device's file port. An upload connects (first to the
// plain port 8002, then to 8003 with the device password), converts a video or picture to the
// device format, sends a 17-byte head, the name and the file in slices of 4096 bytes, reads the
// device's one-byte answer (none after a device system file) and disconnects. A list is sent one
// file after another, each on a connection of its own; a play list is one packet.
//
// Every upload ends with exactly one success or failure per file (a list adds no call of its own,
// except a single failure 300 when it cannot connect). The three upload entry points share one
// busy claim, held from the call to the last block: a call while another upload runs fails at
// once with 304 and the busy value. Conversion and the opening of the file run on the device
// link's worker pool; all conversions of the process write the one "out.mp4" in turn. Blocks run
// on the socket thread, on the conversion worker (translate with true, and failures before
// connecting) or, for refusals, on the caller's thread; none is moved to the GUI thread.
class QXFileSocket : public QXAsyncSocket
{
public:
    static constexpr qint64 kPlainPort = 8002;
    static constexpr qint64 kPasswordPort = 8003;
    // What the device may hold of a transfer in flight, so progress and the answer's time-out
    // follow what the device has received rather than what the local system buffered.
    static constexpr int kSendBufferSize = 64 * 1024;

    // Busy values of currentIns().
    enum Busy : qint64 {
        Idle = -2,
        UploadingFile = 1,
        UploadingList = 3,
        CheckingPassword = 4,
        Transcoding = 6,
    };

    QXFileSocket();
    QXFileSocket(const QString &host, quint16 port);
    ~QXFileSocket() override;

    QXFileSocketDelegate *fileDelegate() const;

    // 6 while a file is converted or connected (until its head is written) and while an upload
    // holds the socket between steps, else the tag of the step being run: 1 file, 3 play list,
    // 4 password; -2 when idle.
    qint64 currentIns() const;
    bool isTranscoding() const;
    // The file being uploaded, and the files of the running list not yet finished.
    QXFileRef file() const;
    // Uploads set it themselves; set by hand, it names the file the conversions work on.
    void setFile(const QXFileRef &file);
    QList<QXFileRef> uploadingFiles() const;

    bool shouldVerify() const;
    void setShouldVerify(bool verify);
    QString wifiName() const;
    void setWifiName(const QString &name);
    QString wifiPwd() const;
    void setWifiPwd(const QString &password);
    // Conversion size ("720" or "1300x512") and bit rate ("1M").
    QString resolution() const;
    void setResolution(const QString &resolution);
    QString rate() const;
    void setRate(const QString &rate);
    QXConverterRunner ffmpeg_mac() const;
    void setFfmpeg_mac(QXConverterRunner runner);
    // The older runner, used only by transcodeVideo.
    QXMainRunner ffmpeg_main() const;
    void setFfmpeg_main(QXMainRunner runner);
    // How a source's size is measured for the wide device (ffprobe by default).
    void setMediaSizeProbe(QXMediaSizeProbe probe);
    // The plain and the password file ports (8002 and 8003 on a device).
    qint64 plainPort() const;
    void setPlainPort(qint64 port);
    qint64 passwordPort() const;
    void setPasswordPort(qint64 port);

    // Connects to the plain port, else to the password port with the password step (the stored
    // password first, then the prompt).
    QXOperationRef connectedWithSuccess(QXOperationBlock success, QXOperationBlock failure) override;
    // The password step on the connection: refused (303) unless exactly 8 characters; '1' accepts.
    void checkPassword(const QString &password, QXOperationBlock success, QXOperationBlock failure);
    void checkPasswordWithDialog(QXOperationBlock success, QXOperationBlock failure);

    // Empty list: failure(none, 303, "文件列表为空!"). A failed connection: failure(none, 300,
    // "Socket自动连接失败") once for the list.
    void sendFiles(const QList<QXFileRef> &files, QXTranslateBlock translate, QXOperationBlock progress,
                   QXOperationBlock success, QXOperationBlock failure);
    // One file over a plain connection to the port last used.
    void sendFile(const QXFileRef &file, QXTranslateBlock translate, QXOperationBlock progress,
                  QXOperationBlock success, QXOperationBlock failure);
    void sendFile(const QString &path, const QString &name, QXTranslateBlock translate, QXOperationBlock progress,
                  QXOperationBlock success, QXOperationBlock failure);
    // A play-list text; nothing is read back. The progress block is not used.
    void sendListWithName(const QString &name, const QString &content, QXOperationBlock progress,
                          QXOperationBlock success, QXOperationBlock failure);
    static QByteArray listWithFileName(const QString &name, const QString &content);

    // Converts the socket's file into its translatePath; the converter's exit status, -1 when
    // there is no runner or nothing to convert (a source without a picture, or with one that cannot
    // be read, included).
    int transcodeMacVideo(bool video);
    // The older conversion through ffmpeg_main (see QXMediaConversion::olderArgumentsFor); the
    // runner's exit status, -1 when there is no runner or nothing to convert.
    int transcodeVideo(bool video);
    QSizeF getResolutionForFileUrl(const QString &path) const;

private:
    QXMediaSizeProbe mediaSizeProbe() const;
    // The source measured once for its conversion; none when it holds no picture (sound only) or
    // one that cannot be read, which is never converted, so the upload fails as for any file it
    // cannot convert.
    std::optional<QXMediaSizeProbe> measuredSource(const QString &path) const;

    struct FileBlocks {
        QXTranslateBlock translate;
        QXOperationBlock progress;
        QXOperationBlock success;
        QXOperationBlock failure;
    };

    bool claim();
    void release();
    void refuseBusy(const QXOperationBlock &failure);
    // The blocks of a single upload: they release the claim, then report.
    FileBlocks releasingBlocks(const FileBlocks &blocks);
    void sendNextFile(const FileBlocks &blocks);
    void uploadFile(const QXFileRef &file, const FileBlocks &blocks);
    // On the worker pool: conversion (or copy) into translatePath, then opening it.
    bool prepareFile(const QXFileRef &file);
    void transferFile(const QXFileRef &file, const FileBlocks &blocks);
    void connectWithPassword(QXOperationBlock success, QXOperationBlock failure);
    void failAndDisconnect(const QXOperationBlock &failure, qint64 code, const QVariant &payload);
    void runOnWorker(std::function<void()> task);

    mutable std::mutex m_mutex;
    bool m_shouldVerify = false;
    QString m_wifiName;
    QString m_wifiPwd;
    QString m_resolution;
    QString m_rate;
    QXConverterRunner m_ffmpegMac;
    QXMainRunner m_ffmpegMain;
    QXMediaSizeProbe m_probe;
    qint64 m_plainPort = kPlainPort;
    qint64 m_passwordPort = kPasswordPort;
    QXFileRef m_file;
    QList<QXFileRef> m_uploadingFiles;

    std::atomic<bool> m_claimed{false};
    std::atomic<bool> m_transcoding{false};

    // Pending worker tasks; the destructor waits for them, since they call back into the socket.
    std::mutex m_tasksMutex;
    std::condition_variable m_tasksDone;
    int m_tasks = 0;
    bool m_closing = false;
    // Blocks that may outlive the socket (a prompt on the GUI thread) hold a weak reference.
    std::shared_ptr<QXFileSocket *> m_self;
};
