#include "bench/Probes.h"
#include "tests/support/Controls.h"

#include "app/frmLDeded.h"
#include "bench/BenchPlatform.h"
#include "bench/BenchSupport.h"
#include "platform/qt/QtPlatform.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace bench {

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

int probeStartup(int argc, char** argv)
{
    // What main() does, up to the window on the screen.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaprint"));
    QtPlatform platform;
    frmLDeded window(platform);
    platform.setDialogParent(&window);
    window.show();
    settle();
    std::printf("shown %d\n", window.isVisible() ? 1 : 0);
    std::fflush(stdout);
    return 0;
}

int probeMemory(int argc, char** argv, const QString& path)
{
    QApplication app(argc, argv);
    BenchPlatform platform;
    platform.folder = QFileInfo(path).absolutePath();
    platform.chosenFile = {path, QFileInfo(path).fileName()};
    frmLDeded window(platform);
    window.show();
    settle();
    named<QAction>(&window, "mnuFileOpen")->trigger();
    settle();
    // The contact list opens on "view all" sorted by first name: every contact is listed.
    frmViewAll* list = window.contactList();
    list->open();
    settle();
    named<QPushButton>(list, "cmdACGetReport")->click();
    settle();
    std::printf("%ld\n",
                named<QListView>(list, "lstAllContacts")->model()->rowCount() == window.session().file.recordCount()
                    ? residentKilobytes()
                    : 0L);
    std::fflush(stdout);
    return 0;
}

} // namespace

int runProbe(int argc, char** argv)
{
    const char* which = argv[1];
    if (std::strcmp(which, "--probe-startup") == 0)
        return probeStartup(1, argv);
    if (std::strcmp(which, "--probe-memory") == 0 && argc >= 3)
        return probeMemory(1, argv, QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "unknown probe %s\n", which);
    return 2;
}

double runProbeProcess(const QStringList& arguments, QString* output)
{
    QProcess process;
    // The child's Qt start-up notes would drown the table.
    process.setStandardErrorFile(QProcess::nullDevice());
    const Clock::time_point start = Clock::now();
    process.start(QCoreApplication::applicationFilePath(), arguments);
    if (!process.waitForStarted(10000))
        throw std::runtime_error("probe did not start");
    while (!process.canReadLine())
        if (!process.waitForReadyRead(60000))
            throw std::runtime_error("probe gave no answer");
    const double seconds = secondsSince(start);
    if (output)
        *output = QString::fromLocal8Bit(process.readLine()).trimmed();
    process.waitForFinished(60000);
    return seconds;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace bench
