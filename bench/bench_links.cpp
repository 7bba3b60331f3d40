// One operator key in a calculator whose automatic transfer feeds a chain of ten memories in
// several number systems: the key with all ten replays and every window brought up to date
// (target: under 200 microseconds). Between two keys the event loop runs, as it does for a
// user, and lays out and paints the windows; that is not counted.
#include "bench/BenchApp.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void OperatorKeyTenMemories(benchmark::State& state)
{
    vdl::TMDIForm frame;
    frame.show();
    QCoreApplication::processEvents();
    vdl::TRechnerForm* calculator = frame.windows().first();
    vdl::TRechnerForm* last = calculator;
    for (const int system : {16, 2, 10, 8, -1, 10, 16, 2, 8, 10}) {
        last->MNSpeicherVClick();
        last = last->memoryWindow();
        last->core().SystSelected(int(last->core().FSysteme.indexOf(system)));
    }
    calculator->AutoEinClick();
    vdl::RechnerCore& core = calculator->core();
    core.InputProcessing(QStringLiteral("5+"), true);
    if (last->core().History.isEmpty())
        state.SkipWithError("the last memory received nothing");
    QCoreApplication::processEvents();

    // "+" and "-" in turn on the empty entry: each repeats the operand 5, so every value
    // stays small in every system.
    const QString keys[] = {QStringLiteral("+"), QStringLiteral("-")};
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        core.InputProcessing(keys[n % 2], true);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (++n % 1000 == 0) {
            for (vdl::TRechnerForm* window : frame.windows())
                window->core().ClearTape(); // a tape of a thousand lines is already a long day
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OperatorKeyTenMemories)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

VDL_BENCH_MAIN()
