// Number and date texts are formatted and read several times per key press; each call should
// stay well under a microsecond.
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools.h"

#include <benchmark/benchmark.h>

namespace {

void pinSettings()
{
    vdl::Regional::set(vdl::Regional::german());
    vdl::Clock::pin(QDateTime(QDate(2024, 6, 15), QTime(10, 30)));
}

void BM_FormatFloat(benchmark::State& state)
{
    pinSettings();
    const long double v = 1234567.891L;
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::FormatFloat(QStringLiteral("#,##0.00"), v));
}
BENCHMARK(BM_FormatFloat);

void BM_FloatToStr(benchmark::State& state)
{
    pinSettings();
    const long double v = 2.0L / 3.0L;
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::FloatToStr(v));
}
BENCHMARK(BM_FloatToStr);

void BM_StrToFloat(benchmark::State& state)
{
    pinSettings();
    const QString text = QStringLiteral("-1234567,891");
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::StrToFloat(text));
}
BENCHMARK(BM_StrToFloat);

void BM_IntToBase(benchmark::State& state)
{
    pinSettings();
    const int base = int(state.range(0));
    const vdl::Var v = base == -1 ? vdl::Var(3888) : vdl::Var(9223372036854775807LL);
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::IntToBase(v, base));
}
BENCHMARK(BM_IntToBase)->Arg(2)->Arg(10)->Arg(16)->Arg(-1);

void BM_BaseToFloat(benchmark::State& state)
{
    pinSettings();
    const QString text = QStringLiteral("7FFFFFFFFFFFFFFF");
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::BaseToFloat(text, 16));
}
BENCHMARK(BM_BaseToFloat);

void BM_ParseDate(benchmark::State& state)
{
    pinSettings();
    const QString text = state.range(0) ? QStringLiteral("24 dez 2003") : QStringLiteral("24.12.03");
    const vdl::Var none(0);
    for (auto _ : state) {
        QString dateText;
        benchmark::DoNotOptimize(vdl::ParseDate(text, none, dateText, 1950));
        benchmark::DoNotOptimize(dateText);
    }
}
BENCHMARK(BM_ParseDate)->Arg(0)->Arg(1);

void BM_FormatDateTime(benchmark::State& state)
{
    pinSettings();
    const QString format =
        state.range(0) ? QStringLiteral("dddd, d. mmmm yyyy hh:nn") : QStringLiteral("dd.mm.yyyy");
    for (auto _ : state)
        benchmark::DoNotOptimize(vdl::FormatDateTime(format, 37979.5));
}
BENCHMARK(BM_FormatDateTime)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
