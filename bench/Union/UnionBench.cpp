// One instruction and one 64 MiB upload sent to nine fake fans through the union runners, against
// the same work done fan after fan (a one-member union each, one waiting for the other), and one
// instruction to a single fan. All in the same process; the ratios are printed at the end.
#include "DialogPresenter.h"
#include "FakeFan.h"
#include "FakeFanFileServer.h"
#include "LanBench.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionMemberConnector.h"
#include "Modules/Union/UnionSender.h"
#include "Modules/Union/UnionUploader.h"
#include "MultyProgressDialogController.h"
#include "NetworkingDevice.h"
#include "ProgressTableCell.h"
#include "QXConnectManager.h"
#include "QXProgress.h"
#include "Transcode/TranscodeManager.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using orvane::test::FakeFan;
using orvane::test::FakeFanFileServer;

namespace {

constexpr int kFans = 9;
constexpr qint64 kUploadSize = 64LL * 1024 * 1024;
const QByteArray kPassword = "12345678";

// Takes every progress sheet without showing it, so a run can be followed through its rows.
class SheetCatcher : public Modalia::DialogPresenter
{
public:
    bool present(QDialog *dialog, QWidget *) override
    {
        if (auto *sheet = qobject_cast<MultyProgressDialogController *>(dialog))
            last = sheet;
        return true;
    }

    // Every row of the last sheet finished (or paused, which the benchmark reports as an error).
    bool settled(bool *failed) const
    {
        if (!last)
            return false;
        for (int row = 0; row < last->numberOfRows(); ++row) {
            const auto progress = last->cell(row)->progress();
            if (progress->isPaused())
                *failed = true;
            else if (progress->fractionCompleted() < 1.0)
                return false;
        }
        return true;
    }

    void close()
    {
        if (last)
            last->deleteLater();
        last = nullptr;
    }

    QPointer<MultyProgressDialogController> last;
};

struct Lan
{
    Lan()
    {
        for (int i = 0; i < kFans; ++i) {
            const QString ip = QStringLiteral("192.168.2.%1").arg(11 + i);
            const QString name = QStringLiteral("Orvane_kvi_%1").arg(11 + i);
            fans.push_back(std::make_unique<FakeFan>(QHostAddress(ip), 8000));
            fans.back()->requirePassword(kPassword);
            files.push_back(std::make_unique<FakeFanFileServer>());
            files.back()->setKeepData(false);
            files.back()->start(8002, 8003, QHostAddress(ip));
            devices.push_back(std::make_shared<NetworkingDevice>(name, ip));
            manager.addDevice(name, QString::fromLatin1(kPassword));
        }
        Modalia::DialogPresenter::setCurrent(&catcher);
    }

    // All nine fans as one union, or fan i alone.
    std::shared_ptr<UnionData> unionOf(int only = -1) const
    {
        const int count = only < 0 ? kFans : 1;
        auto made = std::make_shared<UnionData>(QStringLiteral("bench"), 1, count, false, QString());
        for (int i = 0; i < count; ++i)
            made->setDevice(0, i, devices.at(only < 0 ? i : only));
        return made;
    }

    // Waits for the run's sheet to settle, woken by its rows rather than by polling, so the
    // time is the run's own; false when a member failed or time ran out.
    bool finish()
    {
        bool failed = false;
        QEventLoop loop;
        const auto check = [&] {
            if (catcher.settled(&failed))
                loop.quit();
        };
        for (int row = 0; catcher.last && row < catcher.last->numberOfRows(); ++row) {
            const auto progress = catcher.last->cell(row)->progress();
            QObject::connect(progress.get(), &QXProgress::fractionCompletedChanged, &loop, check, Qt::QueuedConnection);
            QObject::connect(progress.get(), &QXProgress::paused, &loop, check, Qt::QueuedConnection);
        }
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        QMetaObject::invokeMethod(&loop, check, Qt::QueuedConnection);
        loop.exec();
        const bool settled = catcher.settled(&failed);
        catcher.close();
        return settled && !failed;
    }

