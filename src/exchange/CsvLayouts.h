#pragma once

#include "contacts/Contact.h"
#include "exchange/CsvText.h"

#include <QString>
#include <memory>
#include <optional>

// The file layouts the import knows, told apart by the file's first line.
enum class CsvLayout {
    None,
    // Known by their own headers, their columns found by name.
    GoogleContacts, // "First Name,Middle Name,Last Name,Phonetic First Name,..."
    GoogleLegacy,   // "Name,Given Name,Additional Name,Family Name,..."
    Outlook,        // "Title,First Name,Middle Name,Last Name,..." (and the same names in another order)
    Thunderbird,    // "First Name,Last Name,Display Name,Nickname,Primary Email,..."
    OutlookExpress, // "First Name,Last Name,Middle Name,Name,Nickname,E-mail Address,..." (the columns ticked)
    // Known by what the first line contains, their columns found by position.
    Yahoo,       // "Yahoo! Phone" or "Yahoo Phone"
    WebMail,     // "Primary Phone" and "Web Page"
    AddressBook, // "Name,E-mail Address"
    OwnExport,   // "First Name,MI" and "Birthdate,Category,Notes"
    Generic,     // "Name," without "Suffix,Initials,Web Page,", "Distribution Lists", "Birthdate,Category,Notes"
};

CsvLayout detectCsvLayout(const CsvRecord& firstRecord);

// Reads the lines of one layout into working contacts.
//
//   auto reader = CsvLineReader::forLayout(detectCsvLayout(records[0]));
//   if (reader->readHeader(records[0]))
//       for (...) if (std::optional<Contact> c = reader->readLine(records[i])) ...
class CsvLineReader {
public:
    static std::unique_ptr<CsvLineReader> forLayout(CsvLayout layout);
    virtual ~CsvLineReader() = default;

    // False for a generic list without an e-mail column. An address book header without
    // "First Name," throws AppError 5 "Invalid procedure call or argument".
    virtual bool readHeader(const CsvRecord& header) = 0;
    // The working contact of one line (fields unpadded), or nullopt when the line is skipped.
    // A cell past the end of the header or the line is never read: a column-map entry for it
    // does not apply, and a skip test for an empty cell counts it as empty.
    virtual std::optional<Contact> readLine(const CsvRecord& line) = 0;
};

// Birth date rules for the layouts that find columns by position. S is "/" or "-".
// Pads month and day to two digits, blanks values whose month is over 12 or day over 31
// (with the range test), and rearranges MM S DD S YYYY to YYYYMMDD; empty stays empty.
QString birthdateByRules(QString value, QChar separator, bool rangeTest);
// Empty unless the value begins with "19" or "20" and is eight digits.
QString centuryTest(const QString& value);

// A birth date as mail programs write it: "1976-07-04", "7/4/1976", "07/04/1976", or the year,
// month and day apart. A value that is no real date from 1900 to 2099 ("0/0/00", "--07-04") is empty.
QString birthdateFromText(const QString& text);
QString birthdateFromParts(const QString& year, const QString& month, const QString& day);
