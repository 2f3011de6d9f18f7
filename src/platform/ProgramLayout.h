#pragma once

#include <QString>

// Where the program's own files lie. A build keeps the help documents beside the program; an
// install keeps them in share/tessaprint beside bin/ (the path the build was configured with),
// and then the user's new files never go under the install prefix, writable or not.
struct ProgramLayout {
    QString helpFolder;
    bool installed = false;
};

// The layout of the program whose file lies in programFolder.
ProgramLayout programLayout(const QString& programFolder);

// The user's documents folder, or the home folder when there is none.
QString userDocumentsFolder();
