#include "exchange/VCardImport.h"

#include "contacts/FieldText.h"
#include "exchange/ComposerParse.h"
#include "exchange/CsvLayouts.h"
#include "exchange/CsvText.h"
#include "exchange/FieldCleanup.h"
#include "exchange/VCardReader.h"
#include "platform/AppError.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

using namespace FieldCleanup;

namespace {

QString clean(const QString& text)
{
    return storableText(text).trimmed();
}

QString joined(const QStringList& values, const QString& separator)
{
    QStringList kept;
    for (const QString& v : values)
        if (const QString t = clean(v); !t.isEmpty())
            kept << t;
    return kept.join(separator);
}

// PREF=1 first, then the higher numbers, then the rest, each in file order.
QVector<const VCardProperty*> byPreference(QVector<const VCardProperty*> properties)
{
    const auto rank = [](const VCardProperty* p) { return p->pref > 0 ? p->pref : 1000; };
    std::stable_sort(properties.begin(), properties.end(),
                     [&](const VCardProperty* a, const VCardProperty* b) { return rank(a) < rank(b); });
    return properties;
}

// The property's types, and the label a grouped property has in a property of its own
// (item1.X-ABLabel:_$!<Mobile>!$_, as Apple writes it).
QStringList typesOf(const VCard& card, const VCardProperty& p)
{
    QStringList types = p.types;
    if (p.group.isEmpty())
        return types;
    for (const VCardProperty* label : card.all("X-ABLABEL"))
        if (label->group.compare(p.group, Qt::CaseInsensitive) == 0)
            types << label->text().remove(QStringLiteral("_$!<")).remove(QStringLiteral(">!$_")).trimmed().toLower();
    return types;
}

bool hasAny(const QStringList& types, std::initializer_list<const char*> wanted)
{
    return std::any_of(wanted.begin(), wanted.end(), [&](const char* t) { return types.contains(QLatin1String(t)); });
}

void setNames(Contact& w, const VCard& card)
{
    if (const VCardProperty* n = card.first("N")) {
        const QVector<QStringList> parts = n->components();
        w.LastName = joined(parts.value(0), QStringLiteral(" "));
        w.FirstName = joined(parts.value(1), QStringLiteral(" "));
        if (!w.FirstName.isEmpty() || !w.LastName.isEmpty()) {
            const QString additional = joined(parts.value(2), QStringLiteral(" "));
            const auto letter = std::find_if(additional.begin(), additional.end(), [](QChar c) { return c.isLetter(); });
            if (letter != additional.end())
                w.MiddleInitial = *letter;
            return;
        }
    }
    // A company's card (as an export writes one for a record without names) names no person.
    const VCardProperty* kind = card.first("KIND");
    const VCardProperty* showAs = card.first("X-ABSHOWAS");
    if ((kind && kind->text().trimmed().compare(QLatin1String("org"), Qt::CaseInsensitive) == 0)
        || (showAs && showAs->text().trimmed().compare(QLatin1String("company"), Qt::CaseInsensitive) == 0))
        return;
    const VCardProperty* fn = card.first("FN");
    const QString shown = fn ? clean(fn->text()) : QString();
    if (shown.contains(u' ') && !shown.contains(u'@')) {
        try {
            const NameLine name = parseNameLine(shown);
            w.FirstName = name.first;
            w.MiddleInitial = name.initial.value_or(QString());
            w.LastName = name.last;
            return;
        } catch (const AppError&) {
            // A first word too long for the composer's cut: split as an address book's shown name.
        }
    }
    namesFromShownName(w, shown);
}

void setAddress(Contact& w, const VCard& card)
{
    const QVector<const VCardProperty*> addresses = card.all("ADR");
    if (addresses.isEmpty())
        return;
    const auto home = std::find_if(addresses.begin(), addresses.end(),
                                   [&](const VCardProperty* p) { return typesOf(card, *p).contains(u"home"); });
    const QVector<QStringList> parts = (home != addresses.end() ? *home : addresses.front())->components();
    QString street = parts.value(2).join(u'\n');
    if (const QString box = joined(parts.value(0), QStringLiteral(" ")); !box.isEmpty())
        street += u'\n' + (box.startsWith(u'P', Qt::CaseInsensitive) ? box : QStringLiteral("PO Box ") + box);
    FieldCleanup::setAddress(w, {street, parts.value(1).join(u' '), parts.value(3).join(u' '), parts.value(4).join(u' '),
                                 parts.value(5).join(u' '), parts.value(6).join(u' ')});
}

void setPhones(Contact& w, const VCard& card)
{
    QString other;
    for (const VCardProperty* tel : byPreference(card.all("TEL"))) {
        const QStringList types = typesOf(card, *tel);
        if (hasAny(types, {"fax", "pager"}))
            continue;
        QString number = clean(tel->valueType == QLatin1String("uri") ? tel->value : tel->text());
        if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4).section(u';', 0, 0); // without ";ext=..."
        QString* field = hasAny(types, {"cell", "mobile", "iphone"}) ? &w.CellPhone
            : hasAny(types, {"work"})                                ? &w.WorkPhone
            : hasAny(types, {"home"})                                ? &w.HomePhone
                                                                     : &other;
        // The first number the save rules keep, so one cut short gives way to the next.
        if (field->isEmpty() && !cleanPhone(number, field == &w.WorkPhone ? 13 : 15).isEmpty())
            *field = number;
    }
    if (w.HomePhone.isEmpty())
        w.HomePhone = other;
}

