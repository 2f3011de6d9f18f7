#include "exchange/NamedLayouts.h"

#include "exchange/FieldCleanup.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>

using namespace FieldCleanup;

namespace {

// Google puts several values in one cell: "a@example.com ::: b@example.com".
QStringList multiValues(const QString& cell)
{
    QStringList values;
    for (const QString& part : cell.split(QStringLiteral(":::")))
        if (const QString v = part.trimmed(); !v.isEmpty())
            values << v;
    return values;
}

class NamedReader : public CsvLineReader {
public:
    bool readHeader(const CsvRecord& header) override
    {
        for (int i = 0; i < header.cells.size(); ++i) {
            const QString name = storableText(header.cells[i]).trimmed();
            if (!m_columns.contains(name))
                m_columns.insert(name, i);
        }
        return true;
    }

    std::optional<Contact> readLine(const CsvRecord& line) override
    {
        m_line = &line;
        Contact w;
        fill(w);
        applySaveRules(w);
        return w;
    }

protected:
    virtual void fill(Contact& w) = 0;

    bool has(const QString& column) const { return m_columns.contains(column); }
    // The cell as the file holds it; empty when the column or the cell is missing.
    QString raw(const QString& column) const
    {
        const int i = m_columns.value(column, -1);
        return i >= 0 && i < m_line->cells.size() ? m_line->cells[i] : QString();
    }
    QString value(const QString& column) const { return storableText(raw(column)).trimmed(); }

private:
    QHash<QString, int> m_columns;
    const CsvRecord* m_line = nullptr;
};

// Google Contacts, today's export and the older one: numbered e-mail, phone and address
// columns, each with its label ("Home", "Mobile", "* Work").
class GoogleReader : public NamedReader {
public:
    explicit GoogleReader(bool legacy) : m_legacy(legacy) {}

protected:
    void fill(Contact& w) override
    {
        const QString label = m_legacy ? QStringLiteral(" - Type") : QStringLiteral(" - Label");
        w.FirstName = value(m_legacy ? QStringLiteral("Given Name") : QStringLiteral("First Name"));
        w.MiddleInitial = value(m_legacy ? QStringLiteral("Additional Name") : QStringLiteral("Middle Name"));
        w.LastName = value(m_legacy ? QStringLiteral("Family Name") : QStringLiteral("Last Name"));
        w.Company = value(m_legacy ? QStringLiteral("Organization 1 - Name") : QStringLiteral("Organization Name"));
        w.Birthdate = birthdateFromText(value(QStringLiteral("Birthday")));
        w.Notes = value(QStringLiteral("Notes"));
        w.Category = categories(raw(m_legacy ? QStringLiteral("Group Membership") : QStringLiteral("Labels")));

        QStringList emails;
        for (int n = 1; has(numbered("E-mail", n, " - Value")); ++n)
            emails << multiValues(raw(numbered("E-mail", n, " - Value")));
        w.Email = firstValidEmail(emails);

        QString other;
        for (int n = 1; has(numbered("Phone", n, " - Value")); ++n) {
            const QString kind = value(numbered("Phone", n, label)).toLower();
            const QString number = multiValues(raw(numbered("Phone", n, " - Value"))).value(0);
            if (number.isEmpty())
                continue;
            QString* field = kind.contains(QLatin1String("mobile")) || kind.contains(QLatin1String("cell"))
                ? &w.CellPhone
                : kind.contains(QLatin1String("home"))                                                 ? &w.HomePhone
                : kind.contains(QLatin1String("work")) || kind.contains(QLatin1String("business")) ? &w.WorkPhone
                                                                                                      : &other;
            if (field->isEmpty())
                *field = number;
        }
        if (w.HomePhone.isEmpty())
            w.HomePhone = other;

        std::optional<Address> chosen;
        for (int n = 1; has(numbered("Address", n, " - City")) || has(numbered("Address", n, " - Street")); ++n) {
            const auto part = [&](const char* name) { return raw(numbered("Address", n, name)); };
            const Address a{part(" - Street"), part(" - Extended Address"), part(" - City"), part(" - Region"),
                            part(" - Postal Code"), part(" - Country")};
            if (a.isEmpty())
                continue;
            const bool home = value(numbered("Address", n, label)).contains(QLatin1String("Home"), Qt::CaseInsensitive);
            if (!chosen || home)
                chosen = a;
            if (home)
                break;
        }
        if (chosen)
            setAddress(w, *chosen);
    }

private:
    static QString numbered(const char* what, int n, const QString& suffix)
    {
        return QLatin1String(what) + u' ' + QString::number(n) + suffix;
    }
    static QString numbered(const char* what, int n, const char* suffix)
    {
        return numbered(what, n, QString::fromLatin1(suffix));
    }

    // "* myContacts ::: Friends ::: Golf" -> "Friends;Golf": the groups Google keeps itself are left out.
    static QString categories(const QString& cell)
    {
        QStringList groups;
        for (const QString& g : multiValues(cell))
            if (!g.startsWith(u'*') && !g.startsWith(QLatin1String("System Group:")))
                groups << storableText(g).trimmed();
        return groups.join(u';');
    }

