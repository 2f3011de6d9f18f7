#include "exchange/FieldCleanup.h"

#include "exchange/CsvText.h"

#include <QRegularExpression>

namespace FieldCleanup {

bool formsNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= u'0' && t[i] <= u'9')
            digit = true;
        else if (t[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

bool containsDigit(const QString& text)
{
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            return true;
    return false;
}

QString checkedState(const QString& state)
{
    if (state.contains(u'#') || containsDigit(state) || state.size() > 2)
        return QString();
    return state;
}

QString checkedZip(const QString& zip)
{
    return formsNumber(zip.left(5)) ? zip : QString();
}

QString checkedCountry(const QString& country)
{
    if (country.contains(u'#') || containsDigit(country))
        return QString();
    return country;
}

QString windowCommas(QString Contact::*field, QString text)
{
    if (field == &Contact::Birthdate)
        return text;
    if (field == &Contact::Category || field == &Contact::Notes)
        return text.replace(u',', u' ');
    return text.remove(u',');
}

void applyWindowCommas(Contact& contact)
{
    for (int i = 0; i < Contact::FieldCount; ++i) {
        QString Contact::*member = Contact::fieldInfo(i).member;
        contact.*member = windowCommas(member, contact.*member);
    }
}

QString firstValidEmail(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        const QString e = candidate.trimmed();
        if (e.contains(u'@') && e.contains(u'.') && !e.contains(u' ') && !e.contains(u',') && e.size() <= 50)
            return e;
    }
    return QString();
}

QString cleanPhone(QString phone, int width)
{
    phone.remove(u'(');
    phone.replace(u')', u'-');
    phone.remove(u' ');
    phone.remove(u'+');
    phone = storableText(phone).trimmed();
    if (!formsNumber(phone.right(4)) || phone.size() > width)
        return QString();
    return phone;
}

void setAddress(Contact& w, const Address& a)
{
    QStringList lines;
    for (const QString& l : a.street.split(QRegularExpression(QStringLiteral("[\r\n]+"))))
        if (const QString t = storableText(l).trimmed(); !t.isEmpty())
            lines << t;
    if (const QString t = storableText(a.street2).trimmed(); !t.isEmpty())
        lines << t;
    w.Street1 = lines.value(0);
    w.Street2 = lines.mid(1).join(u' ');
    w.City = storableText(a.city).trimmed();
    w.State = storableText(a.state).trimmed();
    w.Zip = storableText(a.zip).trimmed();
    w.Country = storableText(a.country).trimmed();
}

void namesFromShownName(Contact& w, const QString& shown)
{
    if (!w.FirstName.isEmpty() || !w.LastName.isEmpty() || shown.contains(u'@'))
        return;
    QStringList words = shown.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > 1)
        w.LastName = words.takeLast();
    w.FirstName = words.join(u' ');
}

void applySaveRules(Contact& w)
{
    applyWindowCommas(w);
    w.MiddleInitial = w.MiddleInitial.left(1).toUpper();
    if (containsDigit(w.City))
        w.City.clear();
    w.State = checkedState(w.State.toUpper());
    w.Zip = checkedZip(w.Zip);
    w.Country = checkedCountry(w.Country.toUpper());
    w.HomePhone = cleanPhone(w.HomePhone, 15);
    w.CellPhone = cleanPhone(w.CellPhone, 15);
    w.WorkPhone = cleanPhone(w.WorkPhone, 13);
    w.IncludeCompany = w.Company.isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
}

void applyWindowSaveRules(Contact& w)
{
    applyWindowCommas(w);
    w.MiddleInitial.remove(u'.');
    w.MiddleInitial = w.MiddleInitial.left(1).toUpper();
    w.State = w.State.toUpper();
    if (w.State.size() != 2)
        w.State.clear();
    if (w.Zip.size() > 10)
        w.Zip.clear();
    w.Country = w.Country.toUpper();
    w.HomePhone = cleanPhone(w.HomePhone, 15);
    w.CellPhone = cleanPhone(w.CellPhone, 15);
    w.WorkPhone = cleanPhone(w.WorkPhone, 13);
}

} // namespace FieldCleanup
