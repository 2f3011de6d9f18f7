#include "bench/BenchPlatform.h"
#include "bench/BenchSupport.h"

#include "contacts/Compaction.h"
#include "contacts/ContactSession.h"
#include "contacts/FileCommands.h"

#include <QFileInfo>

#include <stdexcept>

namespace bench {

namespace {

void registerSizes(benchmark::internal::Benchmark* b)
{
    for (int size : Sizes)
        b->Arg(size);
    b->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.3);
}

void BM_RawRead(benchmark::State& state)
{
    const int size = int(state.range(0));
    const QString path = contactFile(size);
    rawRead(path); // warm
    setBaseline(Baseline::RawRead, size,
                measure(state, "Baseline: raw read", Goal{}, {}, [&] { rawRead(path); }));
}
BENCHMARK(BM_RawRead)->Apply(registerSizes);

void BM_RawCopy(benchmark::State& state)
{
    const int size = int(state.range(0));
    const QString from = contactFile(size);
    const QString to = dataDir() + QStringLiteral("/rawcopy");
    setBaseline(Baseline::RawCopy, size,
                measure(state, "Baseline: raw copy", Goal{}, {}, [&] { rawCopy(from, to); }));
}
BENCHMARK(BM_RawCopy)->Apply(registerSizes);

// File > Open of the file, birthday check included (its messages answered at once).
void BM_FileOpen(benchmark::State& state)
{
    const int size = int(state.range(0));
    BenchPlatform platform;
    platform.folder = dataDir();
    const QString path = contactFile(size);
    platform.chosenFile = {path, QFileInfo(path).fileName()};
    ContactSession session;
    measure(state, "File > Open + birthday check", Goal{Baseline::RawRead, 5}, [&] { platform.messages = 0; },
            [&] {
                const FileCommandResult result = fileOpen(platform, session);
                if (result.result != FileCommandResult::Opened)
                    throw std::runtime_error("File > Open failed");
            });
    state.counters["reminders"] = platform.messages;
}
BENCHMARK(BM_FileOpen)->Apply(registerSizes);

// Removing one contact from the middle: the rewrite through Tempf and the reopen.
void BM_DeleteCompaction(benchmark::State& state)
{
    const int size = int(state.range(0));
    ContactSession session;
    measure(state, "Delete one contact (compaction)", Goal{Baseline::RawCopy, 3},
            [&] { session.file.open(workingCopy(size)); },
            [&] { compactContactFile(session.file, size / 2); });
    if (session.file.recordCount() != size - 1)
        throw std::runtime_error("compaction lost or kept the wrong records");
}
BENCHMARK(BM_DeleteCompaction)->Apply(registerSizes);

} // namespace

} // namespace bench
