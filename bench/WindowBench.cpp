#include "bench/BenchSupport.h"
#include "bench/Probes.h"

#include <stdexcept>

namespace bench {

namespace {

// From starting the program to its main window on the screen, in a process of its own.
void BM_MainWindowShown(benchmark::State& state)
{
    QString output;
    measure(state, "Main window shown after start", Goal{Baseline::None, 0, 0.3}, {},
            [&] { runProbeProcess({QStringLiteral("--probe-startup")}, &output); });
    if (output != QLatin1String("shown 1"))
        throw std::runtime_error("the main window was not shown");
}
BENCHMARK(BM_MainWindowShown)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Resident memory of the program with the file open (File > Open, birthday check done) and
// every contact shown in the contact list.
void BM_ResidentMemory(benchmark::State& state)
{
    const int size = int(state.range(0));
    double megabytes = 0;
    for (auto _ : state) {
        QString output;
        const double seconds = runProbeProcess({QStringLiteral("--probe-memory"), contactFile(size)}, &output);
        state.SetIterationTime(seconds);
        megabytes = output.toDouble() / 1024.0;
    }
    report(state, "Resident memory, full list shown", Goal{Baseline::None, 0, 0, 200}, size, megabytes);
}
BENCHMARK(BM_ResidentMemory)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

} // namespace bench
