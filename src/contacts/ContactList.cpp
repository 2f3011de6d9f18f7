#include "contacts/ContactList.h"

#include "contacts/FieldText.h"
#include "contacts/SortOrder.h"
#include "contacts/ErrorMessage.h"
#include "platform/Numbers.h"
#include "platform/Platform.h"

#include <QCollator>
#include <algorithm>

namespace ContactList {

namespace {

void appendMiddle(QString& line, const QString& middleInitial)
{
    if (middleInitial.isEmpty())
        return;
    const char16_t code = middleInitial.at(0).unicode();
    if (code >= u'A' && code <= u'Z') {
        line += middleInitial.at(0);
        line += QLatin1String(". ");
    }
}

void appendPhone(QString& line, const QString& phone)
{
    // A number written with its area code in parentheses reads as 0 and shows blank.
    if (leadingNumber(phone) >= 1)
        line += phone;
    else
        line += QString(22, u' ');
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

QString listLine(const Contact& record, int sortOrder)
{
    const QStringView first = trimSpacesView(record.FirstName);
    const QStringView last = trimSpacesView(record.LastName);
    // Built in place: one allocation a line counts when the file holds 100,000 of them.
    QString line;
    line.reserve(first.size() + last.size() + record.City.size() + record.State.size() + record.Zip.size()
                 + record.Email.size() + 2 * 22 + 16);
    if (sortOrder == ByLastName) {
        line += last;
        line += QLatin1String(", ");
        line += first;
        line += u' ';
        appendMiddle(line, record.MiddleInitial);
    } else {
        line += first;
        line += u' ';
        appendMiddle(line, record.MiddleInitial);
        line += last;
    }
    const QChar tab(u'\t');
    for (const QString* field : {&record.City, &record.State, &record.Zip}) {
        line += tab;
        line += *field;
    }
    line += tab;
    appendPhone(line, record.HomePhone);
    line += tab;
    appendPhone(line, record.CellPhone);
    line += tab;
    line += record.Email;
    return line;
}

bool matches(const Contact& record, int searchMode, const QString& searchText)
{
    const QString* field = searchedField(record, searchMode);
    if (!field)
        return true;
    const QStringView value = trimSpacesView(*field);
    if (value.isEmpty())
        return false;
    // ZIP codes are compared exactly; every other field ignores letter case.
    return value.contains(searchText, searchMode == Zip ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool lineBefore(const QString& a, const QString& b)
{
    return listCollator().compare(a, b) < 0;
}

void sortLines(std::vector<ListLine>& lines)
{
    const auto textAt = [&lines](qsizetype i) -> const QString& { return lines[std::size_t(i)].text; };
    applyOrder(lines, collatedOrder(qsizetype(lines.size()), textAt, listCollator()));
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
        // Only the fields a line shows and the searched one are decoded.
        static const int shown[] = {0, 1, 2, 5, 6, 7, 9, 10, 12};
        const int searchedIndex = searchedFieldIndex(search.mode);
        Contact record; // its fields keep their storage from one record to the next
        session.file.forEachRecord([&](int n, const char* bytes) {
            for (int i : shown)
                Contact::fieldFromRecord(bytes, i, record.field(i));
            if (searchedIndex >= 0)
                Contact::fieldFromRecord(bytes, searchedIndex, record.field(searchedIndex));
            if (matches(record, search.mode, search.text))
                result.lines.push_back({listLine(record, search.sortOrder), n});
        });
        sortLines(result.lines);
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

OpenedContact openListedContact(Platform& platform, ContactSession& session, int recordNumber)
{
    OpenedContact opened;
    try {
        session.file.close();
        session.file.open(session.txtFileNam);
        opened.record = session.file.read(recordNumber);
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
