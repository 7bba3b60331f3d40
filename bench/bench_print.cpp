// Previewing a long tape: 10,000 lines beside a partner's (about 200 pages) built into rows
// and laid out page by page in the print preview, as its paint request does it (target below
// 2 s).
#include "bench/BenchApp.h"
#include "calculator/HistoryDruck.h"
#include "platform/BandedReport.h"
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace {

constexpr int LineCount = 10000;

vdl::PrintedTape longTape(const QString& operand)
{
    vdl::PrintedTape tape;
    for (int i = 0; i < LineCount; ++i) {
        tape.lines << (i % 10 == 9 ? QStringLiteral("98765,4321*") : QString::number(i % 9 + 1) + QLatin1Char('#') + operand);
        tape.marked << false;
    }
    return tape;
}

void BM_PreviewLongTape(benchmark::State& state)
{
    const vdl::PrintedTape first = longTape(QStringLiteral("1234,56+"));
    const vdl::PrintedTape second = longTape(QStringLiteral("-17,5-"));
    QPrinter printer(QPrinter::HighResolution);
    int pages = 0;
    for (auto _ : state) {
        const vdl::BandedReport report = vdl::historyReport(vdl::buildRows(first, &second, false),
                                                            QStringLiteral("06.12.2026 12:00:00  "),
                                                            QStringLiteral("06.12.2026 12:00:00  "), true);
        vdl::setHistoryPage(printer);
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                         [&report](QPrinter* device) { report.render(*device); });
        preview.updatePreview();
        pages = preview.pageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewLongTape)->Unit(benchmark::kMillisecond);

} // namespace

VDL_BENCH_MAIN()
