#include "bench/BenchSupport.h"
#include "bench/Generator.h"
#include "bench/Probes.h"

#include <QApplication>

#include <cstring>

// tp_bench [benchmark options]   runs every benchmark and prints the table of figures;
// tp_bench --probe-... is the child process the start-up and memory figures measure;
// tp_bench --write-files DIR writes the generated files there, to time one command by hand.
int main(int argc, char** argv)
{
    if (argc >= 2 && std::strncmp(argv[1], "--probe-", 8) == 0)
        return bench::runProbe(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-files") == 0) {
        bench::writeGeneratedFiles(QString::fromLocal8Bit(argv[2]));
        return 0;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    const bool met = bench::printSummary();
    benchmark::Shutdown();
    return met ? 0 : 1;
}
