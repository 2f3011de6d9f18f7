#include "bench/BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

// The program as users run it, measured from outside: tessaprint-batch and the minimal Qt
// program each in a process of their own, its wall time and its peak resident memory.
namespace bench {

namespace {

constexpr int Runs = 3; // each figure is the best of these, ours and the minimal program's in turn

struct Figures {
    double seconds = 1e9;
    double megabytes = 0;
};

// Runs program with arguments through tp_bench_run, its output into `log`; the best time and
// the largest peak so far kept.
void runMeasured(const char* program, const QStringList& arguments, const QString& log, Figures& best)
{
    QProcess runner;
    runner.start(QStringLiteral(TP_RUN_PROGRAM), QStringList{log, QString::fromLocal8Bit(program)} + arguments);
    if (!runner.waitForFinished(-1) || runner.exitCode() != 0)
        throw std::runtime_error(std::string("cannot run ") + program);
    const QStringList figures = QString::fromLatin1(runner.readAllStandardOutput()).trimmed().split(u' ');
    if (figures.size() != 3 || figures[2].toInt() != 0)
        throw std::runtime_error(std::string(program) + " failed; see " + log.toStdString());
    best.seconds = std::min(best.seconds, figures[0].toDouble());
    best.megabytes = std::max(best.megabytes, figures[1].toDouble() / 1024.0);
}

QString logFile(const char* name)
{
    return dataDir() + QStringLiteral("/%1.log").arg(QString::fromLatin1(name));
}

QString logText(const char* name)
{
    QFile file(logFile(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

struct Word {
    int page = 0;
    double x = 0, y = 0;
    QString text;
};

// pdftotext's word boxes: what a reader of the pages finds where.
std::vector<Word> pdfWords(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        throw std::runtime_error("pdftotext failed on " + path.toStdString());
    static const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>(.*)</word>"));
    std::vector<Word> words;
    int page = 0;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        if (line.contains(QLatin1String("<page ")))
            ++page;
        if (const QRegularExpressionMatch m = word.match(line); m.hasMatch())
            words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return words;
}

// The same words on the same pages, within a hundredth of a point (the two add up lines apart).
void requireSamePages(const QString& ours, const QString& minimal)
{
    const std::vector<Word> a = pdfWords(ours), b = pdfWords(minimal);
    bool same = a.size() == b.size();
    for (std::size_t i = 0; same && i < a.size(); ++i)
        same = a[i].page == b[i].page && a[i].text == b[i].text && std::abs(a[i].x - b[i].x) < 0.01
            && std::abs(a[i].y - b[i].y) < 0.01;
    if (!same || a.empty())
        throw std::runtime_error("the minimal program's pages differ from the program's");
}

// List labels or the report of every contact into a PDF: the program against the minimal one.
void printout(benchmark::State& state, bool labels)
{
    const int size = int(state.range(0));
    const QString file = contactFile(size);
    const QString ours = dataDir() + QStringLiteral("/printout.pdf");
    const QString minimal = dataDir() + QStringLiteral("/minimal.pdf");
    const QStringList command{labels ? QStringLiteral("list-labels") : QStringLiteral("report"), QStringLiteral("--file"),
                              file, QStringLiteral("--pdf"), ours};
    Figures program, yardstick;
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            runMeasured(TP_MINIMAL_PROGRAM, {labels ? QStringLiteral("labels") : QStringLiteral("report"), file, minimal},
                        logFile("minimal"), yardstick);
            runMeasured(TP_BATCH_PROGRAM, command, logFile("printout"), program);
        }
        state.SetIterationTime(program.seconds);
    }
    // Only a yardstick that draws what the program draws measures anything.
    if (size == Sizes[0])
        requireSamePages(ours, minimal);
    const Baseline time = labels ? Baseline::MinimalLabels : Baseline::MinimalReport;
    const Baseline memory = labels ? Baseline::MinimalLabelsMemory : Baseline::MinimalReportMemory;
    setBaseline(time, size, yardstick.seconds);
    setBaseline(memory, size, yardstick.megabytes);
    report(state, labels ? "Baseline: minimal Qt, list labels" : "Baseline: minimal Qt, report", Goal{}, size,
           yardstick.seconds);
    Goal yardstickMemory;
    yardstickMemory.memory = true;
    report(state, labels ? "  its peak memory (labels)" : "  its peak memory (report)", yardstickMemory, size,
           yardstick.megabytes);
    report(state, labels ? "List labels to PDF" : "Report to PDF", Goal{time, 1.25}, size, program.seconds);
    Goal flatMemory{memory, 0, 0, 80};
    flatMemory.flat = true;
    report(state, labels ? "  list labels, peak memory" : "  report, peak memory", flatMemory, size,
           program.megabytes);
}

void BM_ListLabelsPdf(benchmark::State& state)
{
    printout(state, true);
}
BENCHMARK(BM_ListLabelsPdf)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_ReportPdf(benchmark::State& state)
{
    printout(state, false);
}
BENCHMARK(BM_ReportPdf)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// 100,000 CSV lines of distinct names into no file (0: created by the import) and into the
// file of 100,000 contacts of distinct names, a quarter of the lines theirs.
void BM_ImportDistinct(benchmark::State& state)
{
    const int size = int(state.range(0));
    const QString csv = distinctCsv();
    const QString target = size == 0 ? dataDir() + QStringLiteral("/imported.DAT") : distinctFile();
    const QString work = dataDir() + QStringLiteral("/importwork.DAT");
    Figures figures;
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            QFile::remove(work);
            if (size > 0 && !QFile::copy(target, work))
                throw std::runtime_error("cannot copy the contact file");
            runMeasured(TP_BATCH_PROGRAM,
                        {QStringLiteral("import"), QStringLiteral("--file"), work, QStringLiteral("--csv"), csv,
                         QStringLiteral("--create")},
                        logFile("import"), figures);
        }
        state.SetIterationTime(figures.seconds);
    }
    const QString written = QStringLiteral("D O N E !  %1 contacts").arg(size == 0 ? DistinctLines : DistinctLines * 3 / 4);
    if (!logText("import").contains(written))
        throw std::runtime_error("the import wrote another count: " + logText("import").toStdString());
    if (size == 0)
        setBaseline(Baseline::EmptyImport, 0, figures.seconds);
    report(state, "Import 100,000 distinct lines", Goal{Baseline::EmptyImport, 3}, size, figures.seconds);
    report(state, "  import, peak memory", Goal{Baseline::None, 0, 0, 250}, size, figures.megabytes);
}
BENCHMARK(BM_ImportDistinct)->Arg(0)->Arg(DistinctContacts)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

} // namespace bench
