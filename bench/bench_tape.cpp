// A long tape: 100,000 lines appended through the core (target below 100 ms), saved as a
// history file (target below 200 ms), shown in a window's list all at once, and one more line
// on a window that already shows them (the list then lays itself out again, which grows with
// the tape).
#include "bench/BenchApp.h"
#include "calculator/Rechner.h"
#include "platform/Prompter.h"
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int LineCount = 100000;

// Operand lines as a long addition writes them, counted, every tenth one a result.
void fillTape(vdl::RechnerCore& core)
{
    const QString operand = QStringLiteral("1234,56");
    const QString result = QStringLiteral("98765,4321");
    for (int i = 0; i < LineCount; ++i) {
        if (i % 10 == 9)
            core.AddHistory(result, QStringLiteral("*"), 0);
        else
            core.AddHistory(operand, QStringLiteral("+"), 0);
    }
}

void BM_AppendTapeLines(benchmark::State& state)
{
    for (auto _ : state) {
        vdl::RechnerCore core;
        core.mPostenZaehlen = true;
        fillTape(core);
        benchmark::DoNotOptimize(core.History.size());
    }
}
BENCHMARK(BM_AppendTapeLines)->Unit(benchmark::kMillisecond);

void BM_SaveHistoryFile(benchmark::State& state)
{
    QTemporaryDir dir;
    vdl::RechnerCore core;
    core.mPostenZaehlen = true;
    fillTape(core);
    vdl::ScriptedPrompter prompter;
    for (auto _ : state) {
        prompter.fileAnswers << dir.filePath(QStringLiteral("band.zqh"));
        prompter.answers << vdl::mb::IdYes; // from the second round on the file exists
        core.MHistorieSpeichernClick();
    }
    if (QFileInfo(dir.filePath(QStringLiteral("band.zqh"))).size() != qint64(LineCount) * 32)
        state.SkipWithError("the history file does not hold every line");
}
BENCHMARK(BM_SaveHistoryFile)->Unit(benchmark::kMillisecond);

// The window's list takes over a tape that grew by 100,000 lines in one step.
void BM_ShowTapeInWindow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<vdl::TRechnerForm>();
        vdl::RechnerCore& core = form->core();
        {
            const QSignalBlocker quiet(&core);
            fillTape(core);
        }
        state.ResumeTiming();
        emit core.changed();
        benchmark::DoNotOptimize(form->History->count());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowTapeInWindow)->Unit(benchmark::kMillisecond);

// One more line on a window already showing 100,000: the list only adds the new one.
void BM_LineOnLongTapeInWindow(benchmark::State& state)
{
    vdl::TRechnerForm form;
    vdl::RechnerCore& core = form.core();
    {
        const QSignalBlocker quiet(&core);
        fillTape(core);
    }
    emit core.changed();
    const QString operand = QStringLiteral("1234,56");
    const QString plus = QStringLiteral("+");
    for (auto _ : state)
        core.AddHistory(operand, plus, 0);
}
BENCHMARK(BM_LineOnLongTapeInWindow)->Unit(benchmark::kMicrosecond);

} // namespace

VDL_BENCH_MAIN()