// The stored date, or the sentence the notes begin with when it cannot be stored.
QString birthdateNote(Contact& w, const VCardProperty& bday)
{
    const QString text = clean(bday.text());
    if (text.isEmpty())
        return QString();
    static const QRegularExpression full(QStringLiteral("^(\\d{4})(?:(\\d{2})(\\d{2})|-(\\d{1,2})-(\\d{1,2}))$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString date = bday.valueType == QLatin1String("text") ? QString() : text.section(u'T', 0, 0);
    QString year, month, day;
    if (const QRegularExpressionMatch m = full.match(date); m.hasMatch()) {
        year = m.captured(1);
        month = m.captured(2).isEmpty() ? m.captured(4) : m.captured(2);
        day = m.captured(3).isEmpty() ? m.captured(5) : m.captured(3);
        if (year == bday.omitYear)
            year.clear();
    } else if (const QRegularExpressionMatch m = noYear.match(date); m.hasMatch()) {
        month = m.captured(1);
        day = m.captured(2);
    }
    if (year.isEmpty() && QDate::isValid(2000, month.toInt(), day.toInt()))
        return QStringLiteral("Birthday %1/%2 (no year).")
            .arg(month.toInt(), 2, 10, QChar(u'0'))
            .arg(day.toInt(), 2, 10, QChar(u'0'));
    w.Birthdate = birthdateFromParts(year, month, day);
    return w.Birthdate.isEmpty() ? QStringLiteral("Birthday ") + text + u'.' : QString();
}

// Our own card: each field where vCardOf put it, as it went out (the own CSV layout's way).
Contact ownContact(const VCard& card)
{
    const auto kept = [](const QString& text) { return trimSpaces(storableText(text)); };
    const auto parts = [&](const char* name) {
        const VCardProperty* p = card.first(name);
        return p ? p->components() : QVector<QStringList>();
    };
    const auto part = [&](const QVector<QStringList>& of, int i) { return kept(of.value(i).join(u',')); };
    const auto text = [&](const char* name) {
        const VCardProperty* p = card.first(name);
        return p ? kept(p->text()) : QString();
    };
    Contact w;
    const QVector<QStringList> n = parts("N");
    w.LastName = part(n, 0);
    w.FirstName = part(n, 1);
    w.MiddleInitial = part(n, 2);
    const QVector<QStringList> address = parts("ADR");
    const QStringList street = address.value(2).join(u',').split(u'\n');
    w.Street1 = kept(street.value(0));
    w.Street2 = kept(street.mid(1).join(u' '));
    w.City = part(address, 3);
    w.State = part(address, 4).toUpper();
    w.Zip = part(address, 5);
    w.Country = part(address, 6);
    for (const VCardProperty* tel : card.all("TEL")) {
        QString* field = tel->hasType("home") ? &w.HomePhone
            : tel->hasType("cell")            ? &w.CellPhone
            : tel->hasType("work")            ? &w.WorkPhone
                                              : nullptr;
        if (field && field->isEmpty())
            *field = kept(tel->text());
    }
    w.Email = text("EMAIL");
    w.Company = part(parts("ORG"), 0);
    QStringList categories;
    for (const QStringList& values : parts("CATEGORIES"))
        categories << values;
    w.Category = kept(categories.join(u';'));
    w.Notes = text("NOTE");
    w.Birthdate = card.first(kBirthdateProperty) ? text(kBirthdateProperty) : text("BDAY").remove(u'-');
    w.IncludeCompany = text(kIncludeCompanyProperty) == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    applyWindowCommas(w);
    return w;
}

} // namespace

bool isOwnCard(const VCard& card)
{
    const VCardProperty* product = card.first("PRODID");
    return product && product->text().contains(QString::fromLatin1(kOwnProduct));
}

Contact contactFromVCard(const VCard& card)
{
    if (isOwnCard(card))
        return ownContact(card);
    Contact w;
    setNames(w, card);
    setAddress(w, card);
    setPhones(w, card);

    QStringList emails;
    for (const VCardProperty* email : byPreference(card.all("EMAIL")))
        emails << clean(email->text());
    w.Email = firstValidEmail(emails);
    if (const VCardProperty* org = card.first("ORG"))
        w.Company = joined(org->components().value(0), QStringLiteral(", "));

    QStringList categories;
    for (const VCardProperty* p : card.all("CATEGORIES"))
        for (const QStringList& part : p->components())
            for (const QString& category : part)
                if (!clean(category).isEmpty())
                    categories << storableText(category);
    w.Category = categories.join(u';').trimmed();

    QStringList notes;
    if (const VCardProperty* bday = card.first("BDAY"))
        notes << birthdateNote(w, *bday);
    for (const VCardProperty* note : card.all("NOTE"))
        notes << note->text();
    w.Notes = joined(notes, QStringLiteral(" "));

    applyWindowSaveRules(w);
    w.IncludeCompany = QStringLiteral("0");
    return w;
}
