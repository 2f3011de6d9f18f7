#include "bench/BenchPlatform.h"
#include "bench/BenchSupport.h"
#include "tests/support/Controls.h"

#include "app/frmLDeded.h"
#include "windows/WindowFlow.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <stdexcept>

namespace bench {

namespace {

void registerSizes(benchmark::internal::Benchmark* b)
{
    for (int size : Sizes)
        b->Arg(size);
    b->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.3);
}

// The main window with the generated file opened through File > Open, as a user opens it.
struct OpenedProgram {
    BenchPlatform platform;
    std::unique_ptr<frmLDeded> main;

    explicit OpenedProgram(int size)
    {
        const QString path = contactFile(size);
        platform.folder = dataDir();
        platform.chosenFile = {path, QFileInfo(path).fileName()};
        main = std::make_unique<frmLDeded>(platform);
        main->show();
        named<QAction>(main, "mnuFileOpen")->trigger();
        QCoreApplication::processEvents();
        if (main->session().file.recordCount() != size)
            throw std::runtime_error("File > Open did not open the generated file");
    }
};

// Get report with "view all" sorted by first name, until the list holds every line.
void BM_GetReport(benchmark::State& state)
{
    const int size = int(state.range(0));
    OpenedProgram program(size);
    frmViewAll* list = program.main->contactList();
    measure(
        state, "Get report, all, sorted, into list", Goal{Baseline::RawRead, 10, 1.0},
        [&] {
            list->open();
            chooseOption(named<QRadioButton>(list, "optSearchAll"));
            chooseOption(named<QRadioButton>(list, "optFnameSort"));
            QCoreApplication::processEvents();
        },
        [&] { named<QPushButton>(list, "cmdACGetReport")->click(); });
    if (named<QListView>(list, "lstAllContacts")->model()->rowCount() != size)
        throw std::runtime_error("the list does not hold every contact");
    named<QPushButton>(list, "cmdViewAllClose")->click();
}
BENCHMARK(BM_GetReport)->Apply(registerSizes);

// Next in the contact browser: the record shown and the find list reloaded.
void BM_BrowserNavigation(benchmark::State& state)
{
    const int size = int(state.range(0));
    OpenedProgram program(size);
    frmEdDelViewContact* browser = program.main->contactBrowser();
    browser->open();
    QCoreApplication::processEvents();
    program.platform.messages = 0; // the birthday reminders of File > Open
    // It reads the whole file, as the raw read does: its ratio to that read tells whether it
    // grows faster than the file once the file no longer fits the caches.
    measure(
        state, "Browser click Next + find list", Goal{Baseline::RawRead, 0, 0.1},
        [&] {
            // Never at the end of the file, whatever the number of runs.
            if (program.main->session().CurrentRecord >= size - 1)
                program.main->session().CurrentRecord = 1;
        },
        [&] { named<QPushButton>(browser, "cmdNext")->click(); });
    if (named<QComboBox>(browser, "cboFindContact")->count() != size || program.platform.messages != 0)
        throw std::runtime_error("the browser did not step or lost find-list entries");
    named<QPushButton>(browser, "cmdCancel")->click();
}
BENCHMARK(BM_BrowserNavigation)->Apply(registerSizes);

} // namespace

} // namespace bench
