#include "FileSocketHarness.h"

#include "EventLoop.h"
#include "OrvaneProcess.h"
#include "QXSocketWriteOperation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace orvane::test {

QXOperationBlock UploadRecorder::success()
{
    return [this](const QXOperationRef &, qint64 code, const QVariant &payload) {
        QMutexLocker lock(&m_mutex);
        m_outcomes.append({true, code, payload});
    };
}

QXOperationBlock UploadRecorder::failure()
{
    return [this](const QXOperationRef &, qint64 code, const QVariant &payload) {
        QMutexLocker lock(&m_mutex);
        m_outcomes.append({false, code, payload});
    };
}

QXOperationBlock UploadRecorder::progress()
{
    return [this](const QXOperationRef &operation, qint64, const QVariant &payload) {
        const qsizetype written = static_cast<QXSocketWriteOperation &>(*operation).writeData().size();
        QMutexLocker lock(&m_mutex);
        m_progress.append(payload.toDouble());
        m_writes.append(written);
    };
}

QXTranslateBlock UploadRecorder::translate()
{
    return [this](bool ready, const QString &path) {
        QMutexLocker lock(&m_mutex);
        m_translations.append(QStringLiteral("%1:%2").arg(int(ready)).arg(path));
    };
}

QList<UploadRecorder::Outcome> UploadRecorder::outcomes() const
{
    QMutexLocker lock(&m_mutex);
    return m_outcomes;
}

QList<double> UploadRecorder::progressValues() const
{
    QMutexLocker lock(&m_mutex);
    return m_progress;
}

QList<qsizetype> UploadRecorder::writeSizes() const
{
    QMutexLocker lock(&m_mutex);
    return m_writes;
}

QStringList UploadRecorder::translations() const
{
    QMutexLocker lock(&m_mutex);
    return m_translations;
}

bool UploadRecorder::waitForOutcomes(int count, int timeoutMs) const
{
    return waitUntil([&] { return outcomes().size() >= count; }, timeoutMs);
}

void ScriptedFileDelegate::fileSocket(QXFileSocket *, const QString &password, const QString &)
{
    QMutexLocker lock(&m_mutex);
    m_acceptedPasswords.append(password);
}

void ScriptedFileDelegate::fileSocket(QXFileSocket *, const QString &prompt, const QString &, const QString &,
                                      QXPasswordAction action)
{
    std::optional<QString> answer;
    {
        QMutexLocker lock(&m_mutex);
        m_prompts.append(prompt);
        answer = m_promptAnswer;
    }
    action(answer);
}

QString ScriptedFileDelegate::passwordForDeviceName(const QString &)
{
    QMutexLocker lock(&m_mutex);
    return m_storedPassword;
}

QStringList ScriptedFileDelegate::prompts() const
{
    QMutexLocker lock(&m_mutex);
    return m_prompts;
}

QStringList ScriptedFileDelegate::acceptedPasswords() const
{
    QMutexLocker lock(&m_mutex);
    return m_acceptedPasswords;
}

void ScriptedFileDelegate::setStoredPassword(const QString &password)
{
    QMutexLocker lock(&m_mutex);
    m_storedPassword = password;
}

void ScriptedFileDelegate::setPromptAnswer(const std::optional<QString> &answer)
{
    QMutexLocker lock(&m_mutex);
    m_promptAnswer = answer;
}

void aimAtFan(QXFileSocket &socket, const FakeFanFileServer &fan)
{
    socket.setIP(QStringLiteral("127.0.0.1"));
    socket.setPlainPort(fan.plainPort());
    socket.setPasswordPort(fan.passwordPort());
    socket.setPort(fan.plainPort());
    socket.setConnectTimeout(2);
    socket.setReadTimeout(2);
    socket.setWriteTimeout(2);
}

QXFileRef convertedFile(const QString &folder, const QString &fileName, const QString &name, qint64 size)
{
    const QString path = folder + QLatin1Char('/') + fileName;
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    auto upload = std::make_shared<QXFile>(path, name);
    upload->setAlreadyTranscoded(true);
    return upload;
}

int runTool(const QString &tool, const QStringList &arguments, QString *output)
{
    OrvaneProcess process(OrvaneProcess::findExecutable(tool), arguments);
    process.launch();
    process.waitUntilExit();
    if (output)
        *output = process.output().value_or(QString());
    return process.terminate();
}

QXConverterRunner ffmpegRunner()
{
    return [](const QStringList &arguments) { return runTool(QStringLiteral("ffmpeg"), arguments); };
}

QJsonObject firstVideoStream(const QString &path)
{
    QString json;
    runTool(QStringLiteral("ffprobe"),
            {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=codec_name,width,height", "-of", "json",
             path},
            &json);
    return QJsonDocument::fromJson(json.toUtf8()).object().value("streams").toArray().first().toObject();
}

} // namespace orvane::test