    std::vector<std::unique_ptr<FakeFan>> fans;
    std::vector<std::unique_ptr<FakeFanFileServer>> files;
    std::vector<std::shared_ptr<NetworkingDevice>> devices;
    QXConnectManager manager;
    SheetCatcher catcher;
    QWidget screen;
    std::shared_ptr<TranscodeManager> transcoder = std::make_shared<TranscodeManager>(9);
};

Lan *lan = nullptr;
QTemporaryDir *workDir = nullptr;
std::map<std::string, double> bestSeconds;

UnionMemberConnector connector()
{
    return UnionMemberConnector(&lan->screen, lan->manager);
}

QString uploadFile()
{
    const QString path = workDir->filePath(QStringLiteral("upload.mp4"));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray chunk(1024 * 1024, 'v');
    for (qint64 written = 0; written < kUploadSize; written += chunk.size())
        file.write(chunk);
    return path;
}

// Times one iteration of `work` (which returns false on failure) and keeps the best time.
template <typename Work>
void timed(benchmark::State &state, const std::string &name, Work work)
{
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const bool ok = work();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        state.SetIterationTime(seconds);
        auto [entry, inserted] = bestSeconds.emplace(name, seconds);
        if (!inserted)
            entry->second = std::min(entry->second, seconds);
        if (!ok)
            state.SkipWithError("a member failed");
    }
}

bool instruction(const std::shared_ptr<UnionData> &members)
{
    UnionSender(members, connector()).sendInsForAllDevice(QXInsCode::whiteBlank, 1);
    return lan->finish();
}

bool upload(const std::shared_ptr<UnionData> &members)
{
    QList<UploadPair> pairs;
    for (const auto &member : members->allDevices())
        pairs.append({member, uploadFile()});
    UnionUploader(members, lan->transcoder, connector()).upload(pairs);
    return lan->finish();
}

void BM_InstructionToOneFan(benchmark::State &state)
{
    timed(state, "instruction, one fan", [] { return instruction(lan->unionOf(0)); });
}

void BM_InstructionToAll(benchmark::State &state)
{
    timed(state, "instruction, nine at once", [] { return instruction(lan->unionOf()); });
}

void BM_InstructionFanAfterFan(benchmark::State &state)
{
    timed(state, "instruction, fan after fan", [] {
        bool ok = true;
        for (int i = 0; i < kFans; ++i)
            ok = instruction(lan->unionOf(i)) && ok;
        return ok;
    });
}

void BM_UploadToAll(benchmark::State &state)
{
    timed(state, "upload, nine at once", [] { return upload(lan->unionOf()); });
    state.SetBytesProcessed(state.iterations() * kFans * kUploadSize);
}

void BM_UploadFanAfterFan(benchmark::State &state)
{
    timed(state, "upload, fan after fan", [] {
        bool ok = true;
        for (int i = 0; i < kFans; ++i)
            ok = upload(lan->unionOf(i)) && ok;
        return ok;
    });
    state.SetBytesProcessed(state.iterations() * kFans * kUploadSize);
}

// Each pair in turn, so both see the same machine load.
BENCHMARK(BM_InstructionToOneFan)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_InstructionToAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_InstructionFanAfterFan)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_UploadToAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UploadFanAfterFan)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void printRatio(const char *what, const std::string &numerator, const std::string &denominator)
{
    if (bestSeconds.count(numerator) && bestSeconds.count(denominator))
        std::printf("%s: %.2f\n", what, bestSeconds.at(numerator) / bestSeconds.at(denominator));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    orvane::bench::prepareProcess(home);
    QApplication app(argc, argv);
    if (!orvane::bench::insideTestLan())
        return 2;
    QTemporaryDir dir;
    workDir = &dir;
    Lan network;
    lan = &network;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatio("instruction to nine at once / to one fan", "instruction, nine at once", "instruction, one fan");
    printRatio("upload to nine at once / fan after fan", "upload, nine at once", "upload, fan after fan");
    printRatio("instruction to nine at once / fan after fan", "instruction, nine at once", "instruction, fan after fan");
    Modalia::DialogPresenter::setCurrent(nullptr);
    return 0;
}
