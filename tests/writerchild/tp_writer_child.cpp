// A second program on a contact file, for the one-writer tests: holds the file, or runs one
// writer and, when asked, dies by SIGKILL just before the N-th write, flush, sync or rename.
//
//   tp_writer_child hold FILE                     prints "held", then waits to be killed
//   tp_writer_child delete|reminders|export FILE [write|flush|sync|rename N]
// A writer that runs to its end prints its counts: "writes 4 flushes 1 syncs 1 renames 1".
#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ContactFile.h"
#include "exchange/ContactExport.h"
#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString command = args[1], path = args[2];
    ContactFile file;
    file.open(path);
    if (command == QLatin1String("hold")) {
        std::puts("held");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    WriteSeam& seam = file.seam();
    if (args.size() == 5) {
        const QString kinds[] = {QStringLiteral("write"), QStringLiteral("flush"), QStringLiteral("sync"),
                                 QStringLiteral("rename")};
        const int kind = int(std::find(std::begin(kinds), std::end(kinds), args[3]) - std::begin(kinds));
        const int at = args[4].toInt();
        seam.setObserver([kind, at](WriteSeam::Step step, int n) {
            if (int(step) == kind && n == at)
                std::raise(SIGKILL);
        });
    }
    FakePlatform platform;
    platform.folder = QFileInfo(path).absolutePath();
    if (command == QLatin1String("delete"))
        compactContactFile(file, 1);
    else if (command == QLatin1String("reminders"))
        enableBirthdayReminders(platform, file, ReminderMenus::off());
    else if (command == QLatin1String("export"))
        exportContacts(platform, file, {ExportKind::Csv, path});
    else
        return 2;
    std::printf("writes %d flushes %d syncs %d renames %d\n", seam.writes(), seam.flushes(), seam.syncs(),
                seam.renames());
    return 0;
}
