#pragma once

#include "OrvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <map>
#include <string>

namespace orvane::bench {

// The best time of each measured thing, for the ratios printed after the runs.
inline std::map<std::string, double> bestSeconds;

inline void noteTime(const std::string &name, double seconds)
{
    auto [entry, inserted] = bestSeconds.emplace(name, seconds);
    if (!inserted)
        entry->second = std::min(entry->second, seconds);
}

// Runs ffmpeg as the application does and gives its exit status.
inline int runFfmpeg(const QStringList &arguments)
{
    OrvaneProcess process(OrvaneProcess::findExecutable(QStringLiteral("ffmpeg")), arguments);
    process.launch();
    process.waitUntilExit();
    return process.terminate();
}

// A 10-second clip of ffmpeg's test picture at the given size with a tone, made once in `folder`.
inline QString tenSecondClip(const QDir &folder, const QString &source)
{
    const QString path = folder.filePath(QStringLiteral("clip.mp4"));
    if (!QFile::exists(path)) {
        runFfmpeg({"-v", "error", "-f", "lavfi", "-i", source, "-f", "lavfi", "-i", "sine=frequency=440", "-t", "10",
                   "-c:v", "libx264", "-c:a", "aac", "-shortest", path});
    }
    return path;
}

} // namespace orvane::bench
