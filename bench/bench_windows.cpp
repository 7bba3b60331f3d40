// Many windows: layouts of 100 to 800 windows, half of them calculators in several number
// systems (a currency among them), each calculator linked to a memory with automatic transfer
// and every memory linked on to the next calculator. Counted are loading such a layout into
// an empty frame, closing all of its windows ("Alles schließen", with the windows'
// deletion) once they were last activated in the order they were made and once in the
// reverse order, and one more window among them. Targets: 200 windows load in at most
// 400 ms; from 200 to 800 windows loading and closing all take at most 4.6 times as long
// (linear within 15%), one more window at most twice as long. The event loop that lays out
// and paints the windows afterwards is not counted.
#include "bench/BenchApp.h"
#include "calculator/LayoutFile.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/AtomicFile.h"
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

QByteArray layoutOf(int count)
{
    const int systems[] = {10, 16, 2, -1, -2, 8, -4, 10};
    const int pairs = count / 2;
    QList<vdl::LayoutWindow> windows;
    for (int n = 1; n <= pairs; ++n) {
        vdl::LayoutWindow calculator;
        calculator.Name = QStringLiteral("Rechner%1").arg(n);
        calculator.Typ = QStringLiteral("Rechner");
        calculator.Left = (n % 5) * 350;
        calculator.Top = (n / 5) * 20;
        calculator.System = systems[n % 8];
        calculator.Currency = calculator.System == -4 ? 1 : -1;
        calculator.Link = QStringLiteral("Speicher%1").arg(n);
        calculator.Auto = true;
        calculator.Posten = n % 2;
        vdl::LayoutWindow memory = calculator;
        memory.Name = calculator.Link;
        memory.Typ = QStringLiteral("Speicher");
        memory.Left += 180;
        memory.Link = n < pairs ? QStringLiteral("Rechner%1").arg(n + 1) : QString();
        memory.Auto = !memory.Link.isEmpty();
        windows << calculator << memory;
    }
    QByteArray bytes;
    vdl::layoutFileBytes({0, 0, 1800, 1500}, windows, bytes);
    return bytes;
}

// Deleted windows go, and the event loop lays out and paints what is left, as before the
// user's next step (a paint waits for the screen's next frame).
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QElapsedTimer waited;
    waited.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (waited.elapsed() < 30);
}

// A frame on the screen and a layout file of count windows beside it.
struct Setup {
    explicit Setup(int count) : count(count)
    {
        file = dir.filePath(QStringLiteral("Fenster.zqe"));
        vdl::AtomicFile::replace(file, layoutOf(count));
        frame.show();
        settle();
    }
    void load(benchmark::State& state)
    {
        frame.LoadSettings(file);
        if (frame.windows().size() != count || !frame.windows().first()->core().FSpeicherautomatik)
            state.SkipWithError("the layout did not come back whole");
    }
    void closeAll()
    {
        frame.closeWindow(0); // what "Alles schließen" does
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int count;
    QTemporaryDir dir;
    QString file;
    vdl::TMDIForm frame;
};

void LoadLayout(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    for (auto _ : state) {
        const auto start = Clock::now();
        setup.load(state);
        state.SetIterationTime(secondsSince(start));
        settle();
        setup.closeAll();
        settle();
    }
    state.SetComplexityN(state.range(0));
}

void windowCounts(benchmark::internal::Benchmark* bench)
{
    bench->Arg(100)->Arg(200)->Arg(400)->Arg(800)->Complexity()->UseManualTime()->MinTime(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(LoadLayout)->Apply(windowCounts);

// reverse: the windows were last activated from the last made to the first, so that closing
// all takes them in that order.
void CloseAll(benchmark::State& state, bool reverse)
{
    Setup setup(int(state.range(0)));
    for (auto _ : state) {
        setup.load(state);
        settle();
        if (reverse) {
            QList<QMdiSubWindow*> made = setup.frame.mdiArea->subWindowList(QMdiArea::CreationOrder);
            std::reverse(made.begin(), made.end());
            for (QMdiSubWindow* sub : made)
                setup.frame.mdiArea->setActiveSubWindow(sub);
            settle();
        }
        const auto start = Clock::now();
        setup.closeAll();
        state.SetIterationTime(secondsSince(start));
        if (!setup.frame.windows().isEmpty())
            state.SkipWithError("windows stayed open");
        settle();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(CloseAll, creation_order, false)->Apply(windowCounts);
BENCHMARK_CAPTURE(CloseAll, reverse_order, true)->Apply(windowCounts);

void NewWindowAmong(benchmark::State& state)
{
    Setup setup(int(state.range(0)));
    setup.load(state);
    settle();
    for (auto _ : state) {
        const auto start = Clock::now();
        vdl::TRechnerForm* window = setup.frame.NewWindow(QStringLiteral("Rechner"));
        state.SetIterationTime(secondsSince(start));
        settle();
        setup.frame.closeWindow(window->FNummer);
        settle();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(NewWindowAmong)->Apply(windowCounts);

} // namespace

VDL_BENCH_MAIN()
