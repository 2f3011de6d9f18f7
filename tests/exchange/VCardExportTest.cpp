#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "exchange/ContactExport.h"
#include "exchange/CsvImport.h"
#include "exchange/VCardWriter.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace exchange_testing;

namespace {

Contact stored(std::initializer_list<std::pair<RecordField, const char*>> values)
{
    Contact c;
    c.IncludeCompany = QStringLiteral("0");
    c.BirthdayReminder = QStringLiteral("1");
    for (const auto& [field, value] : values)
        c.field(field) = QString::fromUtf8(value);
    return Contact::fromRecord(c.toRecord());
}

using F = RecordField;
const Contact kAnn = stored({{F::FirstName, "Ann"}, {F::MiddleInitial, "Q"}, {F::LastName, "Lee"},
                             {F::Street1, "12 Main St"}, {F::Street2, "Apt 4"}, {F::City, "Springfield"},
                             {F::State, "IL"}, {F::Zip, "62701-1234"}, {F::Country, "USA"},
                             {F::HomePhone, "555-123-4567"}, {F::CellPhone, "555-987-6543"},
                             {F::WorkPhone, "555-111-2222"}, {F::Email, "ann@example.com"},
                             {F::Birthdate, "19760704"}, {F::Category, "Golf;Family"}, {F::Notes, "Likes tea"},
                             {F::Company, "Acme Widgets"}, {F::IncludeCompany, "1"}});

} // namespace

TEST(VCardExportTest, ACardAsOtherProgramsReadIt)
{
    EXPECT_EQ(vCardOf(kAnn, VCardVersion::V4), QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\n"
                                                          "PRODID:-//Tessaprint//Tessaprint//EN\r\nFN:Ann Q Lee\r\n"
                                                          "N:Lee;Ann;Q;;\r\nORG:Acme Widgets\r\n"
                                                          "X-TESSAPRINT-INCLUDE-COMPANY:1\r\n"
                                                          "ADR;TYPE=home:;;12 Main St\\nApt 4;Springfield;IL;62701-1234;USA\r\n"
                                                          "TEL;TYPE=home:555-123-4567\r\nTEL;TYPE=cell:555-987-6543\r\n"
                                                          "TEL;TYPE=work:555-111-2222\r\nEMAIL:ann@example.com\r\n"
                                                          "BDAY:19760704\r\nCATEGORIES:Golf,Family\r\n"
                                                          "NOTE:Likes tea\r\nEND:VCARD\r\n"));
    const QByteArray v3 = vCardOf(kAnn, VCardVersion::V3);
    for (const char* line : {"VERSION:3.0\r\n", "ADR;TYPE=HOME:", "TEL;TYPE=CELL:", "EMAIL;TYPE=INTERNET:ann@example.com\r\n",
                             "BDAY:1976-07-04\r\n"})
        EXPECT_TRUE(v3.contains(line)) << line;
}

TEST(VCardExportTest, VCardOutAndInAgainGivesTheSameRecordsFieldForField)
{
    QVector<Contact> records = {
        kAnn,
        stored({{F::FirstName, "Zoë Ana"}, {F::LastName, "Brontë-Peña"}, {F::Street1, "Hauptstraße 5"},
                {F::Notes, "Ça coûte 5 € \\ ; done"}, {F::Category, "Book Club"}}),
        // Values the contact windows store that the import's tests for other programs' cards would drop.
        stored({{F::FirstName, "Di"}, {F::MiddleInitial, "7"}, {F::LastName, "O\"Neil"}, {F::Street2, "Suite 9"},
                {F::City, "29 Palms"}, {F::State, "N1"}, {F::Zip, "K1A 0B1"}, {F::Country, "CANADA 2"},
                {F::HomePhone, "1-800-FLOWERS"}, {F::CellPhone, "555-12ab"}, {F::Birthdate, "efghabcd"},
                {F::Email, "di@example.com"}, {F::Category, "\"Golf\""}, {F::Notes, "Says \"hi\" | waves"}}),
        stored({{F::Company, "Moors Ltd"}, {F::Email, "info@moors.example"}, {F::Birthdate, "18991231"}}),
        stored({{F::LastName, "Long"}}),
    };
    records.back().Notes = QString(160, QChar(0xE9)); // folded, never inside a character
    for (const VCardVersion version : {VCardVersion::V4, VCardVersion::V3}) {
        SCOPED_TRACE(version == VCardVersion::V4 ? "4.0" : "3.0");
        QTemporaryDir dir;
        FakePlatform fake;
        fake.folder = dir.path();
        ContactFile source;
        source.open(QDir(dir.path()).filePath(QStringLiteral("family.DAT")));
        for (const Contact& c : records)
            source.append(c);
        const ExportResult out = exportContacts(fake, source, {ExportKind::VCard, source.path(), version});
        ASSERT_EQ(out.outcome, ExportResult::Created);
        EXPECT_EQ(QFileInfo(out.path).fileName(), "family.vcf");
        for (const QByteArray& line : readBytes(out.path).split('\n'))
            EXPECT_TRUE(line.size() <= 76 && QByteArrayView(line).isValidUtf8()) << line.toStdString();

        ContactFile target;
        target.open(QDir(dir.path()).filePath(QStringLiteral("copy.DAT")));
        EXPECT_EQ(importContacts(fake, target, {out.path, true}).written, records.size());
        for (int i = 0; i < records.size(); ++i)
            EXPECT_EQ(describe(target.read(i + 1)), describe(records[i])) << i;
        EXPECT_TRUE(target.readAll() == records);
        EXPECT_EQ(importContacts(fake, target, {out.path, true}).written, 0) << "each is on file now";

        // The listed contacts, in the list's order.
        ExportRequest listed{ExportKind::VCard, source.path(), version, QVector<int>{3, 1}};
        ASSERT_EQ(exportContacts(fake, source, listed).outcome, ExportResult::Created);
        ContactFile few;
        few.open(QDir(dir.path()).filePath(QStringLiteral("few.DAT")));
        importContacts(fake, few, {out.path, true});
        EXPECT_TRUE(few.readAll() == (QVector<Contact>{records[2], records[0]}));
    }
}
