#pragma once

#include "contacts/Contact.h"
#include "exchange/VCardWriter.h"

#include <QChar>
#include <QString>
#include <QVector>
#include <optional>

class ContactFile;
class Platform;

// The export window's Create command as plain code; messages go through the platform.
//
//   const ExportResult r = exportContacts(platform, main.session.file,
//                                         {optExpCGCSV->isChecked() ? ExportKind::Csv : ExportKind::Text,
//                                          main.txtFileNam->text()});
//   if (r.outcome == ExportResult::ErrorCancel) close(); else cmdExpCancel->setFocus();
enum class ExportKind { Csv, Text, VCard };

struct ExportRequest {
    ExportKind kind = ExportKind::Csv;
    QString contactPath; // the open contact file's full path (txtFileNam)
    VCardVersion vCardVersion = VCardVersion::V4;
    std::optional<QVector<int>> records; // the records to export, in this order; none: every record
};

struct ExportResult {
    enum Outcome { Created, NoContacts, ErrorRetry, ErrorCancel } outcome = Created;
    QString path; // the file written; empty after an error before it was created
};

// Every record, in order, after one header line, CR LF line ends, Windows-1252. The file is
// "ZAZE_" (csv) or "DODU_" (text) + the contact file's name without ".DAT" / ".dat", in the
// program folder; when that folder cannot be written, beside the contact file (the message
// names the folder). An existing file is replaced. A vCard export is that name + ".vcf", one
// card a record (vCardOf), without a header.
ExportResult exportContacts(Platform& platform, ContactFile& file, const ExportRequest& request);

// "First Name,MI,Last Name,...,Notes" with the kind's separator.
QString exportHeader(QChar separator);
// The value as one cell: in quotes, its quotes doubled, only where it holds the separator, a
// quote or a line break (RFC 4180), so spreadsheets and the import read it back whole.
QString exportCell(const QString& value, QChar separator);
// The record's fields trimmed, the birth date as MM-DD-YYYY, each as exportCell writes it.
QString exportLine(const Contact& contact, QChar separator);
// exportLine of the record's contact, already in Windows-1252 and without its CR LF, built from
// the record's bytes without decoding them (the export's way through a large file).
QByteArray exportLineBytes(const char* record, char separator);
// The contact file's name with every ".DAT" and ".dat" removed.
QString exportBaseName(const QString& contactPath);
