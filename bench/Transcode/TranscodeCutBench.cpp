// The cut of a 10-second 1920x1080 clip for a 3x3 union (pad, nine crops, nine conversions to
// 720x720) through TranscodeManager, against the very same ffmpeg commands (as the cut runs them)
// one after another in the same process, and for reference one ffmpeg that pads, splits, crops and
// converts all nine tiles in one filter graph. The best times and the ratio are printed at the end.
#include "BenchSupport.h"
#include "Modules/Union/UnionData.h"
#include "Transcode/TranscodeManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

using orvane::bench::bestSeconds;
using orvane::bench::noteTime;
using orvane::bench::runFfmpeg;

namespace {

constexpr qint64 kRows = 3;
constexpr qint64 kColomns = 3;
constexpr qint64 kDiameter = 720;
const QString kRate = QStringLiteral("1M");

QTemporaryDir *workDir = nullptr;

QString clip()
{
    return orvane::bench::tenSecondClip(QDir(workDir->path()), QStringLiteral("testsrc2=size=1920x1080:rate=25"));
}

TranscodeManager::CutGeometry geometry()
{
    return *TranscodeManager::cutGeometry(QSize(1920, 1080), kRows, kColomns, kDiameter);
}

template <typename Work>
void timeRuns(benchmark::State &state, const std::string &name, Work &&work)
{
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        if (!work())
            state.SkipWithError("ffmpeg failed");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        noteTime(name, seconds);
    }
}

void BM_CutIntoNineTiles(benchmark::State &state)
{
    const QString source = clip();
    TranscodeManager manager(9);
    const auto unionData = std::make_shared<UnionData>("bench", kRows, kColomns, false, QString());
    timeRuns(state, "cut", [&] {
        bool succeeded = false;
        manager.cut(source, unionData, true, {},
                    [&](const TranscodeResult &result) { succeeded = std::holds_alternative<QString>(result); });
        manager.operationQueue()->waitForDone();
        return succeeded;
    });
}

// The commands a cut runs, in the order it starts them, recorded by a stand-in that runs nothing.
QList<QStringList> commandsOfACut(const QString &source)
{
    const QString script = workDir->filePath(QStringLiteral("record-ffmpeg"));
    const QString log = workDir->filePath(QStringLiteral("commands"));
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    // One write per command, so that commands started at the same time do not interleave.
    file.write("#!/bin/sh\nline=\nfor a in \"$@\"; do line=\"$line$a$(printf '\\037')\"; done\nprintf '%s\\n' \"$line\" >> \""
               + log.toUtf8() + "\"\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    file.close();
    qputenv("ORVANE_FFMPEG", script.toUtf8());
    {
        TranscodeManager manager(1);
        manager.cut(source, std::make_shared<UnionData>("bench", kRows, kColomns, false, QString()), true, {}, {});
        manager.operationQueue()->waitForDone();
    }
    qunsetenv("ORVANE_FFMPEG");
    QFile recorded(log);
    recorded.open(QIODevice::ReadOnly);
    QList<QStringList> commands;
    for (const QByteArray &line : recorded.readAll().split('\n')) {
        if (!line.isEmpty())
            commands << QString::fromUtf8(line).split(QChar(0x1f), Qt::SkipEmptyParts);
    }
    return commands;
}

void BM_SameCommandsOneAfterAnother(benchmark::State &state)
{
    const QList<QStringList> commands = commandsOfACut(clip());
    if (commands.size() != 1 + 2 * kRows * kColomns)
        state.SkipWithError("the cut ran an unexpected number of commands");
    timeRuns(state, "sequential", [&] {
        return std::all_of(commands.begin(), commands.end(),
                           [](const QStringList &arguments) { return runFfmpeg(arguments) == 0; });
    });
}

// Reference only: one decode, one filter graph, nine encoders with the conversion's options.
void BM_OneFfmpegForAllNine(benchmark::State &state)
{
    const QString source = clip();
    const TranscodeManager::CutGeometry cut = geometry();
    const QDir dir(workDir->filePath(QStringLiteral("single")));
    QDir().mkpath(dir.path());
    QString graph = QStringLiteral("[0:v]%1,split=%2").arg(cut.padFilter.value_or("null")).arg(kRows * kColomns);
    for (qint64 i = 0; i < kRows * kColomns; ++i)
        graph += QStringLiteral("[s%1]").arg(i);
    QStringList arguments{"-y", "-i", source};
    for (qint64 r = 0; r < kRows; ++r) {
        for (qint64 c = 0; c < kColomns; ++c) {
            const qint64 i = r * kColomns + c;
            graph += QStringLiteral(";[s%1]%2,scale=%3:%3[o%1]").arg(i).arg(cut.cropFilter(r, c)).arg(kDiameter);
        }
    }
    arguments << "-filter_complex" << graph;
    for (qint64 i = 0; i < kRows * kColomns; ++i) {
        arguments << "-map" << QStringLiteral("[o%1]").arg(i) << "-map" << "0:a?" << "-c:v" << "libx264"
                  << "-vprofile" << "baseline" << "-level" << "30" << "-r" << "24" << "-refs" << "1" << "-b:v"
                  << kRate << "-maxrate" << kRate << "-bufsize" << "2M" << "-c:a" << "libmp3lame" << "-ac" << "2"
                  << "-ar" << "22050" << "-pix_fmt" << "yuvj420p" << dir.filePath(QStringLiteral("tile_%1.mp4").arg(i));
    }
    timeRuns(state, "one ffmpeg", [&] { return runFfmpeg(arguments) == 0; });
}

BENCHMARK(BM_CutIntoNineTiles)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SameCommandsOneAfterAnother)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneFfmpegForAllNine)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The cut writes into the application's data folder: keep it out of the real one.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=false"));
    QTemporaryDir work;
    workDir = &work;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (bestSeconds.count("cut") && bestSeconds.count("sequential")) {
        std::printf("cut %.2f s, same commands one after another %.2f s, ratio %.3f\n", bestSeconds["cut"],
                    bestSeconds["sequential"], bestSeconds["cut"] / bestSeconds["sequential"]);
    }
    if (bestSeconds.count("one ffmpeg"))
        std::printf("one ffmpeg for all nine tiles (reference) %.2f s\n", bestSeconds["one ffmpeg"]);
    return 0;
}
