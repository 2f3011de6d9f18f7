#pragma once

#include "contacts/Contact.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Deterministic, realistic contacts for the benchmarks. Contact i is a function of i alone,
// so the file of 1,000 contacts is the first thousand of the file of 100,000, and CSV lines
// made from low indices match stored contacts in every file size.
namespace bench {

// The day the benchmarks run "on": about one birthday in 25 falls in the 15 days after it.
inline QDate benchToday() { return QDate(2026, 6, 1); }

Contact generatedContact(int index);

// Contacts 0..count-1 as a contact file.
void writeContactFile(const QString& path, int count);

// The CSV import layouts, named by what their first line marks.
enum class CsvLayout { Yahoo, WebMail, AddressBook, OwnExport, Generic };
const char* layoutName(CsvLayout layout);

// Contact i with a last name no other index shares (syllables in an order that i alone picks),
// as a file of people from many families holds them.
Contact distinctContact(int index);
void writeDistinctContactFile(const QString& path, int count);

// `lines` lines of the program's own export, every last name another: a quarter are contacts of
// the distinct file above under their own names with a new e-mail (duplicates of a file that
// holds them), the rest people no file holds.
void writeDistinctCsvFile(const QString& path, int lines);

// A CSV file of `lines` data lines in `layout`. Every fourth line repeats a contact of the
// first thousand (a duplicate in every file size); the others are new contacts.
void writeCsvFile(const QString& path, CsvLayout layout, int lines);

} // namespace bench
