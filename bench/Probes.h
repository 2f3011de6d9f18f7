#pragma once

#include <QString>
#include <QStringList>

// Figures measured in a process of their own, as a user starts the program.
namespace bench {

// The child side: "--probe-startup" shows the main window and prints "shown";
// "--probe-memory <contact file>" shows the main window, opens the file with File > Open and
// prints its resident memory in kB.
int runProbe(int argc, char** argv);

// The parent side: starts this program with `arguments`; returns the seconds until its first
// line of output and the line itself.
double runProbeProcess(const QStringList& arguments, QString* output);

// VmRSS of this process in kB (Linux), 0 when unknown.
long residentKilobytes();

} // namespace bench
