#include "app/StartArguments.h"

#include "help/HelpTargets.h"
#include "help/Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

StartArguments readStartArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    StartArguments start;
    if (!parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("tessaprint")} : arguments)) {
        start.outcome = StartArguments::UsageError;
        start.text = parser.errorText();
        return start;
    }
    if (parser.isSet(help)) {
        start.outcome = StartArguments::Help;
        return start;
    }
    if (parser.isSet(version)) {
        start.outcome = StartArguments::Version;
        return start;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        start.outcome = StartArguments::UsageError;
        start.text = QStringLiteral("one contact file at a time, not %1").arg(files.size());
        return start;
    }
    if (files.isEmpty())
        return start;
    const QFileInfo file(files.first());
    // Open would create a file that is not there; a name given at start must name one.
    if (!file.isFile()) {
        start.outcome = StartArguments::Refused;
        start.text = QStringLiteral("there is no contact file %1").arg(QDir::toNativeSeparators(files.first()));
        return start;
    }
    start.file = file.absoluteFilePath();
    return start;
}

QString startHelp(const QString& helpFolder, const QString& userFilesFolder, const QString& settingsFile)
{
    const auto inFolder = [&](const char* name) {
        return QDir::toNativeSeparators(QDir(helpFolder).filePath(QLatin1String(name)));
    };
    return QStringLiteral("Usage: tessaprint [OPTIONS] [FILE.DAT]\n"
                          "\n"
                          "Prints typed addresses onto sheets of labels and onto envelopes, and keeps a\n"
                          "contact file. FILE.DAT, when given, is opened at start as File > Open opens it.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "\n"
                          "User manual (F1):      %1\n"
                          "State abbreviations:   %2\n"
                          "New contact files and exports: %3\n"
                          "Settings and printer calibrations: %4\n"
                          "\n"
                          "The program needs a display. Without one, start it on a virtual screen:\n"
                          "  xvfb-run tessaprint\n"
                          "tessaprint-batch makes the same printouts, imports and exports without a window.\n")
        .arg(inFolder(kUserManualFile), inFolder(kStateTableFile), QDir::toNativeSeparators(userFilesFolder),
             QDir::toNativeSeparators(settingsFile));
}

QString versionLine(const QString& program)
{
    return QStringLiteral("%1 %2.%3.%4\n").arg(program).arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

bool displayAvailable()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return false;
}

QString noDisplayMessage()
{
    return QStringLiteral("tessaprint: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                          "Start it from a desktop session, or on a machine without a screen: xvfb-run tessaprint\n"
                          "tessaprint-batch prints, imports and exports without a display.\n");
}
