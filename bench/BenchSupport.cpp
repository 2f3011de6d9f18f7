#include "bench/BenchSupport.h"

#include "bench/Generator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

namespace {

QTemporaryDir& tempDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tp_bench_XXXXXX"));
    if (!dir.isValid())
        throw std::runtime_error("cannot create the benchmark folder");
    return dir;
}

constexpr int BlockSize = 1 << 20;

int openOrThrow(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path.toStdString());
    return fd;
}

struct Row {
    Goal goal;
    std::map<int, double> values;  // size -> seconds (or megabytes)
    std::map<int, double> ratios;  // size -> ratio to the baseline
};
std::vector<std::string> order;
std::map<std::string, Row> rows;
std::map<int, double> readBaselines, copyBaselines;
std::map<Baseline, std::map<int, double>> programBaselines;

double baselineFor(Baseline baseline, int size)
{
    switch (baseline) {
    case Baseline::RawRead: return rawReadSeconds(size);
    case Baseline::RawCopy: return rawCopySeconds(size);
    case Baseline::EmptyImport: return programBaselines[baseline].at(0);
    case Baseline::None: break;
    default: return programBaselines[baseline].at(size);
    }
    return 0;
}

const char* baselineName(Baseline baseline)
{
    switch (baseline) {
    case Baseline::RawRead: return "raw read";
    case Baseline::RawCopy: return "raw copy";
    case Baseline::EmptyImport: return "into empty";
    default: return "minimal Qt";
    }
}

void store(benchmark::State& state, const char* name, const Goal& goal, int size, double value)
{
    if (!rows.count(name))
        order.push_back(name);
    Row& row = rows[name];
    row.goal = goal;
    row.values[size] = value;
    if (goal.baseline != Baseline::None && !goal.inMegabytes()) {
        const double ratio = value / baselineFor(goal.baseline, size);
        row.ratios[size] = ratio;
        state.counters["ratio"] = ratio;
    }
    if (goal.inMegabytes())
        state.counters["MB"] = value;
}

double meanOf(int runs, const std::function<void()>& once)
{
    once(); // warm the page cache and the allocator
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        once();
        total += secondsSince(start);
    }
    return total / runs;
}

QString formatted(double value, const Goal& goal)
{
    if (goal.inMegabytes())
        return QString::number(value, 'f', 1) + QStringLiteral(" MB");
    if (value >= 1)
        return QString::number(value, 'f', 2) + QStringLiteral(" s");
    return QString::number(value * 1000, 'f', value < 0.01 ? 2 : 1) + QStringLiteral(" ms");
}

QString goalText(const Goal& goal)
{
    QStringList parts;
    if (goal.maxRatio > 0)
        parts << QStringLiteral("<= %1 x %2").arg(goal.maxRatio).arg(QString::fromLatin1(baselineName(goal.baseline)));
    if (goal.maxSeconds > 0)
        parts << QStringLiteral("< ") + formatted(goal.maxSeconds, Goal{});
    if (goal.maxMegabytes > 0)
        parts << QStringLiteral("< %1 MB").arg(goal.maxMegabytes);
    if (goal.flat)
        parts << QStringLiteral("flat");
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString dataDir()
{
    return tempDir().path();
}

QString contactFile(int size)
{
    const QString path = dataDir() + QStringLiteral("/contacts%1.DAT").arg(size);
    if (!QFile::exists(path))
        writeContactFile(path, size);
    return path;
}

QString distinctFile()
{
    const QString path = dataDir() + QStringLiteral("/distinct%1.DAT").arg(DistinctContacts);
    if (!QFile::exists(path))
        writeDistinctContactFile(path, DistinctContacts);
    return path;
}

QString distinctCsv()
{
    const QString path = dataDir() + QStringLiteral("/distinct%1.csv").arg(DistinctLines);
    if (!QFile::exists(path))
        writeDistinctCsvFile(path, DistinctLines);
    return path;
}

void writeGeneratedFiles(const QString& dir)
{
    for (int size : Sizes)
        writeContactFile(dir + QStringLiteral("/contacts%1.DAT").arg(size), size);
    writeDistinctContactFile(dir + QStringLiteral("/distinct%1.DAT").arg(DistinctContacts), DistinctContacts);
    writeDistinctCsvFile(dir + QStringLiteral("/distinct%1.csv").arg(DistinctLines), DistinctLines);
}

QString workingCopy(int size)
{
    const QString path = dataDir() + QStringLiteral("/work%1.DAT").arg(size);
    QFile::remove(path);
    if (!QFile::copy(contactFile(size), path))
        throw std::runtime_error("cannot copy the contact file");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    // On the disk before the timed part starts: a later sync must not pay for this copy.
    const int fd = openOrThrow(path, O_RDONLY);
    ::fsync(fd);
    ::close(fd);
    return path;
}

void rawRead(const QString& path)
{
    const int fd = openOrThrow(path, O_RDONLY);
    static std::vector<char> buffer(BlockSize);
    long sum = 0;
    ssize_t got;
    while ((got = ::read(fd, buffer.data(), BlockSize)) > 0)
        sum += buffer[got - 1];
    ::close(fd);
    benchmark::DoNotOptimize(sum);
}

void rawCopy(const QString& from, const QString& to)
{
    const int in = openOrThrow(from, O_RDONLY);
    const int out = openOrThrow(to, O_WRONLY | O_CREAT | O_TRUNC);
    static std::vector<char> buffer(BlockSize);
    ssize_t got;
    while ((got = ::read(in, buffer.data(), BlockSize)) > 0)
        if (::write(out, buffer.data(), size_t(got)) != got)
            throw std::runtime_error("raw copy: write failed");
    // As safe as the compaction it is compared with: on the disk before it counts as done.
    ::fsync(out);
    ::close(out);
    ::close(in);
    ::unlink(QFile::encodeName(to).constData());
}

double rawReadSeconds(int size)
{
    if (!readBaselines.count(size)) {
        const QString path = contactFile(size);
        readBaselines[size] = meanOf(size >= 100000 ? 20 : 200, [&] { rawRead(path); });
    }
    return readBaselines[size];
}

double rawCopySeconds(int size)
{
    if (!copyBaselines.count(size)) {
        const QString from = contactFile(size);
        const QString to = dataDir() + QStringLiteral("/rawcopy");
        copyBaselines[size] = meanOf(size >= 100000 ? 10 : 30, [&] { rawCopy(from, to); });
    }
    return copyBaselines[size];
}

void setBaseline(Baseline baseline, int size, double seconds)
{
    if (baseline == Baseline::RawRead || baseline == Baseline::RawCopy)
        (baseline == Baseline::RawRead ? readBaselines : copyBaselines)[size] = seconds;
    else
        programBaselines[baseline][size] = seconds;
}

double measure(benchmark::State& state, const char* name, const Goal& goal,
               const std::function<void()>& setup, const std::function<void()>& work)
{
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        if (setup)
            setup();
        const Clock::time_point start = Clock::now();
        work();
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
        ++runs;
    }
    store(state, name, goal, int(state.range(0)), total / runs);
    return total / runs;
}

