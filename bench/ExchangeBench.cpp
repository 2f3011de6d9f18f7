#include "bench/BenchPlatform.h"
#include "bench/BenchSupport.h"
#include "bench/Generator.h"

#include "contacts/ContactFile.h"
#include "exchange/ContactExport.h"
#include "exchange/CsvImport.h"

#include <QFile>

#include <stdexcept>
#include <string>

namespace bench {

namespace {

constexpr CsvLayout Layouts[] = {CsvLayout::Yahoo, CsvLayout::WebMail, CsvLayout::AddressBook,
                                 CsvLayout::OwnExport, CsvLayout::Generic};

QString csvFile(CsvLayout layout)
{
    const QString path = dataDir() + QStringLiteral("/import_%1.csv").arg(QString::fromLatin1(layoutName(layout)));
    if (!QFile::exists(path))
        writeCsvFile(path, layout, CsvLines);
    return path;
}

// Import of 5,000 lines of one layout into the file, the duplicate test against every
// record on file included.
void BM_Import(benchmark::State& state)
{
    const int size = int(state.range(0));
    const CsvLayout layout = Layouts[state.range(1)];
    const QString csv = csvFile(layout);
    BenchPlatform platform;
    platform.folder = dataDir();
    ContactFile file;
    ImportResult result;
    static std::string names[5];
    names[state.range(1)] = std::string("Import 5,000 lines: ") + layoutName(layout);
    measure(state, names[state.range(1)].c_str(), Goal{Baseline::None, 0, 3}, [&] { file.open(workingCopy(size)); },
            [&] { result = importContacts(platform, file, {csv, true}); });
    if (result.outcome != ImportResult::Done)
        throw std::runtime_error("import failed: " + platform.lastMessage.toStdString());
    state.counters["written"] = result.written;
}
BENCHMARK(BM_Import)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1, 2, 3, 4}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3);

// Export of every contact to CSV.
void BM_ExportCsv(benchmark::State& state)
{
    const int size = int(state.range(0));
    BenchPlatform platform;
    platform.folder = dataDir();
    const QString path = contactFile(size);
    ContactFile file;
    file.open(path);
    ExportResult result;
    const QString exported = dataDir() + QStringLiteral("/ZAZE_contacts%1.csv").arg(size);
    // A first export creates its file: replacing one of the same size would add the
    // filesystem's flush of the truncated file to every run after the first.
    measure(state, "Export to CSV", Goal{Baseline::RawRead, 5}, [&] { QFile::remove(exported); },
            [&] { result = exportContacts(platform, file, {ExportKind::Csv, path}); });
    if (result.outcome != ExportResult::Created || result.path != exported)
        throw std::runtime_error("export failed: " + platform.lastMessage.toStdString());
}
BENCHMARK(BM_ExportCsv)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.3);

} // namespace

} // namespace bench
