#pragma once

#include "ChildProcesses.h"
#include "Transcode/TranscodeManager.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace orvane::test {

inline QString realFfmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

// Makes a media file with ffmpeg's test sources: `source` is a lavfi graph such as
// "testsrc2=size=160x90:rate=25:duration=1"; with `audio`, a second of sine tone comes along.
inline bool generateMedia(const QString &path, const QString &source, bool audio)
{
    QStringList arguments{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", source};
    if (audio)
        arguments << "-f" << "lavfi" << "-i" << "sine=frequency=440:duration=1" << "-shortest";
    if (path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".jpg")))
        arguments << "-frames:v" << "1";
    arguments << path;
    QProcess process;
    process.start(realFfmpeg(), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// What one cut reported, gathered from whichever threads report it.
struct CutOutcome
{
    std::vector<float> progress;
    std::vector<TranscodeResult> completions;
};

// Runs a cut to its end: the completion, then every step the pool still runs. `whileRunning`
// gets, once the cut is queued, a test of whether it has completed.
inline CutOutcome cutAndWait(TranscodeManager &manager, const QString &input,
                             const std::shared_ptr<UnionData> &unionData, bool transcode = true,
                             const std::function<void(const std::function<bool()> &completed)> &whileRunning = {})
{
    struct Shared
    {
        QMutex mutex;
        CutOutcome outcome;
    };
    auto shared = std::make_shared<Shared>();
    QThreadPool *const pool = manager.operationQueue();
    manager.cut(
        input, unionData, transcode,
        [shared](float value) {
            QMutexLocker lock(&shared->mutex);
            shared->outcome.progress.push_back(value);
        },
        [shared](const TranscodeResult &result) {
            QMutexLocker lock(&shared->mutex);
            shared->outcome.completions.push_back(result);
        });
    if (whileRunning) {
        whileRunning([shared] {
            QMutexLocker lock(&shared->mutex);
            return !shared->outcome.completions.empty();
        });
    }
    pool->waitForDone();
    QMutexLocker lock(&shared->mutex);
    return shared->outcome;
}

} // namespace orvane::test
