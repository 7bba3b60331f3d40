// One digit key and one operator key through the calculator core, as a click sends them.
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

BENCHMARK_MAIN();
