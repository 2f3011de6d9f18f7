#include "exchange/VCardImport.h"

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

void setNames(Contact& w, const VCard& card, bool own)
{
    if (const VCardProperty* n = card.first("N")) {
        const QVector<QStringList> parts = n->components();
        w.LastName = joined(parts.value(0), QStringLiteral(" "));
        w.FirstName = joined(parts.value(1), QStringLiteral(" "));
        if (!w.FirstName.isEmpty() || !w.LastName.isEmpty()) {
            // Our own cards hold the initial as it was stored, whatever the character.
            const QString additional = joined(parts.value(2), QStringLiteral(" "));
            const auto letter = std::find_if(additional.begin(), additional.end(),
                                             [&](QChar c) { return c.isLetter() || (own && c != u' '); });
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

void setAddress(Contact& w, const VCard& card, bool own)
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
    if (own) {
        // Street 2 is the street's second line, also below an empty first one.
        const QStringList lines = parts.value(2).join(u'\n').split(u'\n');
        w.Street1 = clean(lines.value(0));
        w.Street2 = joined(lines.mid(1), QStringLiteral(" "));
    }
}

void setPhones(Contact& w, const VCard& card, bool own)
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
        if (field->isEmpty() && (own || !cleanPhone(number, field == &w.WorkPhone ? 13 : 15).isEmpty()))
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

} // namespace

bool isOwnCard(const VCard& card)
{
    const VCardProperty* product = card.first("PRODID");
    return product && product->text().contains(QString::fromLatin1(kOwnProduct));
}

Contact contactFromVCard(const VCard& card)
{
    const bool own = isOwnCard(card);
    Contact w;
    setNames(w, card, own);
    setAddress(w, card, own);
    setPhones(w, card, own);

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
    if (const VCardProperty* stored = own ? card.first(kBirthdateProperty) : nullptr)
        w.Birthdate = clean(stored->text());
    else if (const VCardProperty* bday = card.first("BDAY"))
        notes << birthdateNote(w, *bday);
    for (const VCardProperty* note : card.all("NOTE"))
        notes << note->text();
    w.Notes = joined(notes, QStringLiteral(" "));

    const VCardProperty* include = card.first(kIncludeCompanyProperty);
    if (own) {
        // As the own CSV export comes back: every value the windows store, as it went out.
        applyWindowCommas(w);
        w.State = w.State.toUpper();
        w.IncludeCompany = include && include->text().trimmed() == QLatin1String("1") ? QStringLiteral("1")
                                                                                      : QStringLiteral("0");
        return w;
    }
    applySaveRules(w);
    w.IncludeCompany = QStringLiteral("0");
    return w;
}
