// One digit key and one operator key through the calculator core, as a click sends them, and
// a long tape line taken over into the entry.
#include "calculator/RechnerCore.h"
#include "platform/Regional.h"
#include <benchmark/benchmark.h>

static void DigitKey(benchmark::State& state)
{
    vdl::Regional::set(vdl::Regional::german());
    vdl::RechnerCore core;
    const QString digit = QStringLiteral("7");
    int n = 0;
    for (auto _ : state) {
        core.InputProcessing(digit, true);
        if (++n % 12 == 0)
            core.Eingabe.clear(); // keep the entry at a realistic length
    }
}
BENCHMARK(DigitKey);

static void OperatorKey(benchmark::State& state)
{
    vdl::Regional::set(vdl::Regional::german());
    vdl::RechnerCore core;
    const QString plus = QStringLiteral("+");
    const QString operand = QStringLiteral("12,5");
    int n = 0;
    for (auto _ : state) {
        core.Eingabe = operand;
        core.InputProcessing(plus, true);
        if (++n % 1000 == 0)
            core.History.clear(); // a tape of a thousand lines is already a long day
    }
}
BENCHMARK(OperatorKey);

// A long tape line taken over into the entry: in roman numerals, M x M x M = writes a line
// of a million M; a text dropped from another program may be as long.
static void TakeOverLongLine(benchmark::State& state, int system, const QString& unit)
{
    vdl::Regional::set(vdl::Regional::german());
    QString line;
    line.reserve(qsizetype(state.range(0)) + unit.size());
    while (line.size() < state.range(0))
        line += unit;
    line += QLatin1Char('*');
    for (auto _ : state) {
        state.PauseTiming();
        vdl::RechnerCore core;
        core.ChangeSystem(system, 0);
        state.ResumeTiming();
        core.takeTapeLine(line);
        benchmark::DoNotOptimize(core.Eingabe.size());
    }
}
BENCHMARK_CAPTURE(TakeOverLongLine, roman, -1, QStringLiteral("M"))
    ->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TakeOverLongLine, digits, 10, QStringLiteral("1234567890"))
    ->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
