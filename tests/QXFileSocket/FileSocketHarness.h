#pragma once

#include "FakeFanFileServer.h"
#include "QXFileSocket.h"

#include <QJsonObject>
#include <QMutex>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace orvane::test {

// What one upload reported, in order, from whichever thread the blocks ran on.
class UploadRecorder
{
public:
    struct Outcome {
        bool success = false;
        qint64 code = 0;
        QVariant payload;
    };

    QXOperationBlock success();
    QXOperationBlock failure();
    QXOperationBlock progress();
    QXTranslateBlock translate();

    QList<Outcome> outcomes() const;
    QList<double> progressValues() const;
    // The size of each write that reported progress: the head, then every slice.
    QList<qsizetype> writeSizes() const;
    QStringList translations() const;
    bool waitForOutcomes(int count, int timeoutMs = 5000) const;

private:
    mutable QMutex m_mutex;
    QList<Outcome> m_outcomes;
    QList<double> m_progress;
    QList<qsizetype> m_writes;
    QStringList m_translations;
};

// The connection manager's side as a test scripts it.
class ScriptedFileDelegate : public QXFileSocketDelegate
{
public:
    void fileSocket(QXFileSocket *socket, const QString &password, const QString &deviceName) override;
    void fileSocket(QXFileSocket *socket, const QString &prompt, const QString &cancel, const QString &confirm,
                    QXPasswordAction action) override;
    QString passwordForDeviceName(const QString &deviceName) override;

    QStringList prompts() const;
    QStringList acceptedPasswords() const;
    void setStoredPassword(const QString &password);
    // None: the prompt is cancelled.
    void setPromptAnswer(const std::optional<QString> &answer);

private:
    mutable QMutex m_mutex;
    QString m_storedPassword;
    std::optional<QString> m_promptAnswer;
    QStringList m_prompts;
    QStringList m_acceptedPasswords;
};

// A file socket aimed at a fake fan's two ports, with short time-outs.
void aimAtFan(QXFileSocket &socket, const FakeFanFileServer &fan);

// A file of `size` bytes in the given folder, already in the device format.
QXFileRef convertedFile(const QString &folder, const QString &fileName, const QString &name, qint64 size);

// Runs "ffmpeg" or "ffprobe" (as found on PATH) to its end; its exit status.
int runTool(const QString &tool, const QStringList &arguments, QString *output = nullptr);
// The converter runner an application hands to the file socket.
QXConverterRunner ffmpegRunner();
// codec_name, width and height of a media file's first video stream.
QJsonObject firstVideoStream(const QString &path);

} // namespace orvane::test
