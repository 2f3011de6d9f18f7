#pragma once

#include <QString>
#include <QStringList>

// The window program's command line: tessaprint [--help] [--version] [FILE.DAT].
struct StartArguments {
    enum Outcome { Run, Help, Version, Refused, UsageError } outcome = Run;
    QString file; // Run: the contact file to open at start, as an absolute path; empty for none
    QString text; // Refused, UsageError: what is wrong
};

// arguments as the application reads them, the program's own name first.
StartArguments readStartArguments(const QStringList& arguments);

// What --help prints; the folders are where this program finds and puts its files.
QString startHelp(const QString& helpFolder, const QString& userFilesFolder, const QString& settingsFile);
// What --version prints.
QString versionLine(const QString& program);

// True when a window can be shown: a display is set, or a Qt platform is chosen.
bool displayAvailable();
// What the program says, and then exits with 1, when it has no display.
QString noDisplayMessage();

// Exit statuses.
inline constexpr int kStartRefused = 1;
inline constexpr int kStartUsage = 2;
