#include "exchange/FieldCleanup.h"

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

} // namespace FieldCleanup
