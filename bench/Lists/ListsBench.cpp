// How long the long lists take to build and to refresh, and how much memory each row holds: the
// play-list screen (the fan's current play list) and the video list (the fan's store), each read
// from a fake fan, with 100, 500 and 1,000 entries, beside a QListWidget showing the same texts.
// "Time" is the wall time from the screen's creation (or the Refresh click) until its rows are
// shown and painted; "CPU" is the GUI thread's share of it. Memory is the heap the shown screen
// holds, per row. The ratios to the QListWidget are printed at the end.
#include "BenchSupport.h"
#include "LanBench.h"
#include "Core/Language.h"
#include "Core/Utils.h"
#include "FakeFan.h"
#include "FakeFanFileServer.h"
#include "FakeFanModel.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "Modules/Video/VideoListViewController.h"
#include "QXButton.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXInsSocket.h"
#include "QXFileSocket.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

using orvane::bench::bestSeconds;
using orvane::bench::noteTime;
using orvane::test::FakeFan;
using orvane::test::FakeFanFileServer;
using orvane::test::FakeFanModel;

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 600;

struct Fan
{
    FakeFan fan;
    FakeFanFileServer files;
    FakeFanModel model{fan, files};
};
Fan *fan = nullptr;

QString entryName(int i)
{
    return QStringLiteral("holiday_clip_%1.mp4").arg(i, 4, 10, QLatin1Char('0'));
}

void feedPlayList(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += entryName(i).toUtf8() + ",12.5M," + QByteArray::number(1 + i % 3) + ",\r\n";
    fan->model.setListText(text);
}

void feedVideos(int count)
{
    QList<FakeFanModel::Video> videos;
    for (int i = 0; i < count; ++i)
        videos.append({entryName(i).toUtf8(), "12.5M"});
    fan->model.setVideos(videos);
}

// The heap in use: what the program allocated and has not given back.
double heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// Runs the event loop until the condition holds, sleeping while nothing happens so the GUI
// thread's time is its own work only; the deadline keeps a broken run from hanging.
bool waitFor(const std::function<bool()> &condition)
{
    QTimer tick;
    tick.start(20);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// What the event loop does after a reload: the rows' own posted events, the deletion of rows
// that went away, and the painting of what is shown.
void settle(QWidget *window)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    window->repaint();
}

void fanAnswered(int masks)
{
    // The mask request goes last; its answer means the list and the status were handled.
    waitFor([masks] { return fan->fan.codes().count(46) > masks; });
}

using Clock = std::chrono::steady_clock;

// Times one build of a window: made, shown, filled and painted. Memory is the heap held by
// the shown window per row.
template <typename Window>
void timeBuild(benchmark::State &state, const std::string &name, const std::function<Window *()> &make,
               const std::function<bool(Window *)> &filled)
{
    const int rows = int(state.range(0));
    double heapPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fan->fan.clearRecords();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const double heapBefore = heapBytes();
        state.ResumeTiming();
        const auto start = Clock::now();
        std::unique_ptr<Window> window(make());
        window->resize(kWidth, kHeight);
        window->show();
        if (!waitFor([&] { return filled(window.get()); }))
            state.SkipWithError("the rows never came");
        settle(window.get());
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        state.PauseTiming();
        noteTime(name + "/" + std::to_string(rows), seconds);
        heapPerRow = (heapBytes() - heapBefore) / rows;
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["KB/row"] = heapPerRow / 1024;
    state.SetItemsProcessed(state.iterations() * rows);
}

