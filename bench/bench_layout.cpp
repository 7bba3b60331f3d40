// Loading a layout of 50 windows: 25 calculators in several number systems, each linked to a
// memory with automatic transfer, every memory linked on to the next calculator. Counted is
// the load with the creation of every window (target: under 500 ms); the event loop that
// lays out and paints the windows afterwards is not.
#include "bench/BenchApp.h"
#include "calculator/LayoutFile.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/AtomicFile.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

QByteArray fiftyWindows()
{
    const int systems[] = {10, 16, 2, -1, -2, 8, -4, 10};
    QList<vdl::LayoutWindow> windows;
    for (int n = 1; n <= 25; ++n) {
        vdl::LayoutWindow calculator;
        calculator.Name = QStringLiteral("Rechner%1").arg(n);
        calculator.Typ = QStringLiteral("Rechner");
        calculator.Left = (n % 5) * 350;
        calculator.Top = (n / 5) * 280;
        calculator.System = systems[n % 8];
        calculator.Currency = calculator.System == -4 ? 1 : -1;
        calculator.Link = QStringLiteral("Speicher%1").arg(n);
        calculator.Auto = true;
        calculator.Posten = n % 2;
        vdl::LayoutWindow memory = calculator;
        memory.Name = calculator.Link;
        memory.Typ = QStringLiteral("Speicher");
        memory.Left += 180;
        memory.Link = n < 25 ? QStringLiteral("Rechner%1").arg(n + 1) : QString();
        memory.Auto = !memory.Link.isEmpty();
        windows << calculator << memory;
    }
    QByteArray bytes;
    vdl::layoutFileBytes({0, 0, 1800, 1500}, windows, bytes);
    return bytes;
}

void LoadFiftyWindows(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Fuenfzig.zqe"));
    vdl::AtomicFile::replace(file, fiftyWindows());
    vdl::TMDIForm frame;
    frame.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        frame.LoadSettings(file);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (frame.windows().size() != 50 || !frame.windows().first()->core().FSpeicherautomatik)
            state.SkipWithError("the layout did not come back whole");
        // The windows closed by the load go now, as they would before the user's next step.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(LoadFiftyWindows)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

VDL_BENCH_MAIN()
