#include "contacts/ContactList.h"

#include "contacts/FieldText.h"
#include "contacts/SortOrder.h"
#include "contacts/ErrorMessage.h"
#include "contacts/Windows1252.h"
#include "platform/Numbers.h"
#include "platform/Platform.h"

#include <QCollator>
#include <algorithm>

namespace ContactList {

namespace {

QByteArrayView fieldBytes(const char* record, int i)
{
    return QByteArrayView(record + Contact::fieldOffset(i), Contact::FieldWidths[i]);
}

// A space byte is a space character in 1252, so trimming the bytes trims the text.
QByteArrayView trimSpaceBytes(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && bytes[begin] == ' ')
        ++begin;
    while (end > begin && bytes[end - 1] == ' ')
        --end;
    return bytes.sliced(begin, end - begin);
}

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

const QString* searchedField(const Contact& record, int mode)
{
    switch (mode) {
    case FirstName: return &record.FirstName;
    case LastName: return &record.LastName;
    case City: return &record.City;
    case State: return &record.State;
    case Zip: return &record.Zip;
    case Email: return &record.Email;
    case Category: return &record.Category;
    case Company: return &record.Company;
    default: return nullptr;
    }
}

// The searched field's place in the record; -1 when every record is listed.
int searchedFieldIndex(int mode)
{
    switch (mode) {
    case FirstName: return 0;
    case LastName: return 2;
    case City: return 5;
    case State: return 6;
    case Zip: return 7;
    case Email: return 12;
    case Category: return 14;
    case Company: return 16;
    default: return -1;
    }
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
        {FirstName, QStringLiteral("First name"), QStringLiteral("First name Search"), QStringLiteral("First name")},
        {LastName, QStringLiteral("Last name"), QStringLiteral("Last name Search"), QStringLiteral("Last name")},
        {City, QStringLiteral("City"), QStringLiteral("City Search"), QStringLiteral("City")},
        {State, QStringLiteral("State"), QStringLiteral("State Search"), QStringLiteral("State")},
        {Zip, QStringLiteral("Zip code"), QStringLiteral("Zip code Search"), QStringLiteral("Zip")},
        {Email, QStringLiteral("Email address"), QStringLiteral("Email address Search"), QStringLiteral("Email")},
        {Category, QStringLiteral("Category"), QStringLiteral("Category Search"), QStringLiteral("Category")},
        {All, QStringLiteral("View all contacts without searching"), QString(), QString()},
        {Company, QStringLiteral("Company name"), QStringLiteral("Company Search"), QStringLiteral("Company name")},
    };
    return options;
}

const SearchOption& searchOption(int code)
{
    const auto& options = searchOptions();
    const auto found = std::find_if(options.begin(), options.end(),
                                    [code](const SearchOption& o) { return o.code == code; });
    return found != options.end() ? *found : options.at(All);
}

QString heading()
{
    return QStringLiteral("Name") + QString(31, u' ') + QStringLiteral("City") + QString(15, u' ')
           + QStringLiteral("ST") + QString(5, u' ') + QStringLiteral("Zip") + QString(9, u' ')
           + QStringLiteral("Home") + QString(9, u' ') + QStringLiteral("Cell") + QString(19, u' ')
           + QStringLiteral("Email Address");
}

QString listLine(const char* record, int sortOrder)
{
    const QByteArrayView first = trimSpaceBytes(fieldBytes(record, 0));
    const QByteArrayView middle = fieldBytes(record, 1);
    const QByteArrayView last = trimSpaceBytes(fieldBytes(record, 2));
    const int columns[] = {5, 6, 7}; // City, State, Zip
    // ", " and " " or " " alone, then "M. "; six TABs; each phone shown at most 22 wide.
    qsizetype longest = first.size() + last.size() + 6 + 6 + 2 * BlankPhoneWidth;
    for (int i : columns)
        longest += fieldBytes(record, i).size();
    longest += fieldBytes(record, 12).size();
    // Decoded straight into the line: one allocation a line counts at 100,000 of them.
    QString line(longest, Qt::Uninitialized);
    QChar* out = line.data();
    if (sortOrder == ByLastName) {
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
    for (int i : columns) {
        *out++ = u'\t';
        out = decodeWindows1252(fieldBytes(record, i), out);
    }
    *out++ = u'\t';
    out = writePhone(out, fieldBytes(record, 9));
    *out++ = u'\t';
    out = writePhone(out, fieldBytes(record, 10));
    *out++ = u'\t';
    out = decodeWindows1252(fieldBytes(record, 12), out);
    Q_ASSERT(out - line.constData() <= longest);
    line.truncate(out - line.constData());
    return line;
}

QString listLine(const Contact& record, int sortOrder)
{
    return listLine(record.toRecord().constData(), sortOrder);
}

bool fieldMatches(QStringView field, int searchMode, const QString& searchText)
{
    const QStringView value = trimSpacesView(field);
    if (value.isEmpty())
        return false;
    // ZIP codes are compared exactly; every other field ignores letter case.
    return value.contains(searchText, searchMode == Zip ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool matches(const Contact& record, int searchMode, const QString& searchText)
{
    const QString* field = searchedField(record, searchMode);
    return !field || fieldMatches(*field, searchMode, searchText);
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

QString askSearchText(Platform& platform, int code)
{
    return platform.inputBox(QStringLiteral("Search For: "), searchOption(code).promptTitle, QString());
}

ListingResult getReport(Platform& platform, ContactSession& session, const Search& search)
{
    ListingResult result;
    try {
        // A line is made from the record's bytes; only the searched field is decoded apart.
        const int searchedIndex = searchedFieldIndex(search.mode);
        QString searched; // keeps its storage from one record to the next
        SortKeys keys(listCollator());
        keys.reserve(session.file.recordCount());
        session.file.forEachRecord([&](int n, const char* bytes) {
            if (searchedIndex >= 0) {
                Contact::fieldFromRecord(bytes, searchedIndex, searched);
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
    result.searchDisplayVisible = search.mode != All;
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
        if (shownLine != listLine(bytes.constData(), ByFirstName) && shownLine != listLine(bytes.constData(), ByLastName))
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
