#include "app/StartArguments.h"
#include "app/frmLDeded.h"
#include "contacts/ContactFile.h"
#include "platform/qt/QtPlatform.h"
#include "support/Controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int status = -1;
    QString out, err;
};

// The built program as a user starts it; bare: with no display of any kind.
ProgramRun runProgram(const QStringList& arguments, bool bare)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (!bare)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TP_PROGRAM), arguments);
    ProgramRun run;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

} // namespace

TEST(CommandLine, ArgumentsAreReadAsTheProgramStarts)
{
    QTemporaryDir folder;
    const QString club = QDir(folder.path()).filePath(QStringLiteral("Club.DAT"));
    QFile(club).open(QIODevice::WriteOnly);
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("Gone.DAT"));
    const struct {
        QStringList arguments;
        StartArguments::Outcome outcome;
        QString file;
    } cases[] = {
        {{}, StartArguments::Run, {}},
        {{club}, StartArguments::Run, club},
        {{QStringLiteral("--help")}, StartArguments::Help, {}},
        {{QStringLiteral("-h"), club}, StartArguments::Help, {}},
        {{QStringLiteral("--version")}, StartArguments::Version, {}},
        {{QStringLiteral("-v")}, StartArguments::Version, {}},
        {{missing}, StartArguments::Refused, {}},
        {{folder.path()}, StartArguments::Refused, {}},
        {{club, club}, StartArguments::UsageError, {}},
        {{QStringLiteral("--print")}, StartArguments::UsageError, {}},
    };
    for (const auto& c : cases) {
        const StartArguments start = readStartArguments(QStringList{QStringLiteral("tessaprint")} + c.arguments);
        EXPECT_EQ(start.outcome, c.outcome) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(start.file, c.file) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(start.text.isEmpty(), c.outcome < StartArguments::Refused);
    }
    // A name relative to the current folder is opened from there.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    EXPECT_EQ(readStartArguments({QStringLiteral("tessaprint"), QStringLiteral("Club.DAT")}).file, club);
    QDir::setCurrent(before);
}

TEST(CommandLine, HelpAndVersionNeedNoDisplayAndNoDisplayIsSaid)
{
    const QString version = QStringLiteral("tessaprint %1\n").arg(QStringLiteral(TP_PROJECT_VERSION));
    const struct {
        QStringList arguments;
        bool bare;
        int status;
        QString out; // what the output starts with
        QString err; // what the error output holds
    } cases[] = {
        {{QStringLiteral("--version")}, true, 0, version, {}},
        {{QStringLiteral("-v")}, false, 0, version, {}},
        {{QStringLiteral("--help")}, true, 0, QStringLiteral("Usage: tessaprint [OPTIONS] [FILE.DAT]\n"), {}},
        {{QStringLiteral("--help")}, false, 0, QStringLiteral("Usage: tessaprint [OPTIONS] [FILE.DAT]\n"), {}},
        {{}, true, 1, {}, QStringLiteral("xvfb-run tessaprint")},
        {{QStringLiteral("--nope")}, true, 2, {}, QStringLiteral("tessaprint: Unknown option 'nope'.")},
        {{QStringLiteral("No such.DAT")}, true, 1, {}, QStringLiteral("tessaprint: there is no contact file No such.DAT")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString() + (c.bare ? " without a display" : " offscreen"));
        const ProgramRun run = runProgram(c.arguments, c.bare);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(c.out)) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
        EXPECT_EQ(run.out.isEmpty(), c.out.isEmpty());
    }
    // The help names the documents the build's program opens, which lie beside it.
    const QString help = runProgram({QStringLiteral("--help")}, true).out;
    const QString manual = QDir(QFileInfo(QStringLiteral(TP_PROGRAM)).absolutePath()).filePath(QStringLiteral("vedUvuv.pdf"));
    EXPECT_TRUE(help.contains(QStringLiteral("User manual (F1):      ") + manual + u'\n')) << help.toStdString();
    EXPECT_TRUE(QFileInfo::exists(manual));
}

TEST(CommandLine, AContactFileNamedAtStartOpensAsFileOpenOpensIt)
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString club = QDir(folder.path()).filePath(QStringLiteral("Club.DAT"));
    ContactFile file;
    file.open(club);
    Contact contact;
    contact.FirstName = QStringLiteral("Ann");
    contact.LastName = QStringLiteral("Lee");
    contact.IncludeCompany = QStringLiteral("0");
    contact.BirthdayReminder = QStringLiteral("0");
    file.append(contact);
    file.close();

    QtPlatform platform;
    frmLDeded window(platform);
    platform.answerNextFileDialog(readStartArguments({QStringLiteral("tessaprint"), club}).file);
    window.mnuFileOpen_Click();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessaprint  [Club]"));
    EXPECT_TRUE(named<QPushButton>(&window, "cmdFindContact")->isEnabled());
    EXPECT_TRUE(named<QAction>(&window, "mnuFileBdayOn")->isEnabled()) << "reminders read from the file's first record";
}
