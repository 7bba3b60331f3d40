#pragma once
// What every benchmark program with windows needs before it runs: the offscreen platform
// unless another is asked for, a settings folder of its own, German regional settings and
// the program's application object.
#include "platform/Application.h"
#include "platform/Regional.h"
#include "toolkit/SettingsStore.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace vdl::bench {

struct OffscreenByDefault {
    OffscreenByDefault()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

class BenchApp : OffscreenByDefault {
public:
    BenchApp(int& argc, char** argv) : m_app(argc, argv)
    {
        SettingsStore::setDir(m_settings.path());
        Regional::set(Regional::german());
    }

private:
    QTemporaryDir m_settings;
    Application m_app;
};

} // namespace vdl::bench

// The main() of a benchmark program with windows.
#define VDL_BENCH_MAIN()                                                                            \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        vdl::bench::BenchApp app(argc, argv);                                                      \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
