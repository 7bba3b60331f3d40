// The frame's 2-second office poll with no office suite running, as the user-interface thread
// pays for it: the look for the suite's pipe and the two menu items kept hidden (target: under
// 1 millisecond). A pipe name of its own keeps a suite the user may run out of the count.
#include "bench/BenchApp.h"
#include "calculator/RechnerMDI.h"
#include "platform/OfficeLink.h"
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void OfficePollNoSuite(benchmark::State& state)
{
    vdl::TMDIForm frame;
    frame.show();
    QCoreApplication::processEvents();
    frame.WordTimer->stop();
    const QString pipe = QStringLiteral("vdlRechnerBench%1").arg(QCoreApplication::applicationPid());
    frame.Office = vdl::OfficeHandOff(vdl::OfficeLink::create(vdl::OfficeLink::WordProcessor, pipe),
                                      vdl::OfficeLink::create(vdl::OfficeLink::Spreadsheet, pipe));
    for (auto _ : state)
        frame.WordTimerTimer();
    if (frame.W1->isVisible() || frame.E1->isVisible())
        state.SkipWithError("an item shows without a suite");
}
BENCHMARK(OfficePollNoSuite)->Unit(benchmark::kMicrosecond);

} // namespace

VDL_BENCH_MAIN()
