#pragma once

#include "contacts/ContactList.h"
#include "exchange/ContactExport.h"
#include "exchange/CsvImport.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace Batch {

enum class Command { Labels, Envelope, ReturnAddress, ListLabels, Report, Import, Export };

// Where a printout goes: a PDF file or a named printer, never both.
struct PrintTarget {
    QString pdfPath;
    QString printerName;
    // When set, the device reports this name: the printout is laid out as that printer family's.
    QString deviceName;
};

// One command line, read. Options that a command does not take are refused while parsing.
struct Request {
    Command command = Command::Labels;

    // labels, envelope, return-address: the composer's five lines.
    std::array<QString, 5> lines;
    QString position;         // labels: the answer to the position prompt
    bool centered = false;    // otherwise left-justified
    std::optional<bool> portrait; // empty: the medium's own (labels portrait, envelope landscape)
    int envelopeSize = 0;     // 1..7; 0 when none was named
    bool bold = false;
    bool largeFont = false;
    std::optional<QString> indent;  // the margin boxes, as typed
    std::optional<QString> padRows;

    // Every printout.
    PrintTarget target;
    int copies = 1;

    // list-labels, report, import, export.
    QString contactFile;
    bool create = false; // import: a missing contact file is created
    int waitSeconds = 5; // import: how long to wait while another Tessaprint holds the file
    ContactList::SearchMode searchMode = ContactList::SearchMode::All;
    QString searchText;
    ContactList::SortOrder sortOrder = ContactList::SortOrder::ByFirstName;
    QString csvFile;     // import: the file to import, CSV or vCard
    ImportFormat importFormat = ImportFormat::Csv;
    ExportKind exportKind = ExportKind::Csv;
    VCardVersion vCardVersion = VCardVersion::V4;
    QString folder; // export: where the file goes instead of the program folder

    bool prints() const
    {
        return command != Command::Import && command != Command::Export;
    }
};

// What the command line asks for.
struct Parsed {
    enum Outcome { Run, Help, Version, UsageError } outcome = UsageError;
    Request request;
    QString text; // the help or version text, or what is wrong with the command line
};

// The arguments after the program's name.
Parsed parseArguments(const QStringList& arguments);

// The tool's own help, and each command's.
QString toolHelp();
QString commandHelp(Command command);

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kRefused = 1; // a message said why
inline constexpr int kUsage = 2;   // the command line itself is wrong

} // namespace Batch
