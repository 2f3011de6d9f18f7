#pragma once

#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>
#include <functional>

// What the benchmarks share: the generated files, the baselines measured in the same run,
// and the table of figures printed at the end.
namespace bench {

inline constexpr int Sizes[] = {1000, 10000, 100000};
inline constexpr int CsvLines = 5000;

// The folder the run works in (the program folder of the bench platform); removed at exit.
QString dataDir();
// The generated contact file of `size` contacts; never changed by a benchmark.
QString contactFile(int size);
// A fresh copy of it for benchmarks that change the file: "work<size>.DAT" in dataDir().
QString workingCopy(int size);
// The file of DistinctContacts contacts with distinct last names, and the CSV file of
// DistinctLines lines of distinct names imported into it (Generator.h).
inline constexpr int DistinctContacts = 100000;
inline constexpr int DistinctLines = 100000;
QString distinctFile();
QString distinctCsv();
// The files above, written into dir.
void writeGeneratedFiles(const QString& dir);

// Baselines, measured once per size and kept for the run: the raw read and copy of the contact
// file, the import into an empty file (one figure for every size), the minimal Qt program
// drawing the list printouts (its time, and its peak memory for the memory figures).
enum class Baseline { None, RawRead, RawCopy, EmptyImport, MinimalLabels, MinimalReport, MinimalLabelsMemory,
                      MinimalReportMemory };
double rawReadSeconds(int size);
double rawCopySeconds(int size);
// One raw sequential read / one raw copy (written, synced to disk, removed) of path.
void rawRead(const QString& path);
void rawCopy(const QString& from, const QString& to);

// The goal a figure is held to: a ratio to its baseline, an upper bound in seconds, or both.
struct Goal {
    Baseline baseline = Baseline::None;
    double maxRatio = 0;    // 0: no ratio goal
    double maxSeconds = 0;  // 0: no time goal
    double maxMegabytes = 0; // for the memory figure: the value is megabytes, not seconds
    // Memory that grows from 1,000 to 100,000 contacts no more than the baseline program's,
    // which holds the same list: what the program adds to it stays flat.
    bool flat = false;
    bool memory = false; // megabytes, also without a bound (a baseline's)

    bool inMegabytes() const { return memory || maxMegabytes > 0; }
};

// Runs `work` once per iteration, `setup` before it untimed; reports the mean under `name`
// for state.range(0) contacts, with its ratio to the baseline as the counter "ratio".
// Returns the mean in seconds.
double measure(benchmark::State& state, const char* name, const Goal& goal,
               const std::function<void()>& setup, const std::function<void()>& work);
// The baseline benchmarks hand their own figure to the ratios.
void setBaseline(Baseline baseline, int size, double seconds);
// A figure measured some other way (memory, a probe process).
void report(benchmark::State& state, const char* name, const Goal& goal, int size, double value);

// The table of every figure: sizes side by side, ratio, goal and whether it is met.
// Returns false when a goal is missed.
bool printSummary();

using Clock = std::chrono::steady_clock;
inline double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace bench
