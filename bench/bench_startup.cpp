// Start-up: the frame opening with "Rechner1" until it is shown and closing again, beside
// bare Qt windows with as many widgets, measured in the same run. Two bare windows: a plain
// one (widgets only), and one with the same skeleton of menu bar, window area and one inner
// window, which Qt itself needs most of the time for. The ratios close the output.
#include "bench/BenchApp.h"
#include "calculator/RechnerMDI.h"
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <map>

namespace {

int g_widgetCount = 0; // widgets of the shown frame, counted by the first benchmark

void waitUntilShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void closeAndFree(QWidget& window)
{
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int widgetCount(const QWidget& window)
{
    return int(window.findChildren<QWidget*>().size()) + 1;
}

// Fills parent with buttons until window holds g_widgetCount widgets.
void fillUp(QWidget& window, QWidget* parent)
{
    for (int i = widgetCount(window); i < g_widgetCount; ++i)
        (new QPushButton(QString::number(i), parent))->setGeometry((i % 12) * 30, (i / 12) * 26, 30, 26);
}

void BM_FrameWithRechner1(benchmark::State& state)
{
    for (auto _ : state) {
        vdl::TMDIForm frame;
        frame.show();
        waitUntilShown(frame);
        g_widgetCount = widgetCount(frame);
        closeAndFree(frame);
    }
}
BENCHMARK(BM_FrameWithRechner1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.resize(498, 462);
        fillUp(window, &window);
        window.show();
        waitUntilShown(window);
        closeAndFree(window);
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_BareMdiWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.resize(498, 462);
        for (const char* title : {"&Datei", "&Bearbeiten", "&Fenster", "?"})
            window.menuBar()->addMenu(QString::fromUtf8(title));
        auto* area = new QMdiArea(&window);
        window.setCentralWidget(area);
        auto* inner = new QWidget;
        inner->resize(347, 279);
        area->addSubWindow(inner)->show();
        fillUp(window, inner);
        window.show();
        waitUntilShown(window);
        closeAndFree(window);
    }
}
BENCHMARK(BM_BareMdiWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Remembers each benchmark's median time per iteration for the closing ratios; the median
// of five runs keeps a busy machine's outliers out.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    vdl::bench::BenchApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double frame = reporter.times["BM_FrameWithRechner1"];
    for (const char* bare : {"BM_BareWindow", "BM_BareMdiWindow"}) {
        if (frame > 0 && reporter.times[bare] > 0)
            std::printf("Start-up ratio frame / %s (%d widgets): %.2f (target at most 1.30)\n", bare,
                        g_widgetCount, frame / reporter.times[bare]);
    }
    benchmark::Shutdown();
    return 0;
}
