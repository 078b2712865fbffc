#include "OrvaneProcess.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

// A child asked to stop gets this long to end before it is killed.
constexpr int kTerminateGraceMs = 5000;

} // namespace

OrvaneProcess::OrvaneProcess(const std::optional<QString> &launchPath, const std::optional<QStringList> &arguments)
    : m_process(std::make_unique<QProcess>())
{
    m_process->setProgram(launchPath.value_or(QString()));
    m_process->setArguments(arguments.value_or(QStringList()));
    m_process->setStandardInputFile(QProcess::nullDevice());
}

OrvaneProcess::~OrvaneProcess()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(-1);
    }
}

std::optional<QString> OrvaneProcess::output()
{
    return collected(m_output, true);
}

std::optional<QString> OrvaneProcess::error()
{
    return collected(m_error, false);
}

std::optional<QString> OrvaneProcess::collected(std::optional<QString> &cache, bool standardOutput)
{
    if (cache)
        return cache;
    waitUntilExit();
    const QByteArray bytes = standardOutput ? m_process->readAllStandardOutput() : m_process->readAllStandardError();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    cache = text;
    return cache;
}

void OrvaneProcess::launch()
{
    // A missing or unusable program ends as QProcess::FailedToStart, reported by terminate().
    m_launched = true;
    m_process->start(QIODevice::ReadOnly);
}

void OrvaneProcess::launch(const std::optional<QStringList> &arguments)
{
    m_process->setArguments(arguments.value_or(QStringList()));
    launch();
}

void OrvaneProcess::waitUntilExit()
{
    if (m_process->state() != QProcess::NotRunning)
        m_process->waitForFinished(-1);
}

int OrvaneProcess::terminate()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(kTerminateGraceMs)) {
            m_process->kill();
            m_process->waitForFinished(-1);
        }
    }
    if (!m_launched || m_process->error() == QProcess::FailedToStart || m_process->exitStatus() == QProcess::CrashExit)
        return -1;
    return m_process->exitCode();
}

QString OrvaneProcess::findExecutable(const QString &name)
{
    const QString override = qEnvironmentVariable(("ORVANE_" + name.toUpper().toLatin1()).constData());
    if (!override.isEmpty())
        return override;
    return QStandardPaths::findExecutable(name);
}
