#include "contacts/ContactList.h"

#include "contacts/FieldText.h"
#include "contacts/RecordView.h"
#include "contacts/SortOrder.h"
#include "contacts/ErrorMessage.h"
#include "contacts/Windows1252.h"
#include "platform/Numbers.h"
#include "platform/Platform.h"

#include <QCollator>
#include <algorithm>
#include <optional>

namespace ContactList {

namespace {

QChar* writeMiddle(QChar* out, QByteArrayView middleInitial)
{
    const char code = middleInitial.isEmpty() ? ' ' : middleInitial[0];
    if (code >= 'A' && code <= 'Z') {
        *out++ = QChar(char16_t(code));
        *out++ = u'.';
        *out++ = u' ';
    }
    return out;
}

constexpr int BlankPhoneWidth = 22;

QChar* writePhone(QChar* out, QByteArrayView phone)
{
    // A number written with its area code in parentheses reads as 0 and shows blank.
    QChar* start = out;
    out = decodeWindows1252(phone, out);
    if (leadingNumber(QStringView(start, out)) >= 1)
        return out;
    return std::fill_n(start, BlankPhoneWidth, QChar(u' '));
}

// The field a search looks in; none when every record is listed.
std::optional<RecordField> searchedField(SearchMode mode)
{
    switch (mode) {
    case SearchMode::FirstName: return RecordField::FirstName;
    case SearchMode::LastName: return RecordField::LastName;
    case SearchMode::City: return RecordField::City;
    case SearchMode::State: return RecordField::State;
    case SearchMode::Zip: return RecordField::Zip;
    case SearchMode::Email: return RecordField::Email;
    case SearchMode::Category: return RecordField::Category;
    case SearchMode::Company: return RecordField::Company;
    case SearchMode::All: break;
    }
    return std::nullopt;
}

const QCollator& listCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

TextAt textOf(const std::vector<ListLine>& lines)
{
    return [&lines](qsizetype i) -> const QString& { return lines[std::size_t(i)].text; };
}

} // namespace

const std::vector<SearchOption>& searchOptions()
{
    static const std::vector<SearchOption> options{
        {SearchMode::FirstName, QStringLiteral("First name"), QStringLiteral("First name Search"), QStringLiteral("First name")},
        {SearchMode::LastName, QStringLiteral("Last name"), QStringLiteral("Last name Search"), QStringLiteral("Last name")},
        {SearchMode::City, QStringLiteral("City"), QStringLiteral("City Search"), QStringLiteral("City")},
        {SearchMode::State, QStringLiteral("State"), QStringLiteral("State Search"), QStringLiteral("State")},
        {SearchMode::Zip, QStringLiteral("Zip code"), QStringLiteral("Zip code Search"), QStringLiteral("Zip")},
        {SearchMode::Email, QStringLiteral("Email address"), QStringLiteral("Email address Search"), QStringLiteral("Email")},
        {SearchMode::Category, QStringLiteral("Category"), QStringLiteral("Category Search"), QStringLiteral("Category")},
        {SearchMode::All, QStringLiteral("View all contacts without searching"), QString(), QString()},
        {SearchMode::Company, QStringLiteral("Company name"), QStringLiteral("Company Search"), QStringLiteral("Company name")},
    };
    return options;
}

const SearchOption& searchOption(SearchMode code)
{
    const auto& options = searchOptions();
    const auto found = std::find_if(options.begin(), options.end(),
                                    [code](const SearchOption& o) { return o.code == code; });
    return found != options.end() ? *found : options.at(static_cast<std::size_t>(SearchMode::All));
}

QString heading()
{
    return QStringLiteral("Name") + QString(31, u' ') + QStringLiteral("City") + QString(15, u' ')
           + QStringLiteral("ST") + QString(5, u' ') + QStringLiteral("Zip") + QString(9, u' ')
           + QStringLiteral("Home") + QString(9, u' ') + QStringLiteral("Cell") + QString(19, u' ')
           + QStringLiteral("Email Address");
}

QString spokenLine(const QString& line)
{
    static const char* const columns[] = {"Name", "City", "State", "Zip", "Home", "Cell", "Email"};
    const QStringList values = line.split(u'\t');
    if (values.size() != 7)
        return line;
    QStringList said;
    for (int i = 0; i < 7; ++i)
        if (const QString value = values[i].trimmed(); !value.isEmpty() && value != u',')
            said << QLatin1String(columns[i]) + QStringLiteral(": ") + value;
    return said.join(QStringLiteral(", "));
}

QString listLine(const char* bytes, SortOrder sortOrder)
{
    using F = RecordField;
    const RecordView record(bytes);
    const QByteArrayView first = record.trimmed(F::FirstName);
    const QByteArrayView middle = record.bytes(F::MiddleInitial);
    const QByteArrayView last = record.trimmed(F::LastName);
    const F columns[] = {F::City, F::State, F::Zip};
    // ", " and " " or " " alone, then "M. "; six TABs; each phone shown at most 22 wide.
    qsizetype longest = first.size() + last.size() + 6 + 6 + 2 * BlankPhoneWidth;
    for (F f : columns)
        longest += record.bytes(f).size();
    longest += record.bytes(F::Email).size();
    // Decoded straight into the line: one allocation a line counts at 100,000 of them.
    QString line(longest, Qt::Uninitialized);
    QChar* out = line.data();
    if (sortOrder == SortOrder::ByLastName) {
        out = decodeWindows1252(last, out);
        *out++ = u',';
        *out++ = u' ';
        out = decodeWindows1252(first, out);
        *out++ = u' ';
        out = writeMiddle(out, middle);
    } else {
        out = decodeWindows1252(first, out);
        *out++ = u' ';
        out = writeMiddle(out, middle);
        out = decodeWindows1252(last, out);
    }
    for (F f : columns) {
        *out++ = u'\t';
        out = decodeWindows1252(record.bytes(f), out);
    }
    *out++ = u'\t';
    out = writePhone(out, record.bytes(F::HomePhone));
    *out++ = u'\t';
    out = writePhone(out, record.bytes(F::CellPhone));
    *out++ = u'\t';
    out = decodeWindows1252(record.bytes(F::Email), out);
    Q_ASSERT(out - line.constData() <= longest);
    line.truncate(out - line.constData());
    return line;
}

QString listLine(const Contact& record, SortOrder sortOrder)
{
    return listLine(record.toRecord().constData(), sortOrder);
}

bool fieldMatches(QStringView field, SearchMode searchMode, const QString& searchText)
{
    const QStringView value = trimSpaces(field);
    if (value.isEmpty())
        return false;
    // ZIP codes are compared exactly; every other field ignores letter case.
    return value.contains(searchText, searchMode == SearchMode::Zip ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool matches(const Contact& record, SearchMode searchMode, const QString& searchText)
{
    const std::optional<RecordField> field = searchedField(searchMode);
    return !field || fieldMatches(record.field(*field), searchMode, searchText);
}

bool lineBefore(const QString& a, const QString& b)
{
    return listCollator().compare(a, b) < 0;
}

void sortLines(std::vector<ListLine>& lines)
{
    applyOrder(lines, collatedOrder(qsizetype(lines.size()), textOf(lines), listCollator()));
}

int sortedPosition(const QStringList& sortedTexts, const QString& text)
{
    const auto at = std::upper_bound(sortedTexts.begin(), sortedTexts.end(), text,
                                     [](const QString& t, const QString& line) { return lineBefore(t, line); });
    return static_cast<int>(at - sortedTexts.begin());
}

std::vector<ListLine> listRecords(const QVector<Contact>& records, const Search& search)
{
    std::vector<ListLine> lines;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (matches(records[i], search.mode, search.text))
            lines.push_back({listLine(records[i], search.sortOrder), static_cast<int>(i + 1)});
    }
    sortLines(lines);
    return lines;
}

QString searchDisplay(const Search& search, int found)
{
    const QString label = found > 0 ? searchOption(search.mode).fieldLabel : QString();
    return label + QStringLiteral(" = ") + search.text;
}

QString askSearchText(Platform& platform, SearchMode code)
{
    return platform.inputBox(QStringLiteral("Search For: "), searchOption(code).promptTitle, QString());
}

ListingResult getReport(Platform& platform, ContactSession& session, const Search& search)
{
    ListingResult result;
    try {
        // A line is made from the record's bytes; only the searched field is decoded apart.
        const std::optional<RecordField> searchedIn = searchedField(search.mode);
        QString searched; // keeps its storage from one record to the next
        SortKeys keys(listCollator());
        keys.reserve(session.file.recordCount());
        session.file.forEachRecord([&](int n, const char* bytes) {
            if (searchedIn) {
                RecordView(bytes).text(*searchedIn, searched);
                if (!fieldMatches(searched, search.mode, search.text))
                    return;
            }
            result.lines.push_back({listLine(bytes, search.sortOrder), n});
            keys.add(result.lines.back().text);
        });
        applyOrder(result.lines, keys.order(textOf(result.lines)));
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        result.outcome = showErrorMessage(platform, error) == MessageAnswer::Retry ? ListingResult::Retry
                                                                                    : ListingResult::Cancel;
        result.lines.clear();
        return result;
    }
    const int found = static_cast<int>(result.lines.size());
    result.searchDisplayVisible = search.mode != SearchMode::All;
    result.searchDisplay = searchDisplay(search, found);
    result.totalCaption = QStringLiteral("Contacts Found = ") + QString::number(found);
    if (found == 0) {
        result.outcome = ListingResult::NoneFound;
        platform.messageBox(QStringLiteral("No contacts found."), QStringLiteral("Contact file empty."),
                            MessageButtons::Ok, MessageIcon::None);
    }
    return result;
}

OpenedContact openListedContact(Platform& platform, ContactSession& session, int recordNumber,
                                const QString& shownLine)
{
    OpenedContact opened;
    try {
        opened.record = session.file.read(recordNumber);
        // Record numbers are positions: after another program removed or changed contacts,
        // the number may name someone else.
        const QByteArray bytes = opened.record.toRecord();
        if (shownLine != listLine(bytes.constData(), SortOrder::ByFirstName)
            && shownLine != listLine(bytes.constData(), SortOrder::ByLastName))
            throw AppError::refusal(
                63, QStringLiteral("Bad record number"),
                QStringLiteral("This contact has been changed or removed in the contact file since the list was "
                               "made, so it was not opened.\r\n\r\nPress Get report to list the contacts as "
                               "they are now."),
                QStringLiteral("Contact not found"));
        session.CurrentRecord = recordNumber;
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        opened.outcome = showErrorMessage(platform, error) == MessageAnswer::Retry ? OpenedContact::Retry
                                                                                  : OpenedContact::Cancel;
    }
    return opened;
}

QString clipboardText(const QStringList& texts, const std::vector<int>& selectedIndexes)
{
    QString text;
    for (int index : selectedIndexes) {
        if (index >= 0 && index < texts.size())
            text += QStringLiteral("\r\n") + texts.at(index);
    }
    return text;
}

QStringList pastedLines(const QString& clipboard)
{
    return clipboard.split(QStringLiteral("\r\n"));
}

} // namespace ContactList
