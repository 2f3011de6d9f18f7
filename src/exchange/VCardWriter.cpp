#include "exchange/VCardWriter.h"

#include "contacts/FieldText.h"
#include "exchange/CsvLayouts.h"
#include "exchange/VCardImport.h"

#include <QDate>
#include <QStringList>

namespace {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u',' || c == u';')
            out += u'\\' + QString(c);
        else if (c == u'\r' || c == u'\n') {
            out += QStringLiteral("\\n");
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else
            out += c;
    }
    return out;
}

QString joinedEscaped(const QStringList& parts, QChar separator)
{
    QStringList out;
    for (const QString& part : parts)
        out << escaped(part);
    return out.join(separator);
}

// The line in UTF-8, cut into pieces of at most 75 bytes, never inside a character; each
// piece after the first starts with the space that folds it.
void appendFolded(QByteArray& card, const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype at = 0;
    qsizetype room = 75;
    while (bytes.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        card += bytes.mid(at, cut - at) + "\r\n ";
        at = cut;
        room = 74;
    }
    card += bytes.mid(at) + "\r\n";
}

} // namespace

QByteArray vCardOf(const Contact& contact, VCardVersion version)
{
    const bool v4 = version == VCardVersion::V4;
    const auto field = [&](RecordField f) { return trimSpaces(contact.field(f)); };
    const auto type = [&](const char* name) { return v4 ? QString::fromLatin1(name) : QString::fromLatin1(name).toUpper(); };
    QByteArray card;
    const auto line = [&](const QString& name, const QString& value) { appendFolded(card, name + u':' + value); };

    line(QStringLiteral("BEGIN"), QStringLiteral("VCARD"));
    line(QStringLiteral("VERSION"), v4 ? QStringLiteral("4.0") : QStringLiteral("3.0"));
    line(QStringLiteral("PRODID"), QString::fromLatin1(kOwnProduct));
    const QString first = field(RecordField::FirstName);
    const QString initial = field(RecordField::MiddleInitial);
    const QString last = field(RecordField::LastName);
    const QString company = field(RecordField::Company);
    QString shown = QStringList{first, initial, last}.join(u' ').simplified();
    const bool companyAlone = shown.isEmpty() && !company.isEmpty();
    if (shown.isEmpty())
        shown = companyAlone ? company : field(RecordField::Email);
    line(QStringLiteral("FN"), escaped(shown));
    line(QStringLiteral("N"), joinedEscaped({last, first, initial, QString(), QString()}, u';'));
    if (companyAlone)
        line(v4 ? QStringLiteral("KIND") : QStringLiteral("X-ABShowAs"), v4 ? QStringLiteral("org") : QStringLiteral("COMPANY"));
    if (!company.isEmpty())
        line(QStringLiteral("ORG"), escaped(company));
    line(QString::fromLatin1(kIncludeCompanyProperty), field(RecordField::IncludeCompany) == QLatin1String("1")
                                                           ? QStringLiteral("1") : QStringLiteral("0"));

    QString street = field(RecordField::Street1);
    if (const QString second = field(RecordField::Street2); !second.isEmpty())
        street += u'\n' + second;
    const QStringList address{QString(), QString(), street, field(RecordField::City), field(RecordField::State),
                              field(RecordField::Zip), field(RecordField::Country)};
    if (!address.join(QString()).isEmpty())
        line(QStringLiteral("ADR;TYPE=") + type("home"), joinedEscaped(address, u';'));
    const std::pair<RecordField, const char*> phones[] = {
        {RecordField::HomePhone, "home"}, {RecordField::CellPhone, "cell"}, {RecordField::WorkPhone, "work"}};
    for (const auto& [phone, kind] : phones)
        if (const QString number = field(phone); !number.isEmpty())
            line(QStringLiteral("TEL;TYPE=") + type(kind), escaped(number));
    if (const QString email = field(RecordField::Email); !email.isEmpty())
        line(v4 ? QStringLiteral("EMAIL") : QStringLiteral("EMAIL;TYPE=INTERNET"), escaped(email));
    const QString stored = field(RecordField::Birthdate);
    const QDate birthday = QDate::fromString(stored, QStringLiteral("yyyyMMdd"));
    if (birthday.isValid())
        line(QStringLiteral("BDAY"), birthday.toString(v4 ? QStringLiteral("yyyyMMdd") : QStringLiteral("yyyy-MM-dd")));
    if (!stored.isEmpty() && birthdateFromText(birthday.toString(Qt::ISODate)) != stored)
        line(QString::fromLatin1(kBirthdateProperty), escaped(stored));
    if (const QString category = field(RecordField::Category); !category.isEmpty())
        line(QStringLiteral("CATEGORIES"), joinedEscaped(category.split(u';'), u','));
    if (const QString note = field(RecordField::Notes); !note.isEmpty())
        line(QStringLiteral("NOTE"), escaped(note));
    line(QStringLiteral("END"), QStringLiteral("VCARD"));
    return card;
}
