#include "exchange/CsvLayouts.h"

#include "exchange/FieldCleanup.h"
#include "exchange/NamedLayouts.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <QDate>
#include <QRegularExpression>

using namespace FieldCleanup;

namespace {

QString cellAt(const QStringList& cells, int i)
{
    return i >= 0 && i < cells.size() ? cells[i] : QString();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(const QString& s, int from, int count)
{
    for (int i = from; i < from + count; ++i)
        if (i >= s.size() || !isDigit(s[i]))
            return false;
    return true;
}

// The e-mail columns of an Outlook-family header, whatever their order.
bool hasOutlookNames(const QStringList& cells)
{
    return cells.contains(QLatin1String("First Name")) && cells.contains(QLatin1String("Last Name"))
        && cells.contains(QLatin1String("E-mail Address"));
}

} // namespace

CsvLayout detectCsvLayout(const CsvRecord& firstRecord)
{
    const QString line = firstRecord.line();
    // Text with NUL characters is no CSV file.
    if (line.contains(QChar(0)))
        return CsvLayout::None;
    const bool webMail = line.contains(QLatin1String("Primary Phone")) && line.contains(QLatin1String("Web Page"));

    if (line.startsWith(QLatin1String("First Name,Middle Name,Last Name,Phonetic First Name")))
        return CsvLayout::GoogleContacts;
    if (line.startsWith(QLatin1String("Name,Given Name,Additional Name,Family Name")))
        return CsvLayout::GoogleLegacy;
    if (line.startsWith(QLatin1String("Title,First Name,Middle Name,Last Name")))
        return CsvLayout::Outlook;
    // The same names in another order: the web-mail export of today, whose e-mail column is
    // not where the older one had it.
    if (webMail && cellAt(firstRecord.cells, 14).trimmed() != QLatin1String("E-mail Address")
        && hasOutlookNames(line.split(u',')))
        return CsvLayout::Outlook;
    if (line.startsWith(QLatin1String("First Name,Last Name,Display Name,Nickname,Primary Email")))
        return CsvLayout::Thunderbird;
    if (isOutlookExpressHeader(firstRecord.cells))
        return CsvLayout::OutlookExpress;

    if (line.contains(QLatin1String("Yahoo! Phone")) || line.contains(QLatin1String("Yahoo Phone")))
        return CsvLayout::Yahoo;
    if (webMail)
        return CsvLayout::WebMail;
    if (line.contains(QLatin1String("Name,E-mail Address")))
        return CsvLayout::AddressBook;
    if (line.contains(QLatin1String("First Name,MI")) && line.contains(QLatin1String("Birthdate,Category,Notes")))
        return CsvLayout::OwnExport;
    if (line.contains(QLatin1String("Name,")) && !line.contains(QLatin1String("Suffix,Initials,Web Page,"))
        && !line.contains(QLatin1String("Distribution Lists"))
        && !line.contains(QLatin1String("Birthdate,Category,Notes")))
        return CsvLayout::Generic;
    return CsvLayout::None;
}

QString birthdateByRules(QString v, QChar s, bool rangeTest)
{
    // Month and day to two digits.
    if (v.size() == 8 && isDigit(v[0]) && v[1] == s && isDigit(v[2]) && v[3] == s && allDigits(v, 4, 4))
        v = QStringLiteral("0") + v[0] + s + u'0' + v[2] + s + v.mid(4);
    else if (v.size() == 9 && isDigit(v[0]) && v[1] == s && allDigits(v, 2, 2) && v[4] == s && allDigits(v, 5, 4))
        v = u'0' + v;
    else if (v.size() == 9 && allDigits(v, 0, 2) && v[2] == s && isDigit(v[3]) && v[4] == s && allDigits(v, 5, 4))
        v = v.left(3) + u'0' + v.mid(3);
    if (rangeTest && (leadingNumber(v.left(2)) > 12 || leadingNumber(v.mid(3, 2)) > 31))
        v.clear();
    if (!v.isEmpty())
        v = v.right(4) + v.left(2) + v.mid(3, 2);
    return v;
}

QString centuryTest(const QString& value)
{
    const bool century = value.startsWith(QLatin1String("19")) || value.startsWith(QLatin1String("20"));
    // What the rules make of a value in another form ("7/4/1976" read with "-") is no date.
    return century && value.size() == 8 && allDigits(value, 0, 8) ? value : QString();
}

QString birthdateFromParts(const QString& year, const QString& month, const QString& day)
{
    bool okY = false, okM = false, okD = false;
    const int y = year.trimmed().toInt(&okY);
    const int m = month.trimmed().toInt(&okM);
    const int d = day.trimmed().toInt(&okD);
    if (!okY || !okM || !okD || y < 1900 || y > 2099 || !QDate::isValid(y, m, d))
        return QString();
    return QStringLiteral("%1%2%3").arg(y, 4, 10, QChar(u'0')).arg(m, 2, 10, QChar(u'0')).arg(d, 2, 10, QChar(u'0'));
}

QString birthdateFromText(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression us(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QString t = text.trimmed();
    if (const QRegularExpressionMatch m = iso.match(t); m.hasMatch())
        return birthdateFromParts(m.captured(1), m.captured(2), m.captured(3));
    if (const QRegularExpressionMatch m = us.match(t); m.hasMatch())
        return birthdateFromParts(m.captured(3), m.captured(1), m.captured(2));
    return QString();
}

namespace {

// A column-map entry: the header cell at index must read name; the field takes the data cell
// at the same index. Index -1 is the last cell (of the header, and of the line).
struct MapEntry {
    int index;
    const char* name;
    QString Contact::*field;
};

const char* const kDomains[] = {".com", ".net", ".gov", ".org", ".edu", ".mil"};

// Ends the line after its e-mail domain; nullopt when it has none. A domain counts where it
// ends a cell that holds an "@", so "ann@mail.company.com" is not cut inside "company".
std::optional<QString> cutAfterDomain(const QString& line)
{
    qsizetype cut = -1;
    for (const char* domain : kDomains) {
        const QLatin1String d(domain);
        for (qsizetype p = line.indexOf(d); p >= 0; p = line.indexOf(d, p + 1)) {
            const qsizetype end = p + d.size();
            if (end < line.size() && line[end] != u',')
                continue;
            const qsizetype cellStart = line.lastIndexOf(u',', p) + 1;
            if (!line.mid(cellStart, end - cellStart).contains(u'@'))
                continue;
            cut = end;
            break;
        }
    }
    if (cut < 0)
        return std::nullopt;
    return line.left(cut);
}

// Keeps the text before its 21st comma.
QString cutBefore21stComma(const QString& line)
{
    int commas = 0;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (line[i] == u',' && ++commas == 21)
            return line.left(i);
    return line;
}

QString withoutQuotes(QString text)
{
    return text.remove(u'"');
}

// Last 4 characters a number, and for some layouts a "-" in it too; else empty.
QString checkedPhone(const QString& phone, bool needsDash)
{
    if (!formsNumber(phone.right(4)))
        return QString();
    if (needsDash && !phone.contains(u'-'))
        return QString();
    return phone;
}

// MM-DD-YYYY as the export writes it goes back character for character, whatever the
// windows let the user type; any other form by the rules and the century test.
QString ownExportBirthdate(const QString& value)
{
    if (value.size() == 10 && value[2] == u'-' && value[5] == u'-')
        return value.right(4) + value.left(2) + value.mid(3, 2);
    return centuryTest(birthdateByRules(value, u'-', false));
}

class PositionalReader : public CsvLineReader {
public:
    explicit PositionalReader(CsvLayout layout) : m_layout(layout) {}

    bool readHeader(const CsvRecord& record) override
    {
        QString header = record.line();
        switch (m_layout) {
        case CsvLayout::Yahoo:
        case CsvLayout::OwnExport:
            header = withoutQuotes(header);
            break;
        case CsvLayout::WebMail:
            header = cutBefore21stComma(header);
            break;
        case CsvLayout::AddressBook: {
            const qsizetype j = header.indexOf(QLatin1String("Name,E-mail Address")) + 1;
            const qsizetype k = header.indexOf(QLatin1String("First Name,")) + 1;
            const qsizetype count = (j - k) + (j + 18);
            if (k == 0 || count < 0)
                throw AppError(5, QStringLiteral("Invalid procedure call or argument"));
            header = header.mid(k - 1, count);
            break;
        }
        case CsvLayout::Generic: {
            header = withoutQuotes(header);
            struct Column {
                const char* name;
                int offset;
            };
            const Column columns[] = {{"E-mail Address,", 14}, {"Email Address,", 13}, {"E-mail,", 6}, {"Email,", 5}};
            qsizetype cut = 0;
            for (const Column& c : columns) {
                const qsizetype p = header.indexOf(QLatin1String(c.name));
                if (p >= 0)
                    cut = p + 1 + c.offset;
            }
            if (cut == 0)
                return false;
            header = header.left(cut - 1);
            break;
        }
        default:
            break;
        }
        m_header = header.split(u',');
        return true;
    }

    std::optional<Contact> readLine(const CsvRecord& record) override
    {
        std::optional<QString> prepared = prepareLine(record.line());
        if (!prepared)
            return std::nullopt;
        const QStringList cells = cellsOf(*prepared, record);
        for (const int i : emptySkipCells())
            if (cellAt(cells, i).isEmpty())
                return std::nullopt;

        Contact w; // every value starts empty on every line
        for (const MapEntry& entry : columnMap())
            apply(entry, cells, w);
        cleanUp(w);
        return w;
    }

private:
    std::optional<QString> prepareLine(QString line) const
    {
        switch (m_layout) {
        case CsvLayout::Yahoo:
            line = withoutQuotes(line);
            if (line.contains(QLatin1String("Yahoo! Phone")) || line.contains(QLatin1String("Yahoo Phone")))
                return std::nullopt;
            return line;
        case CsvLayout::WebMail:
            line = cutBefore21stComma(line);
            if (line.contains(QLatin1String("Primary Phone")) && line.contains(QLatin1String("Web Page")))
                return std::nullopt;
            return line;
        case CsvLayout::AddressBook:
            if (line.contains(QLatin1String("Name,E-mail Address")))
                return std::nullopt;
            return cutAfterDomain(line);
        case CsvLayout::OwnExport:
            line = withoutQuotes(line);
            if (line.contains(QLatin1String("Birthdate,Category,Notes")))
                return std::nullopt;
            return line;
        case CsvLayout::Generic:
            line = withoutQuotes(line);
            if (line.contains(QLatin1String("Name,")) || line.contains(QLatin1String("First,")))
                return std::nullopt;
            return cutAfterDomain(line);
        default:
            return std::nullopt;
        }
    }

    // The prepared line's cells. A cell the file quoted comes whole from the record, commas
    // kept for each field's own rule; the line's cuts end at cells, so its cells are the
    // record's first ones. The own export's cells are read as they are, quotes and all.
    QStringList cellsOf(const QString& prepared, const CsvRecord& record) const
    {
        QStringList cells = prepared.split(u',');
        const bool own = m_layout == CsvLayout::OwnExport;
        if (!record.quoted && !own)
            return cells;
        const bool dropsQuotes = m_layout == CsvLayout::Yahoo || m_layout == CsvLayout::Generic;
        for (qsizetype i = 0; i < cells.size() && i < record.cells.size(); ++i)
            cells[i] = dropsQuotes ? withoutQuotes(storableText(record.cells[i])) : storableText(record.cells[i]);
        return cells;
    }

    std::vector<int> emptySkipCells() const
    {
        switch (m_layout) {
        case CsvLayout::WebMail:
            return {2, 14};
        case CsvLayout::AddressBook:
        case CsvLayout::Generic:
            return {0, 1};
        default:
            return {};
        }
    }

    const std::vector<MapEntry>& columnMap() const
    {
        using C = Contact;
        static const std::vector<MapEntry> yahoo = {
            {0, "First", &C::FirstName},     {1, "Middle", &C::MiddleInitial},     {2, "Last", &C::LastName},
            {4, "Email", &C::Email},         {5, "Category", &C::Category},        {8, "Home", &C::HomePhone},
            {9, "Work", &C::WorkPhone},      {12, "Mobile", &C::CellPhone},        {21, "Company", &C::Company},
            {27, "Home Address", &C::Street1}, {28, "Home City", &C::City},        {29, "Home State", &C::State},
            {30, "Home ZIP", &C::Zip},       {31, "Home Country", &C::Country},    {32, "Birthday", &C::Birthdate},
        };
        static const std::vector<MapEntry> webMail = {
            {0, "First Name", &C::FirstName}, {1, "Middle Name", &C::MiddleInitial}, {2, "Last Name", &C::LastName},
            {8, "Birthday", &C::Birthdate},   {14, "E-mail Address", &C::Email},     {18, "Home Phone", &C::HomePhone},
            {20, "Mobile Phone", &C::CellPhone},
        };
        static const std::vector<MapEntry> addressBook = {
            {0, "First Name", &C::FirstName},  {1, "Last Name", &C::LastName},     {2, "Middle Name", &C::MiddleInitial},
            {2, "E-mail Address", &C::Email},  {3, "E-mail Address", &C::Email},   {-1, "E-mail Address", &C::Email},
        };
        static const std::vector<MapEntry> ownExport = {
            {0, "First Name", &C::FirstName}, {1, "MI", &C::MiddleInitial},         {2, "Last Name", &C::LastName},
            {3, "Street1", &C::Street1},      {4, "Street2", &C::Street2},          {5, "City", &C::City},
            {6, "State", &C::State},          {7, "Zip", &C::Zip},                  {8, "Country", &C::Country},
            {9, "Company", &C::Company},      {10, "Include Company in Address", &C::IncludeCompany},
            {11, "Home Phone", &C::HomePhone}, {12, "Cell Phone", &C::CellPhone},   {13, "Work Phone", &C::WorkPhone},
            {14, "Email", &C::Email},         {15, "Birthdate", &C::Birthdate},     {16, "Category", &C::Category},
            {17, "Notes", &C::Notes},
        };
        static const std::vector<MapEntry> generic = [] {
            std::vector<MapEntry> map;
            const auto add = [&map](std::initializer_list<int> indices, const char* name, QString C::*field) {
                for (const int i : indices)
                    map.push_back({i, name, field});
            };
            add({0, 1}, "First Name", &C::FirstName);
            add({0, 1}, "First", &C::FirstName);
            add({0, 1, 2}, "Last Name", &C::LastName);
            add({0, 1, 2}, "Last", &C::LastName);
            add({1}, "Middle Name", &C::MiddleInitial);
            add({2}, "Middle", &C::MiddleInitial);
            add({1, 2}, "MI", &C::MiddleInitial);
            add({1, 2}, "Middle Initial", &C::MiddleInitial);
            for (const char* name : {"E-mail Address", "E-mail", "Email Address", "Email"})
                add({2, 3, 4, 5, 6, 7}, name, &C::Email);
            return map;
        }();
        static const std::vector<MapEntry> none;
        switch (m_layout) {
        case CsvLayout::Yahoo:
            return yahoo;
        case CsvLayout::WebMail:
            return webMail;
        case CsvLayout::AddressBook:
            return addressBook;
        case CsvLayout::OwnExport:
            return ownExport;
        case CsvLayout::Generic:
            return generic;
        default:
            return none;
        }
    }

    void apply(const MapEntry& entry, const QStringList& cells, Contact& w) const
    {
        const bool last = entry.index < 0;
        const qsizetype headerIndex = last ? m_header.size() - 1 : entry.index;
        const qsizetype cellIndex = last ? cells.size() - 1 : entry.index;
        if (headerIndex < 0 || headerIndex >= m_header.size() || cellIndex < 0 || cellIndex >= cells.size())
            return;
        if (m_header[headerIndex] != QLatin1String(entry.name))
            return;
        const QString value = windowCommas(entry.field, cells[cellIndex]);
        w.*entry.field = entry.field == &Contact::MiddleInitial ? value.left(1) : value;
    }

    void cleanUp(Contact& w) const
    {
        switch (m_layout) {
        case CsvLayout::Yahoo:
            w.Birthdate = birthdateByRules(w.Birthdate, u'/', true);
            w.State = w.State.toUpper();
            w.HomePhone = checkedPhone(w.HomePhone, true);
            w.CellPhone = checkedPhone(w.CellPhone, true);
            w.WorkPhone = checkedPhone(w.WorkPhone, true);
            if (w.HomePhone.isEmpty() && !w.WorkPhone.isEmpty())
                w.HomePhone = w.WorkPhone;
            if (w.Street1.size() < 6)
                w.Street1.clear();
            if (containsDigit(w.City))
                w.City.clear();
            w.State = checkedState(w.State);
            w.Zip = checkedZip(w.Zip);
            w.Country = checkedCountry(w.Country);
            w.Birthdate = centuryTest(w.Birthdate);
            w.Street2.clear();
            w.Notes.clear();
            w.IncludeCompany = QStringLiteral("1");
            break;
        case CsvLayout::WebMail:
            w.Birthdate = birthdateByRules(w.Birthdate, u'/', true);
            for (QString* phone : {&w.HomePhone, &w.CellPhone}) {
                phone->remove(u'+');
                phone->remove(u'(');
                phone->remove(u')');
                *phone = checkedPhone(*phone, true);
            }
            w.Birthdate = centuryTest(w.Birthdate);
            for (QString* field : {&w.Category, &w.WorkPhone, &w.Street1, &w.City, &w.Street2, &w.Notes, &w.State,
                                   &w.Zip, &w.Country, &w.Company})
                field->clear();
            w.IncludeCompany = QStringLiteral("1");
            break;
        case CsvLayout::AddressBook:
        case CsvLayout::Generic: {
            const Contact kept = w;
            w = Contact();
            w.FirstName = kept.FirstName;
            w.LastName = kept.LastName;
            w.MiddleInitial = kept.MiddleInitial;
            w.Email = kept.Email;
            w.IncludeCompany = QStringLiteral("1");
            break;
        }
        case CsvLayout::OwnExport:
            // Every value the contact windows store comes back as it went out ("K1A 0B1",
            // "29 Palms", "555-CALL"); only the birth date changes its form.
            w.Birthdate = ownExportBirthdate(w.Birthdate);
            w.State = w.State.toUpper();
            break;
        default:
            break;
        }
    }

    CsvLayout m_layout;
    QStringList m_header;
};

} // namespace

std::unique_ptr<CsvLineReader> CsvLineReader::forLayout(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::None:
        return nullptr;
    case CsvLayout::GoogleContacts:
    case CsvLayout::GoogleLegacy:
    case CsvLayout::Outlook:
    case CsvLayout::Thunderbird:
    case CsvLayout::OutlookExpress:
        return makeNamedReader(layout);
    default:
        return std::make_unique<PositionalReader>(layout);
    }
}