// Shows the window and times refreshes of it whose entries stay the same.
void timeRefresh(benchmark::State &state, const std::string &name, QWidget &window, const std::function<bool()> &filled,
                 const std::function<void()> &refresh)
{
    const int rows = int(state.range(0));
    window.resize(kWidth, kHeight);
    window.show();
    if (!waitFor(filled))
        state.SkipWithError("the rows never came");
    settle(&window);
    for (auto _ : state) {
        const auto start = Clock::now();
        refresh();
        settle(&window);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        noteTime(name + "/" + std::to_string(rows), seconds);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

bool playListShown(PlaylistViewController *screen, int rows)
{
    return screen->contentArray().size() == rows && screen->btnRefreshItem()->isEnabled()
        && fan->fan.codes().count(46) > 0;
}

void BM_PlayListBuild(benchmark::State &state)
{
    const int rows = int(state.range(0));
    feedPlayList(rows);
    timeBuild<PlaylistViewController>(
        state, "play list build", [] { return new PlaylistViewController; },
        [rows](PlaylistViewController *screen) { return playListShown(screen, rows); });
}

void BM_PlayListRefresh(benchmark::State &state)
{
    const int rows = int(state.range(0));
    feedPlayList(rows);
    PlaylistViewController screen;
    timeRefresh(
        state, "play list refresh", screen, [&] { return playListShown(&screen, rows); },
        [&] {
            const int masks = int(fan->fan.codes().count(46));
            screen.btnRefreshItem()->click();
            fanAnswered(masks);
            waitFor([&] { return screen.btnRefreshItem()->isEnabled(); });
        });
}

bool videosShown(VideoListViewController *screen, int rows)
{
    return screen->videoLists().size() == rows && screen->refreshBtn()->isEnabled();
}

void BM_VideoListBuild(benchmark::State &state)
{
    const int rows = int(state.range(0));
    feedVideos(rows);
    timeBuild<VideoListViewController>(
        state, "video list build", [] { return new VideoListViewController; },
        [rows](VideoListViewController *screen) { return videosShown(screen, rows); });
}

void BM_VideoListRefresh(benchmark::State &state)
{
    const int rows = int(state.range(0));
    feedVideos(rows);
    VideoListViewController screen;
    timeRefresh(
        state, "video list refresh", screen, [&] { return videosShown(&screen, rows); },
        [&] {
            screen.refreshBtn()->click();
            waitFor([&] { return videosShown(&screen, rows); });
        });
}

// The same texts in Qt's own list: position, name, size and play count on one line.
void fillListWidget(QListWidget *list, int rows)
{
    list->clear();
    for (int i = 0; i < rows; ++i)
        list->addItem(QStringLiteral("%1  %2  12.5M  %3").arg(i + 1).arg(entryName(i)).arg(1 + i % 3));
}

void BM_ListWidgetBuild(benchmark::State &state)
{
    const int rows = int(state.range(0));
    timeBuild<QListWidget>(
        state, "list widget build",
        [rows] {
            auto *list = new QListWidget;
            fillListWidget(list, rows);
            return list;
        },
        [](QListWidget *) { return true; });
}

void BM_ListWidgetRefresh(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QListWidget list;
    fillListWidget(&list, rows);
    timeRefresh(
        state, "list widget refresh", list, [] { return true; }, [&] { fillListWidget(&list, rows); });
}

void registerAll()
{
    for (auto *bench : {
             benchmark::RegisterBenchmark("ListWidgetBuild", BM_ListWidgetBuild),
             benchmark::RegisterBenchmark("PlayListBuild", BM_PlayListBuild),
             benchmark::RegisterBenchmark("VideoListBuild", BM_VideoListBuild),
             benchmark::RegisterBenchmark("ListWidgetRefresh", BM_ListWidgetRefresh),
             benchmark::RegisterBenchmark("PlayListRefresh", BM_PlayListRefresh),
             benchmark::RegisterBenchmark("VideoListRefresh", BM_VideoListRefresh),
         }) {
        bench->Arg(100)->Arg(500)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
    }
}

void printRatios()
{
    for (const char *kind : {"build", "refresh"}) {
        for (int rows : {100, 500, 1000}) {
            const std::string suffix = std::string(" ") + kind + "/" + std::to_string(rows);
            const auto base = bestSeconds.find("list widget" + suffix);
            if (base == bestSeconds.end())
                continue;
            for (const char *screen : {"play list", "video list"}) {
                const auto found = bestSeconds.find(screen + suffix);
                if (found != bestSeconds.end())
                    std::printf("%s%s: %.1f ms, %.1fx the list widget\n", screen, suffix.c_str(), found->second * 1e3,
                                found->second / base->second);
            }
        }
    }
}

// Points the default connection at the fake fan and connects it.
bool connectToFan()
{
    if (!fan->files.start(0, 0, QHostAddress::LocalHost))
        return false;
    QXConnectManager &manager = QXConnect::connectManager();
    manager.configDeviceWithWifiName(QStringLiteral("ORVANE_BENCH_FAN"));
    manager.device()->updateSocketConfigs({{QStringLiteral("IP"), fan->fan.address().toString()}});
    manager.insSocket()->setPort(fan->fan.port());
    manager.fileSocket()->setPlainPort(fan->files.plainPort());
    manager.fileSocket()->setPort(fan->files.plainPort());
    bool connected = false;
    manager.insSocket()->connectedWithSuccess([&](auto &&...) { connected = true; }, nullptr);
    return waitFor([&] { return connected; });
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    orvane::bench::prepareProcess(home);
    QApplication app(argc, argv);
    if (!orvane::bench::insideTestLan())
        return 2;
    orvane::language::setLanguage(QStringLiteral("en"));
    Utils::shareInstance()->setFilePath();
    Fan theFan;
    fan = &theFan;
    if (!connectToFan()) {
        std::fprintf(stderr, "the fake fan does not answer\n");
        return 1;
    }
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
