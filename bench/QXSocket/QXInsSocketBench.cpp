// 10,000 sequential status requests to FakeFan on loopback through QXInsSocket, against a plain
// QTcpSocket ping-pong of the same bytes, in the same run; prints both and the ratio.
#include "FakeFan.h"
#include "QXInsSocket.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

#include <chrono>
#include <atomic>
#include <cstdio>
#include <semaphore>

namespace {

constexpr int kRequests = 10000;
double g_rawSeconds = 0;
double g_queueSeconds = 0;
double g_waitingSeconds = 0;

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_RawTcpPingPong(benchmark::State &state)
{
    orvane::test::FakeFan fan;
    const QByteArray request = QXInsSocket::insDataWithType(QXInsCode::status, 0);
    for (auto _ : state) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, fan.port());
        if (!socket.waitForConnected(2000)) {
            state.SkipWithError("cannot connect");
            return;
        }
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const auto start = Clock::now();
        for (int i = 0; i < kRequests; ++i) {
            socket.write(request);
            socket.flush();
            if (!socket.waitForReadyRead(3000)) {
                state.SkipWithError("no reply");
                return;
            }
            benchmark::DoNotOptimize(socket.readAll());
        }
        g_rawSeconds = seconds(start);
    }
    state.counters["us_per_request"] = g_rawSeconds * 1e6 / kRequests;
}

// Each request is sent from the success block of the one before, as a chain of exchanges is
// written with blocks: the same two threads take part as in the raw ping-pong (ours and the fan's).
void BM_InsSocketStatus(benchmark::State &state)
{
    orvane::test::FakeFan fan;
    QXInsSocket socket(QStringLiteral("127.0.0.1"), fan.port());
    std::binary_semaphore done(0);
    std::atomic<bool> failed = false;
    int left = 0;
    QXOperationBlock next;
    const QXOperationBlock failure = [&](const QXOperationRef &, qint64, const QVariant &) {
        failed = true;
        done.release();
    };
    next = [&](const QXOperationRef &, qint64, const QVariant &) {
        if (left-- == 0)
            return done.release();
        socket.sendInsWithType(QXInsCode::status, qint16(0), next, failure);
    };
    for (auto _ : state) {
        socket.connectedWithSuccess([&](const QXOperationRef &, qint64, const QVariant &) { done.release(); },
                                    failure);
        done.acquire();
        left = kRequests;
        const auto start = Clock::now();
        socket.sendInsWithType(QXInsCode::status, qint16(0), next, failure);
        done.acquire();
        g_queueSeconds = seconds(start);
    }
    if (failed)
        state.SkipWithError("a request failed");
    state.counters["us_per_request"] = g_queueSeconds * 1e6 / kRequests;
}

// Each request is sent by a caller thread that waits for the answer before the next: one more
// thread hand-over each way than the raw ping-pong.
void BM_InsSocketStatusFromWaitingCaller(benchmark::State &state)
{
    orvane::test::FakeFan fan;
    QXInsSocket socket(QStringLiteral("127.0.0.1"), fan.port());
    std::binary_semaphore answered(0);
    std::atomic<bool> failed = false;
    const QXOperationBlock success = [&](const QXOperationRef &, qint64, const QVariant &) { answered.release(); };
    const QXOperationBlock failure = [&](const QXOperationRef &, qint64, const QVariant &) {
        failed = true;
        answered.release();
    };
    for (auto _ : state) {
        socket.connectedWithSuccess(success, failure);
        answered.acquire();
        const auto start = Clock::now();
        for (int i = 0; i < kRequests && !failed; ++i) {
            socket.sendInsWithType(QXInsCode::status, qint16(0), success, failure);
            answered.acquire();
        }
        g_waitingSeconds = seconds(start);
    }
    if (failed)
        state.SkipWithError("a request failed");
    state.counters["us_per_request"] = g_waitingSeconds * 1e6 / kRequests;
}

BENCHMARK(BM_RawTcpPingPong)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsSocketStatus)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsSocketStatusFromWaitingCaller)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The device link's debug lines would measure the logger, not the queue.
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_rawSeconds > 0 && g_queueSeconds > 0) {
        std::printf("%d status requests: raw QTcpSocket %.1f ms (%.1f us each), QXInsSocket %.1f ms (%.1f us each), "
                    "ratio %.2f\n",
                    kRequests, g_rawSeconds * 1e3, g_rawSeconds * 1e6 / kRequests, g_queueSeconds * 1e3,
                    g_queueSeconds * 1e6 / kRequests, g_queueSeconds / g_rawSeconds);
    }
    if (g_rawSeconds > 0 && g_waitingSeconds > 0) {
        std::printf("from a waiting caller thread: QXInsSocket %.1f ms (%.1f us each), ratio %.2f\n",
                    g_waitingSeconds * 1e3, g_waitingSeconds * 1e6 / kRequests, g_waitingSeconds / g_rawSeconds);
    }
    return 0;
}
