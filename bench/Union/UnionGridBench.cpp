// How long the union grid takes to rebuild its tiles (every change of size or top flag, and every
// edit in the editor's fields, rebuilds them all), for a small union and the largest one.
#include "Modules/Union/UnionContainer.h"
#include "NetworkingDevice.h"

#include <QApplication>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

UnionGrid fullGrid(qint64 side)
{
    UnionGrid grid = emptyGrid<std::shared_ptr<NetworkingDevice>>(side, side);
    for (qint64 r = 0; r < side; ++r) {
        for (qint64 c = 0; c < side; ++c)
            grid[std::size_t(r)][std::size_t(c)] =
                std::make_shared<NetworkingDevice>(QStringLiteral("FAN-%1-%2").arg(r).arg(c), QStringLiteral("10.0.0.1"));
    }
    return grid;
}

void gridRebuild(benchmark::State &state)
{
    const qint64 side = state.range(0);
    UnionContainer grid(side, side, 100, false, true, true, fullGrid(side));
    grid.show();
    for (auto _ : state) {
        grid.reload();
        // What the event loop then does: the new tiles' pending events, then the old tiles' deletion.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}

} // namespace

BENCHMARK(gridRebuild)->Arg(3)->Arg(8)->Arg(UnionData::kMaxCount)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
