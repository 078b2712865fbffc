#include "OrvaneProcess.h"

#include "QXLog.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>

#include <atomic>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// A child asked to stop gets this long to end before it is killed.
constexpr int kTerminateGraceMs = 5000;
// How often a wait looks at the child's progress and at the application quitting.
constexpr int kWatchIntervalMs = 100;
// The values of ffmpeg's progress report that change only while it converts: the frames sent
// to the encoder, the time written and the bytes written. Its other values (speed, fps) change
// with the clock alone.
const QByteArrayList kProgressKeys = {"frame", "out_time_us", "total_size"};

std::atomic<qint64> g_stallLimitMs = 30000;
std::atomic<bool> g_stopping = false;

} // namespace

OrvaneProcess::OrvaneProcess(const std::optional<QString> &launchPath, const std::optional<QStringList> &arguments)
    : m_process(std::make_unique<QProcess>()), m_lastReport(kProgressKeys.size())
{
    m_process->setProgram(launchPath.value_or(QString()));
    m_process->setArguments(arguments.value_or(QStringList()));
    m_process->setStandardInputFile(QProcess::nullDevice());
    const pid_t parent = ::getpid();
    // In the child, before the program starts: a group of its own, so that a kill reaches what it
    // starts too, and death with the thread that launched it, so it never outlives the application.
    m_process->setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
}

OrvaneProcess::~OrvaneProcess()
{
    if (m_process->state() != QProcess::NotRunning)
        kill();
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
    readProgress();
    const QByteArray bytes = standardOutput ? m_standardOutput : m_process->readAllStandardError();
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
    if (g_stopping.load()) {
        m_refused = true;
        return;
    }
    m_process->start(QIODevice::ReadOnly);
}

void OrvaneProcess::launch(const std::optional<QStringList> &arguments)
{
    m_process->setArguments(arguments.value_or(QStringList()));
    launch();
}

void OrvaneProcess::waitUntilExit()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point progressed = Clock::now();
    while (m_process->state() != QProcess::NotRunning) {
        if (m_process->waitForFinished(kWatchIntervalMs))
            break;
        if (readProgress())
            progressed = Clock::now();
        const bool stalled = Clock::now() - progressed >= stallLimit();
        if (stalled || g_stopping.load()) {
            QXLOG(QStringLiteral("%1 killed: %2")
                      .arg(m_process->program(), stalled ? QStringLiteral("no progress") : QStringLiteral("quitting")));
            kill();
        }
    }
}

bool OrvaneProcess::readProgress()
{
    m_standardOutput += m_process->readAllStandardOutput();
    bool progressed = false;
    qsizetype end = 0;
    while ((end = m_standardOutput.indexOf('\n', m_scanned)) >= 0) {
        const QByteArray line = m_standardOutput.sliced(m_scanned, end - m_scanned).trimmed();
        m_scanned = end + 1;
        const qsizetype equals = line.indexOf('=');
        const qsizetype key = equals < 0 ? -1 : kProgressKeys.indexOf(line.first(equals));
        if (key < 0 || m_lastReport.at(key) == line)
            continue;
        m_lastReport[key] = line;
        progressed = true;
    }
    return progressed;
}

void OrvaneProcess::kill()
{
    // The child leads its own group: the group goes with it, whatever the child started.
    if (const qint64 pid = m_process->processId(); pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    m_process->kill();
    m_process->waitForFinished(-1);
}

int OrvaneProcess::terminate()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(kTerminateGraceMs))
            kill();
    }
    if (!m_launched || m_refused || m_process->error() == QProcess::FailedToStart
        || m_process->exitStatus() == QProcess::CrashExit)
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

int OrvaneProcess::runConverter(const QStringList &arguments, QString *errorText)
{
    const QString ffmpeg = findExecutable(QStringLiteral("ffmpeg"));
    OrvaneProcess process(ffmpeg, QStringList{QStringLiteral("-progress"), QStringLiteral("pipe:1")} + arguments);
    process.launch();
    process.waitUntilExit();
    if (errorText)
        *errorText = process.error().value_or(QString());
    return process.terminate();
}

std::chrono::milliseconds OrvaneProcess::stallLimit()
{
    return std::chrono::milliseconds(g_stallLimitMs.load());
}

void OrvaneProcess::setStallLimit(std::chrono::milliseconds limit)
{
    g_stallLimitMs.store(limit.count());
}

void OrvaneProcess::stopAll()
{
    g_stopping.store(true);
}
