// Upload of a 256 MiB converted file to the fake fan through QXFileSocket, against a raw socket
// writing the same head and file in the same 4 KiB writes with the same send buffer; and the
// conversion of a 10-second 720x720 clip through the file socket against the same ffmpeg command
// run directly. Each pair runs in the same process, one after the other; the ratios are printed
// at the end.
#include "BenchSupport.h"
#include "EventLoop.h"
#include "FakeFanFileServer.h"
#include "QXFileSocket.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <string>

using orvane::test::FakeFanFileServer;
using orvane::test::waitUntil;

using orvane::bench::bestSeconds;
using orvane::bench::noteTime;
using orvane::bench::runFfmpeg;

namespace {

constexpr qint64 kUploadSize = 256LL * 1024 * 1024;

QTemporaryDir *workDir = nullptr;

QString uploadFile()
{
    const QString path = workDir->filePath(QStringLiteral("upload.mp4"));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(i * 7);
    for (qint64 written = 0; written < kUploadSize; written += chunk.size())
        file.write(chunk);
    return path;
}

QString clip()
{
    return orvane::bench::tenSecondClip(QDir(workDir->path()), QStringLiteral("testsrc=size=720x720:rate=24"));
}

// Sends a file with the exact bytes the file socket sends, over a plain blocking socket.
bool rawUpload(quint16 port, const QString &path)
{
    QXFile file(path, QStringLiteral("upload"));
    file.setAlreadyTranscoded(true);
    if (!file.update())
        return false;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int sendBuffer = QXFileSocket::kSendBufferSize;
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    // The device sockets send without delay (Nagle off); so does the reference.
    const int noDelay = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    const auto writeAll = [fd](const QByteArray &bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    };
    ok = ok && writeAll(file.fileHeaderData());
    while (ok && file.leftLength() > 0) {
        const std::optional<QByteArray> slice = file.readSliceData();
        ok = slice && writeAll(*slice);
    }
    char answer = 0;
    ok = ok && ::read(fd, &answer, 1) == 1;
    ::close(fd);
    return ok;
}

void BM_UploadThroughFileSocket(benchmark::State &state)
{
    const QString path = uploadFile();
    FakeFanFileServer fan;
    fan.setKeepData(false);
    fan.start();
    QXFileSocket socket;
    socket.setIP(QStringLiteral("127.0.0.1"));
    socket.setPlainPort(fan.plainPort());
    socket.setPort(fan.plainPort());
    socket.setWriteTimeout(30);
    socket.setReadTimeout(30);
    for (auto _ : state) {
        auto file = std::make_shared<QXFile>(path, QStringLiteral("upload"));
        file->setAlreadyTranscoded(true);
        std::atomic<int> done = 0;
        bool succeeded = false;
        const auto started = std::chrono::steady_clock::now();
        socket.sendFiles(
            {file}, nullptr, nullptr, [&](const QXOperationRef &, qint64, const QVariant &) { succeeded = true, ++done; },
            [&](const QXOperationRef &, qint64 code, const QVariant &payload) {
                std::fprintf(stderr, "upload failed: %lld %s\n", code, qPrintable(payload.toString()));
                ++done;
            });
        waitUntil([&] { return done.load() > 0; }, 120000);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        noteTime("file socket", seconds);
        if (!succeeded)
            state.SkipWithError("upload failed");
        waitUntil([&] { return socket.currentIns() == QXFileSocket::Idle; });
    }
    state.SetBytesProcessed(state.iterations() * kUploadSize);
}

void BM_UploadThroughRawSocket(benchmark::State &state)
{
    const QString path = uploadFile();
    FakeFanFileServer fan;
    fan.setKeepData(false);
    fan.start();
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        if (!rawUpload(fan.plainPort(), path))
            state.SkipWithError("raw upload failed");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        noteTime("raw socket", seconds);
    }
    state.SetBytesProcessed(state.iterations() * kUploadSize);
}

void BM_ConvertThroughFileSocket(benchmark::State &state)
{
    const QString source = clip();
    FakeFanFileServer fan;
    fan.setKeepData(false);
    fan.start();
    QXFileSocket socket;
    socket.setIP(QStringLiteral("127.0.0.1"));
    socket.setPlainPort(fan.plainPort());
    socket.setPort(fan.plainPort());
    socket.setResolution(QStringLiteral("720"));
    socket.setRate(QStringLiteral("1M"));
    socket.setFfmpeg_mac(runFfmpeg);
    for (auto _ : state) {
        std::atomic<int> done = 0;
        bool succeeded = false;
        const auto started = std::chrono::steady_clock::now();
        socket.sendFile(
            source, QStringLiteral("clip"), nullptr, nullptr,
            [&](const QXOperationRef &, qint64, const QVariant &) { succeeded = true, ++done; },
            [&](const QXOperationRef &, qint64, const QVariant &) { ++done; });
        waitUntil([&] { return done.load() > 0; }, 300000);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        noteTime("conversion through file socket", seconds);
        if (!succeeded)
            state.SkipWithError("conversion failed");
        waitUntil([&] { return socket.currentIns() == QXFileSocket::Idle; });
    }
}

void BM_ConvertWithFfmpegDirectly(benchmark::State &state)
{
    const QString source = clip();
    const QString output = workDir->filePath(QStringLiteral("direct.mp4"));
    const QStringList arguments =
        QXMediaConversion::argumentsFor(QStringLiteral("720"), QStringLiteral("1M"), source, output, true, nullptr);
    for (auto _ : state) {
        QFile::remove(output);
        const auto started = std::chrono::steady_clock::now();
        if (runFfmpeg(arguments) != 0)
            state.SkipWithError("ffmpeg failed");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        noteTime("ffmpeg directly", seconds);
    }
}

BENCHMARK(BM_UploadThroughFileSocket)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UploadThroughRawSocket)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertThroughFileSocket)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertWithFfmpegDirectly)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

void printRatio(const char *what, const std::string &ours, const std::string &reference, bool throughput)
{
    if (!bestSeconds.count(ours) || !bestSeconds.count(reference))
        return;
    const double a = bestSeconds[ours];
    const double b = bestSeconds[reference];
    std::printf("%s: %s %.3f s, %s %.3f s, %s %.3f\n", what, ours.c_str(), a, reference.c_str(), b,
                throughput ? "throughput ratio (ours/raw)" : "time ratio (ours/direct)", throughput ? b / a : a / b);
}

} // namespace

int main(int argc, char **argv)
{
    // Conversions write into the application's data folder: keep them out of the real one.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=false"));
    QTemporaryDir work;
    workDir = &work;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatio("Upload of 256 MiB", "file socket", "raw socket", true);
    printRatio("Conversion of a 10 s 720x720 clip", "conversion through file socket", "ffmpeg directly", false);
    return 0;
}
