#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactSession.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

class Platform;

// The contact list: which records a search lists, the line each one shows, their order,
// and the text that Copy, Cut and Paste move. Used by frmViewAll:
//
//   ListingResult r = getReport(platform, session, {mode, text, sortOrder});
//   if (r.outcome == ListingResult::Cancel) closeWindow();
//   model->append(std::move(r.lines))          // already sorted, each carrying its record number
namespace ContactList {

// Which field a search looks in; the values are the search's codes.
enum class SearchMode : int {
    FirstName = 0, LastName = 1, City = 2, State = 3, Zip = 4, Email = 5, Category = 6,
    All = 7, Company = 8,
};
// Whether lines begin with the first name (0) or the last name (1).
enum class SortOrder : int { ByFirstName = 0, ByLastName = 1 };

struct SearchOption {
    SearchMode code;
    QString caption;     // the option's caption
    QString promptTitle; // title of the "Search For: " prompt; empty for All
    QString fieldLabel;  // shown before " = " after listing; empty for All
};
// The nine options in the order they are laid out.
const std::vector<SearchOption>& searchOptions();
const SearchOption& searchOption(SearchMode code);

// The column headings above the list (122 characters).
QString heading();
// A list line as a screen reader says it: each shown value after its column's name,
// "Name: John M. Smith, City: Reno, Cell: 555-4444"; a pasted line without columns as it is.
QString spokenLine(const QString& line);

// One record's line: name part, then City, State, Zip, home, cell and Email, TAB-separated,
// the fields padded as stored so that the columns line up.
QString listLine(const Contact& record, SortOrder sortOrder);
// The same from a record's 513 bytes as the file holds them.
QString listLine(const char* record, SortOrder sortOrder);

// Whether the record is listed by this search.
bool matches(const Contact& record, SearchMode searchMode, const QString& searchText);
// The same for the searched field's value as stored.
bool fieldMatches(QStringView field, SearchMode searchMode, const QString& searchText);

struct ListLine {
    QString text;
    int record = 0; // record number; 0 for a pasted line
    bool operator==(const ListLine&) const = default;
};

// The list's own order: whole line text, letter case ignored, locale-aware.
bool lineBefore(const QString& a, const QString& b);
// Sorts in place; lines of equal text keep their order.
void sortLines(std::vector<ListLine>& lines);
// Where a new line goes among lines already sorted: after every line that sorts before it or equal.
int sortedPosition(const QStringList& sortedTexts, const QString& text);

struct Search {
    SearchMode mode = SearchMode::All;
    QString text;
    SortOrder sortOrder = SortOrder::ByFirstName;
};

// Lines of every matching record, record numbers from 1, sorted.
std::vector<ListLine> listRecords(const QVector<Contact>& records, const Search& search);

// "First name = smi" after listing; the label only when something was found.
QString searchDisplay(const Search& search, int found);

// Asks the "Search For: " prompt for the option's field; Cancel gives empty text.
QString askSearchText(Platform& platform, SearchMode code);

struct ListingResult {
    enum Outcome { Listed, NoneFound, Retry, Cancel } outcome = Listed;
    std::vector<ListLine> lines;
    bool searchDisplayVisible = false;
    QString searchDisplay;
    QString totalCaption; // "Contacts Found = 3"
};

// Get report: reads every record in one go, lists the matches, shows "No contacts found."
// when there are none, and the error message (Retry / Cancel) when the file fails.
ListingResult getReport(Platform& platform, ContactSession& session, const Search& search);

struct OpenedContact {
    enum Outcome { Opened, Retry, Cancel } outcome = Opened;
    Contact record;
};

// Double-click: reads the record and makes it CurrentRecord. A pasted line's record 0 fails as an
// invalid record number. A record that no longer gives shownLine (another program removed or
// changed contacts since the listing) is not opened: a message says so and the window stays.
// The file stays open meanwhile, so its lock is never let go.
OpenedContact openListedContact(Platform& platform, ContactSession& session, int recordNumber,
                                const QString& shownLine);

// Copy and Cut: CR LF before each selected line's text, in index order.
QString clipboardText(const QStringList& texts, const std::vector<int>& selectedIndexes);
// Paste: the clipboard text split at every CR LF, empty pieces included.
QStringList pastedLines(const QString& clipboard);

} // namespace ContactList
