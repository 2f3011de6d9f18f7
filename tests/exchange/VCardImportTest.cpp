#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "contacts/Windows1252.h"
#include "exchange/CsvImport.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

using namespace exchange_testing;

namespace {

QByteArray crlf(const char* text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

struct Imported {
    ImportResult result;
    std::vector<std::string> records; // after the one on file before
    QStringList titles;
};

// Into a contact file that holds Zed Onfile, zed@example.com.
Imported importInto(const QByteArray& bytes, ImportFormat format = ImportFormat::ByContent)
{
    QTemporaryDir dir;
    FakePlatform fake;
    fake.folder = dir.path();
    const QString path = QDir(dir.path()).filePath(QStringLiteral("cards.vcf"));
    writeBytes(path, bytes);
    ContactFile file;
    file.open(QDir(dir.path()).filePath(QStringLiteral("c.DAT")));
    Contact zed;
    zed.FirstName = QStringLiteral("Zed");
    zed.LastName = QStringLiteral("Onfile");
    zed.Email = QStringLiteral("zed@example.com");
    file.write(1, zed);
    Imported out;
    out.result = importContacts(fake, file, {path, true, format});
    for (Contact c : file.readAll().mid(1)) {
        EXPECT_EQ(c.BirthdayReminder, "1");
        c.BirthdayReminder.clear();
        out.records.push_back(describe(c).toStdString());
    }
    for (const RecordedMessage& m : fake.messages)
        out.titles << m.title;
    return out;
}

struct CardsRow {
    const char* writer;
    QByteArray bytes;
    std::vector<std::string> records;
    int changed = 0; // contacts written with '?'
};

} // namespace

TEST(VCardImportTest, CardsAsPhoneAndMailProgramsWriteThemBecomeRecordsByTheImportsRules)
{
    const CardsRow rows[] = {
        {"RFC 6350 example, 4.0: tel URIs, PREF, quoted TYPE, --MMDD", crlf(R"(BEGIN:VCARD
VERSION:4.0
FN:Simon Perreault
N:Perreault;Simon;;;ing. jr,M.Sc.
BDAY:--0203
ORG;TYPE=work:Viagenie
ADR;TYPE=work:;Suite D2-630;2875 Laurier;Quebec;QC;G1V 2M2;Canada
TEL;VALUE=uri;TYPE="work,voice";PREF=1:tel:+1-418-656-9254;ext=102
TEL;VALUE=uri;TYPE="work,cell,voice,video,text":tel:+1-418-262-6501
EMAIL;TYPE=work:simon.perreault@viagenie.ca
END:VCARD
)"),
         {"FirstName=Simon LastName=Perreault Street1=2875 Laurier Street2=Suite D2-630 City=Quebec State=QC Zip=G1V 2M2 "
          "Country=CANADA CellPhone=1-418-262-6501 Email=simon.perreault@viagenie.ca "
          "Notes=Birthday 02/03 (no year). Company=Viagenie IncludeCompany=0"}},
        {"RFC 2426 examples, 3.0: two cards, folded lines, FN only, TYPE=INTERNET,PREF", crlf(R"(BEGIN:vCard
VERSION:3.0
FN:Frank Dawson
ORG:Lotus Development Corporation
ADR;TYPE=WORK,POSTAL,PARCEL:;;6544 Battleford Drive
 ;Raleigh;NC;27613-3502;U.S.A.
TEL;TYPE=VOICE,MSG,WORK:+1-919-676-9515
TEL;TYPE=FAX,WORK:+1-919-676-9564
EMAIL;TYPE=INTERNET,PREF:Frank_Dawson@Lotus.com
EMAIL;TYPE=INTERNET:fdawson@earthlink.net
END:vCard
BEGIN:vCard
VERSION:3.0
FN:Tim Howes
ORG:Netscape Communications Corp.
ADR;TYPE=WORK:;;501 E. Middlefield Rd.;Mountain View;
 CA; 94043;U.S.A.
TEL;TYPE=VOICE,MSG,WORK:415-937-3419
EMAIL;TYPE=INTERNET:howes@netscape.com
END:vCard
)"),
         {"FirstName=Frank LastName=Dawson Street1=6544 Battleford Drive City=Raleigh State=NC Zip=27613-3502 "
          "Country=U.S.A. Email=Frank_Dawson@Lotus.com Company=Lotus Development Corporation IncludeCompany=0",
          "FirstName=Tim LastName=Howes Street1=501 E. Middlefield Rd. City=Mountain View State=CA Zip=94043 "
          "Country=U.S.A. WorkPhone=415-937-3419 Email=howes@netscape.com Company=Netscape Communications Corp. "
          "IncludeCompany=0"}},
        {"Phone export, 2.1: quoted-printable UTF-8, soft line breaks, bare types, an AGENT card", crlf(R"(BEGIN:VCARD
VERSION:2.1
AGENT:
BEGIN:VCARD
VERSION:2.1
N:Assistant;Anna
END:VCARD
N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;K.;;
TEL;CELL:+49 170 1234567
TEL;HOME;VOICE:030 1234567
TEL;WORK;FAX:030 7654321
EMAIL;HOME:juergen@example.de
ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 5=0D=0AHinterhaus;Berlin;;10115;Deutschland
NOTE;ENCODING=QUOTED-PRINTABLE:Erste Zeile=0D=0A=
Zweite Zeile
BDAY:19800113
END:VCARD
)"),
         {"FirstName=J\u00fcrgen MiddleInitial=K LastName=M\u00fcller Street1=Hauptstra\u00dfe 5 Street2=Hinterhaus "
          "City=Berlin Zip=10115 Country=DEUTSCHLAND HomePhone=0301234567 CellPhone=491701234567 "
          "Email=juergen@example.de Birthdate=19800113 Notes=Erste Zeile Zweite Zeile IncludeCompany=0"}},
        {"Mail program, 2.1: CHARSET=Windows-1252 bytes, a soft break before a line that looks like a property",
         toWindows1252(QString::fromUtf8(crlf(R"(BEGIN:VCARD
VERSION:2.1
N;LANGUAGE=de;CHARSET=Windows-1252:Gaßner;Renée
FN;CHARSET=Windows-1252:Renée Gaßner
NOTE;ENCODING=QUOTED-PRINTABLE:Call after 5=0D=0A=
ORG: not the company
ORG:Contoso Ltd.
TEL;WORK;VOICE:(425) 555-0100
TEL;CELL;VOICE:(425) 555-0199
ADR;WORK;PREF:;;One Microsoft Way;Redmond;WA;98052;United States
EMAIL;PREF;INTERNET:renee@contoso.example
BDAY:1975-07-04
END:VCARD
)"))),
         {"FirstName=Ren\u00e9e LastName=Ga\u00dfner Street1=One Microsoft Way City=Redmond State=WA Zip=98052 "
          "Country=UNITED STATES CellPhone=425-555-0199 WorkPhone=425-555-0100 Email=renee@contoso.example "
          "Birthdate=19750704 Notes=Call after 5 ORG: not the company Company=Contoso Ltd. IncludeCompany=0"}},
        {"Phone address book, 3.0 with LF: type=a;type=b, type=pref, item groups and their labels, omitted year",
         QByteArray(R"(BEGIN:VCARD
VERSION:3.0
PRODID:-//Apple Inc.//iPhone OS 17.0//EN
N:Appleseed;John;Quincy;Mr.;
FN:Mr. John Quincy Appleseed
ORG:Example Corp.;
EMAIL;type=INTERNET;type=WORK:jappleseed@example.com
EMAIL;type=INTERNET;type=HOME;type=pref:john@example.com
TEL;type=IPHONE;type=CELL;type=VOICE:(408) 555-0102
TEL;type=CELL;type=VOICE;type=pref:(408) 555-0101
TEL;type=HOME;type=VOICE:(408) 555-0103
item1.TEL:(408) 555-0104
item1.X-ABLabel:_$!<Work>!$_
item2.ADR;type=HOME;type=pref:;;1 Infinite Loop\nBuilding 3;Cupertino;CA;95014;United States
item2.X-ABADR:us
BDAY;X-APPLE-OMIT-YEAR=1604:1604-03-15
CATEGORIES:Friends,Golf
NOTE:Likes hiking\, biking and golf.
END:VCARD
)"),
         {"FirstName=John MiddleInitial=Q LastName=Appleseed Street1=1 Infinite Loop Street2=Building 3 "
          "City=Cupertino State=CA Zip=95014 Country=UNITED STATES HomePhone=408-555-0103 CellPhone=408-555-0101 "
          "WorkPhone=408-555-0104 Email=john@example.com Category=Friends;Golf "
          "Notes=Birthday 03/15 (no year). Likes hiking  biking and golf. Company=Example Corp. IncludeCompany=0"}},
        {"Web mail, 3.0 with a UTF-8 byte-order mark, then each spelling of TYPE for a cell phone",
         QByteArray("\xEF\xBB\xBF") + QByteArray(R"(BEGIN:VCARD
VERSION:3.0
FN:Ana María López
N:López;Ana María;;;
EMAIL;TYPE=INTERNET;TYPE=HOME:ana@example.com
TEL;TYPE=CELL:+34 600 123 456
ADR;TYPE=HOME:;;Calle Mayor 1;Madrid;;28013;España
item1.ORG:Biblioteca
BDAY:1990-12-31
CATEGORIES:Book Club
END:VCARD
BEGIN:VCARD
VERSION:4.0
FN:Bo Cell
TEL;TYPE=HOME,CELL:555-0001
END:VCARD
BEGIN:VCARD
VERSION:3.0
N:Cell;Cy;;;
TEL;type=home;type=cell:555-0002
END:VCARD
BEGIN:VCARD
VERSION:2.1
N:Cell;Di
TEL;HOME;CELL:555-0003
END:VCARD
BEGIN:VCARD
VERSION:4.0
FN:Ed Cell
TEL;TYPE="home,cell":555-0004
BDAY:--0113
END:VCARD
)"),
         {"FirstName=Ana Mar\u00eda LastName=L\u00f3pez Street1=Calle Mayor 1 City=Madrid Zip=28013 "
          "Country=ESPA\u00d1A CellPhone=34600123456 Email=ana@example.com Birthdate=19901231 Category=Book Club "
          "Company=Biblioteca IncludeCompany=0",
          "FirstName=Bo LastName=Cell CellPhone=555-0001 IncludeCompany=0",
          "FirstName=Cy LastName=Cell CellPhone=555-0002 IncludeCompany=0",
          "FirstName=Di LastName=Cell CellPhone=555-0003 IncludeCompany=0",
          "FirstName=Ed LastName=Cell CellPhone=555-0004 Notes=Birthday 01/13 (no year). IncludeCompany=0"}},
        {"Edge cases: one-word name, a duplicate, a blank card, text outside Windows-1252, a long first word, "
         "a date-time, a text birthday, a card the file cuts short",
         QByteArray(R"(BEGIN:VCARD
VERSION:4.0
FN:Cher
EMAIL:cher@example.com
BDAY:1985-06-01T00:00:00Z
END:VCARD
BEGIN:VCARD
VERSION:3.0
FN:zed@example.com
EMAIL:zed@example.com
END:VCARD
BEGIN:VCARD
VERSION:3.0
FN:
TEL:555-1234
END:VCARD
BEGIN:VCARD
VERSION:4.0
N:李;Wei;;;
END:VCARD
BEGIN:VCARD
VERSION:4.0
FN:Maximiliansbergerson Lee
END:VCARD
BEGIN:VCARD
N:Last;Lou
BDAY;VALUE=text:circa 1800
)"),
         {"FirstName=Cher Email=cher@example.com Birthdate=19850601 IncludeCompany=0",
          "FirstName=Wei LastName=? IncludeCompany=0", "FirstName=Maximilians LastName=Lee IncludeCompany=0",
          "FirstName=Lou LastName=Last Notes=Birthday circa 1800. IncludeCompany=0"},
         1},
    };
    for (const CardsRow& row : rows) {
        SCOPED_TRACE(row.writer);
        const Imported imported = importInto(row.bytes);
        EXPECT_EQ(imported.result.outcome, ImportResult::Done);
        EXPECT_EQ(imported.records, row.records);
        EXPECT_EQ(imported.result.changedContacts.size(), row.changed);
    }
}

TEST(VCardImportTest, AFileWithoutACardIsNamedAndLeavesImportEnabled)
{
    const Imported imported = importInto("FN:No card around me\r\n", ImportFormat::VCard);
    EXPECT_EQ(imported.result.outcome, ImportResult::NoLayout);
    EXPECT_TRUE(imported.result.importEnabled);
    EXPECT_TRUE(imported.records.empty());
    EXPECT_EQ(imported.titles, QStringList{QStringLiteral("No contacts imported")});
}
