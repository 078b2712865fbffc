#pragma once

#include "EventLoop.h"
#include "OrvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>

namespace orvane::test {

// Another stall limit for every child process while it lives, so that a test need not wait the
// application's own limit for a run that hangs.
class StallLimit
{
public:
    explicit StallLimit(std::chrono::milliseconds limit) : m_previous(OrvaneProcess::stallLimit())
    {
        OrvaneProcess::setStallLimit(limit);
    }
    ~StallLimit() { OrvaneProcess::setStallLimit(m_previous); }
    StallLimit(const StallLimit &) = delete;
    StallLimit &operator=(const StallLimit &) = delete;

private:
    std::chrono::milliseconds m_previous;
};

// The process id a child wrote to the file (as "echo $$ > file" does), once it is there; 0 when
// none comes.
inline qint64 writtenPid(const QString &path)
{
    qint64 pid = 0;
    waitUntil([&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && (pid = file.readAll().trimmed().toLongLong()) > 0;
    }, 10000);
    return pid;
}

// Whether a process has ended: it no longer exists, or is dead and waits to be reaped by whoever
// is its parent now.
inline bool processEnded(qint64 pid)
{
    return waitUntil([pid] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray text = stat.readAll();
        return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
    }, 10000);
}

// A death test's copy of the test run ends without clean-up: its private home (see TestMain) is
// removed first, as nothing else would.
inline void removePrivateHome()
{
    const QString home = QDir::homePath();
    if (home.startsWith(QDir::tempPath() + QLatin1Char('/')))
        QDir(home).removeRecursively();
}

// Stands a shell script in for ffmpeg while it lives.
class StandInFfmpeg
{
public:
    explicit StandInFfmpeg(const QString &script)
    {
        m_path = m_dir.filePath(QStringLiteral("ffmpeg"));
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
        qputenv("ORVANE_FFMPEG", m_path.toUtf8());
    }
    ~StandInFfmpeg() { qunsetenv("ORVANE_FFMPEG"); }

    // Succeeds and records each call's arguments as one line, for recordedCalls().
    static constexpr const char *kRecorder = "echo \"$@\" >> \"$(dirname \"$0\")/calls\"";
    // Waits until openGate().
    static constexpr const char *kGated = "while [ ! -e \"$(dirname \"$0\")/open\" ]; do sleep 0.05; done";
    void openGate() const { QFile(m_dir.filePath(QStringLiteral("open"))).open(QIODevice::WriteOnly); }

    QStringList recordedCalls() const
    {
        QFile file(m_dir.filePath(QStringLiteral("calls")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace orvane::test