    bool m_legacy;
};

// Outlook's export (the desktop program's and the web's), in whichever order its language puts the columns.
class OutlookReader : public NamedReader {
protected:
    void fill(Contact& w) override
    {
        w.FirstName = value(QStringLiteral("First Name"));
        w.MiddleInitial = value(QStringLiteral("Middle Name"));
        w.LastName = value(QStringLiteral("Last Name"));
        w.Company = value(QStringLiteral("Company"));
        w.HomePhone = value(QStringLiteral("Home Phone"));
        w.CellPhone = value(QStringLiteral("Mobile Phone"));
        w.WorkPhone = value(QStringLiteral("Business Phone"));
        w.Email = firstValidEmail({value(QStringLiteral("E-mail Address")), value(QStringLiteral("E-mail 2 Address")),
                                   value(QStringLiteral("E-mail 3 Address"))});
        w.Birthdate = birthdateFromText(value(QStringLiteral("Birthday")));
        w.Notes = value(QStringLiteral("Notes"));
        QStringList categories;
        for (const QString& c : value(QStringLiteral("Categories")).split(u';'))
            if (const QString t = c.trimmed(); !t.isEmpty())
                categories << t;
        w.Category = categories.join(u';');

        Address address = addressOf(QStringLiteral("Home"));
        if (address.isEmpty())
            address = addressOf(QStringLiteral("Business"));
        setAddress(w, address);
    }

private:
    Address addressOf(const QString& kind) const
    {
        QString street2 = raw(kind + QStringLiteral(" Street 2"));
        if (const QString third = raw(kind + QStringLiteral(" Street 3")); !third.trimmed().isEmpty())
            street2 += u' ' + third;
        QString country = raw(kind + QStringLiteral(" Country/Region"));
        if (country.isEmpty())
            country = raw(kind + QStringLiteral(" Country"));
        return {raw(kind + QStringLiteral(" Street")), street2, raw(kind + QStringLiteral(" City")),
                raw(kind + QStringLiteral(" State")), raw(kind + QStringLiteral(" Postal Code")), country};
    }
};

class ThunderbirdReader : public NamedReader {
protected:
    void fill(Contact& w) override
    {
        w.FirstName = value(QStringLiteral("First Name"));
        w.LastName = value(QStringLiteral("Last Name"));
        namesFromShownName(w, value(QStringLiteral("Display Name")));
        w.Email = firstValidEmail({value(QStringLiteral("Primary Email")), value(QStringLiteral("Secondary Email"))});
        w.HomePhone = value(QStringLiteral("Home Phone"));
        w.CellPhone = value(QStringLiteral("Mobile Number"));
        w.WorkPhone = value(QStringLiteral("Work Phone"));
        w.Company = value(QStringLiteral("Organization"));
        w.Notes = value(QStringLiteral("Notes"));
        w.Birthdate = birthdateFromParts(value(QStringLiteral("Birth Year")), value(QStringLiteral("Birth Month")),
                                         value(QStringLiteral("Birth Day")));

        Address address = addressOf(QStringLiteral("Home"));
        if (address.isEmpty())
            address = addressOf(QStringLiteral("Work"));
        setAddress(w, address);
    }

private:
    Address addressOf(const QString& kind) const
    {
        return {raw(kind + QStringLiteral(" Address")), raw(kind + QStringLiteral(" Address 2")),
                raw(kind + QStringLiteral(" City")),    raw(kind + QStringLiteral(" State")),
                raw(kind + QStringLiteral(" ZipCode")), raw(kind + QStringLiteral(" Country"))};
    }
};

// The address book's export as a text file: the user ticks the columns, which keep their order.
const char* const kOutlookExpressColumns[] = {
    "First Name",       "Last Name",           "Middle Name",          "Name",
    "Nickname",         "E-mail Address",      "Home Street",          "Home City",
    "Home Postal Code", "Home State",          "Home Country/Region",  "Home Phone",
    "Home Fax",         "Mobile Phone",        "Personal Web Page",    "Business Street",
    "Business City",    "Business Postal Code", "Business State",      "Business Country/Region",
    "Business Web Page", "Business Phone",     "Business Fax",         "Pager",
    "Company",          "Job Title",           "Department",           "Office Location",
    "Notes",
};

// Its columns are those of Outlook's export, less some, and with the name as shown.
class OutlookExpressReader : public OutlookReader {
protected:
    void fill(Contact& w) override
    {
        OutlookReader::fill(w);
        namesFromShownName(w, value(QStringLiteral("Name")));
    }
};

} // namespace

bool isOutlookExpressHeader(const QStringList& cells)
{
    QSet<QString> names;
    for (const QString& cell : cells) {
        const QString name = storableText(cell).trimmed();
        if (name.isEmpty())
            continue;
        if (std::find_if(std::begin(kOutlookExpressColumns), std::end(kOutlookExpressColumns),
                         [&](const char* column) { return name == QLatin1String(column); })
            == std::end(kOutlookExpressColumns))
            return false;
        names.insert(name);
    }
    return names.contains(QStringLiteral("E-mail Address"))
        && (names.contains(QStringLiteral("Name")) || names.contains(QStringLiteral("First Name"))
            || names.contains(QStringLiteral("Last Name")));
}

std::unique_ptr<CsvLineReader> makeNamedReader(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::GoogleContacts:
        return std::make_unique<GoogleReader>(false);
    case CsvLayout::GoogleLegacy:
        return std::make_unique<GoogleReader>(true);
    case CsvLayout::Outlook:
        return std::make_unique<OutlookReader>();
    case CsvLayout::Thunderbird:
        return std::make_unique<ThunderbirdReader>();
    case CsvLayout::OutlookExpress:
        return std::make_unique<OutlookExpressReader>();
    default:
        return nullptr;
    }
}