void report(benchmark::State& state, const char* name, const Goal& goal, int size, double value)
{
    store(state, name, goal, size, value);
}

bool printSummary()
{
    bool allMet = true;
    std::printf("\n%-36s %22s %22s %22s  %-26s %s\n", "Figure", "1,000", "10,000", "100,000", "Goal (at 100,000)",
                "");
    for (const std::string& name : order) {
        const Row& row = rows[name];
        std::printf("%-36s", name.c_str());
        for (int size : Sizes) {
            QString cell = QStringLiteral("-");
            // A figure that opens no contact file stands in the first column.
            if (size == Sizes[0] && row.values.count(0))
                cell = formatted(row.values.at(0), row.goal) + QStringLiteral(" (no file)");
            if (row.values.count(size)) {
                cell = formatted(row.values.at(size), row.goal);
                if (row.ratios.count(size))
                    cell += QStringLiteral(" (x%1)").arg(row.ratios.at(size), 0, 'f', 2);
            }
            std::printf(" %22s", qPrintable(cell));
        }
        // Goals hold at the largest size measured.
        const int top = row.values.empty() ? 0 : row.values.rbegin()->first;
        bool met = true;
        if (top) {
            const double value = row.values.at(top);
            if (row.goal.maxRatio > 0 && row.ratios.at(top) > row.goal.maxRatio)
                met = false;
            if (row.goal.maxSeconds > 0 && value >= row.goal.maxSeconds)
                met = false;
            if (row.goal.maxMegabytes > 0 && value >= row.goal.maxMegabytes)
                met = false;
        }
        QString growth;
        if (row.goal.flat && row.values.count(1000) && row.values.count(100000)) {
            const std::map<int, double>& base = programBaselines[row.goal.baseline];
            const double ours = row.values.at(100000) - row.values.at(1000);
            const double theirs = base.at(100000) - base.at(1000);
            growth = QStringLiteral(" growth %1 MB (minimal Qt %2 MB)").arg(ours, 0, 'f', 1).arg(theirs, 0, 'f', 1);
            if (ours > theirs)
                met = false;
        }
        // Growth from 10,000 to 100,000: at most linear (10x), with room for noise.
        if (row.values.count(10000) && row.values.count(100000) && !row.goal.inMegabytes()) {
            const double factor = row.values.at(100000) / row.values.at(10000);
            growth = QStringLiteral(" growth x%1").arg(factor, 0, 'f', 1);
            // Past the caches the raw read itself grows faster than the file; a figure that keeps
            // its ratio to the raw read grows as the file does.
            const bool keepsRatio = row.ratios.count(10000) && row.ratios.count(100000)
                && row.ratios.at(100000) <= row.ratios.at(10000) * 1.3;
            if (factor > 13 && !keepsRatio)
                met = false, growth += QStringLiteral(" (worse than linear)");
        }
        const bool hasGoal = row.goal.maxRatio > 0 || row.goal.maxSeconds > 0 || row.goal.maxMegabytes > 0;
        if (!hasGoal) { // a baseline: nothing to meet
            std::printf("\n");
            continue;
        }
        allMet = allMet && met;
        std::printf("  %-26s %s%s\n", qPrintable(goalText(row.goal)), met ? "met" : "MISSED", qPrintable(growth));
    }
    std::printf("\nBaselines: raw read %s / %s / %s; raw copy %s / %s / %s\n",
                qPrintable(formatted(rawReadSeconds(1000), Goal{})), qPrintable(formatted(rawReadSeconds(10000), Goal{})),
                qPrintable(formatted(rawReadSeconds(100000), Goal{})), qPrintable(formatted(rawCopySeconds(1000), Goal{})),
                qPrintable(formatted(rawCopySeconds(10000), Goal{})), qPrintable(formatted(rawCopySeconds(100000), Goal{})));
    std::fflush(stdout);
    return allMet;
}

} // namespace bench
