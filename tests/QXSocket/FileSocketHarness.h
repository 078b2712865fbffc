#pragma once

#include "EventLoop.h"
#include "FakeFanFileServer.h"
#include "OrvaneProcess.h"
#include "QXFileSocket.h"
#include "QXSocketWriteOperation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace orvane::test {

// A copy of `value` taken under `mutex`: the blocks below run on the sockets' threads.
template <typename T>
T lockedCopy(QMutex &mutex, const T &value)
{
    QMutexLocker lock(&mutex);
    return value;
}

// What one upload reported, in order, from whichever thread the blocks ran on.
class UploadRecorder
{
public:
    struct Outcome {
        bool success = false;
        qint64 code = 0;
        QVariant payload;
    };

    QXOperationBlock success() { return outcome(true); }
    QXOperationBlock failure() { return outcome(false); }
    // Records the fraction and the size of the write that reported it: the head, then every slice.
    QXOperationBlock progress()
    {
        return [this](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const qsizetype written = static_cast<QXSocketWriteOperation &>(*operation).writeData().size();
            QMutexLocker lock(&m_mutex);
            m_progress.append(payload.toDouble());
            m_writes.append(written);
        };
    }
    QXTranslateBlock translate()
    {
        return [this](bool ready, const QString &path) {
            QMutexLocker lock(&m_mutex);
            m_translations.append(QStringLiteral("%1:%2").arg(int(ready)).arg(path));
        };
    }

    QList<Outcome> outcomes() const { return lockedCopy(m_mutex, m_outcomes); }
    QList<double> progressValues() const { return lockedCopy(m_mutex, m_progress); }
    QList<qsizetype> writeSizes() const { return lockedCopy(m_mutex, m_writes); }
    QStringList translations() const { return lockedCopy(m_mutex, m_translations); }
    bool waitForOutcomes(int count, int timeoutMs = 5000) const
    {
        return waitUntil([&] { return outcomes().size() >= count; }, timeoutMs);
    }

private:
    QXOperationBlock outcome(bool success)
    {
        return [this, success](const QXOperationRef &, qint64 code, const QVariant &payload) {
            QMutexLocker lock(&m_mutex);
            m_outcomes.append({success, code, payload});
        };
    }

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
    void fileSocket(QXFileSocket *, const QString &password, const QString &) override
    {
        QMutexLocker lock(&m_mutex);
        m_acceptedPasswords.append(password);
    }
    void fileSocket(QXFileSocket *, const QString &prompt, const QString &, const QString &,
                    QXPasswordAction action) override
    {
        std::optional<QString> answer;
        {
            QMutexLocker lock(&m_mutex);
            m_prompts.append(prompt);
            answer = m_promptAnswer;
        }
        action(answer);
    }
    QString passwordForDeviceName(const QString &) override { return lockedCopy(m_mutex, m_storedPassword); }

    QStringList prompts() const { return lockedCopy(m_mutex, m_prompts); }
    QStringList acceptedPasswords() const { return lockedCopy(m_mutex, m_acceptedPasswords); }
    void setStoredPassword(const QString &password)
    {
        QMutexLocker lock(&m_mutex);
        m_storedPassword = password;
    }
    // None: the prompt is cancelled.
    void setPromptAnswer(const std::optional<QString> &answer)
    {
        QMutexLocker lock(&m_mutex);
        m_promptAnswer = answer;
    }

private:
    mutable QMutex m_mutex;
    QString m_storedPassword;
    std::optional<QString> m_promptAnswer;
    QStringList m_prompts;
    QStringList m_acceptedPasswords;
};

// A file socket aimed at a fake fan's two ports, with short time-outs.
inline void aimAtFan(QXFileSocket &socket, const FakeFanFileServer &fan)
{
    socket.setIP(QStringLiteral("127.0.0.1"));
    socket.setPlainPort(fan.plainPort());
    socket.setPasswordPort(fan.passwordPort());
    socket.setPort(fan.plainPort());
    socket.setConnectTimeout(2);
    socket.setReadTimeout(2);
    socket.setWriteTimeout(2);
}

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A file of `size` bytes in the given folder, already in the device format.
inline QXFileRef convertedFile(const QString &folder, const QString &fileName, const QString &name, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    auto upload = std::make_shared<QXFile>(writeFile(folder + QLatin1Char('/') + fileName, bytes), name);
    upload->setAlreadyTranscoded(true);
    return upload;
}

// Runs "ffmpeg" or "ffprobe" (as found on PATH) to its end; its exit status.
inline int runTool(const QString &tool, const QStringList &arguments, QString *output = nullptr)
{
    OrvaneProcess process(OrvaneProcess::findExecutable(tool), arguments);
    process.launch();
    process.waitUntilExit();
    if (output)
        *output = process.output().value_or(QString());
    return process.terminate();
}

// The converter runner an application hands to the file socket: ffmpeg, bounded.
inline QXConverterRunner ffmpegRunner()
{
    return [](const QStringList &arguments) { return OrvaneProcess::runConverter(arguments); };
}

// codec_name, width and height of a media file's first video stream.
inline QJsonObject firstVideoStream(const QString &path)
{
    QString json;
    runTool(QStringLiteral("ffprobe"),
            {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=codec_name,width,height", "-of", "json",
             path},
            &json);
    return QJsonDocument::fromJson(json.toUtf8()).object().value("streams").toArray().first().toObject();
}

} // namespace orvane::test
