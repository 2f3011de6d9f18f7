// The CSV import of each layout: the first byte picks a header line (or none, so that the
// detection itself is fuzzed), the rest is the file's body. Decoding, splitting (whole and in
// pieces, alike), detection, the layout's header and line rules and the record an imported line
// becomes never fail but with the program's AppError, and every record is 513 bytes.
#include "FuzzPlatform.h"

#include "exchange/CsvImport.h"
#include "exchange/CsvLayouts.h"
#include "exchange/CsvStream.h"
#include "exchange/CsvText.h"
#include "platform/AppError.h"

#include <QBuffer>

namespace {

const char* const kHeaders[] = {
    // Yahoo
    "First,Middle,Last,Nickname,Email,Category,Distribution Lists,Messenger ID,Home,Work,Pager,Fax,Mobile,Other,"
    "Yahoo! Phone,Primary,Alternate Email 1,Alternate Email 2,Personal Website,Business Website,Title,Company,"
    "Work Address,Work City,Work State,Work ZIP,Work Country,Home Address,Home City,Home State,Home ZIP,"
    "Home Country,Birthday,Anniversary,Custom 1,Custom 2,Custom 3,Custom 4,Comments",
    // web mail
    "First Name,Middle Name,Last Name,Title,Suffix,Initials,Web Page,Gender,Birthday,Anniversary,Location,"
    "Language,Internet Free Busy,Notes,E-mail Address,E-mail 2 Address,E-mail 3 Address,Primary Phone,Home Phone,"
    "Home Phone 2,Mobile Phone,Pager,Home Fax,Home Address,Home Street,Home Street 2,Home City,Home State",
    // address book
    "Title,First Name,Last Name,Name,E-mail Address",
    // own export
    "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in Address,"
    "Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes",
    // generic list
    "Name,Company,Phone,Street,City,State,Zip,Email Address,Notes",
    // Google Contacts
    "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last Name,Name Prefix,"
    "Name Suffix,Nickname,File As,Organization Name,Organization Title,Organization Department,Birthday,Notes,"
    "Photo,Labels,E-mail 1 - Label,E-mail 1 - Value,E-mail 2 - Label,E-mail 2 - Value,Phone 1 - Label,"
    "Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Address 1 - Label,Address 1 - Formatted,Address 1 - Street,"
    "Address 1 - City,Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
    "Address 1 - Extended Address",
    // Google, older
    "Name,Given Name,Additional Name,Family Name,Yomi Name,Given Name Yomi,Additional Name Yomi,"
    "Family Name Yomi,Name Prefix,Name Suffix,Initials,Nickname,Short Name,Maiden Name,Birthday,Gender,"
    "Location,Billing Information,Directory Server,Mileage,Occupation,Hobby,Sensitivity,Priority,Subject,Notes,"
    "Group Membership,E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,"
    "Phone 2 - Value,Address 1 - Type,Address 1 - Formatted,Address 1 - Street,Address 1 - City,"
    "Address 1 - PO Box,Address 1 - Region,Address 1 - Postal Code,Address 1 - Country",
    // Outlook
    "\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Department\",\"Job Title\","
    "\"Business Street\",\"Business City\",\"Business State\",\"Business Postal Code\",\"Home Street\","
    "\"Home Street 2\",\"Home City\",\"Home State\",\"Home Postal Code\",\"Home Country/Region\",\"Business Phone\","
    "\"Home Phone\",\"Mobile Phone\",\"Primary Phone\",\"Birthday\",\"Categories\",\"E-mail Address\",\"Notes\","
    "\"Web Page\"",
    // Thunderbird
    "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
    "Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,"
    "Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,"
    "Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,"
    "Custom 2,Custom 3,Custom 4,Notes,",
    // Outlook Express
    "First Name,Last Name,Middle Name,Name,Nickname,E-mail Address,Home Street,Home City,Home Postal Code,"
    "Home State,Home Country/Region,Home Phone,Mobile Phone,Business Street,Business City,Business Phone,"
    "Company,Notes",
};
constexpr size_t kHeaderCount = sizeof(kHeaders) / sizeof(kHeaders[0]);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t pick = data[0] % (kHeaderCount + 1);
    QByteArray bytes = fuzzBytes(data + 1, size - 1);
    if (pick < kHeaderCount)
        bytes.prepend(QByteArray(kHeaders[pick]) + "\r\n");

    const QVector<CsvRecord> records = splitCsvRecords(decodeCsvText(bytes));
    // Read in pieces, as the import reads its file, the same records come.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvStream stream(buffer, 1 + data[0] % 16);
    for (const CsvRecord& record : records) {
        const std::optional<CsvRecord> streamed = stream.next();
        FUZZ_CHECK(streamed && streamed->cells == record.cells && streamed->quoted == record.quoted);
    }
    FUZZ_CHECK(!stream.next());
    if (records.isEmpty())
        return 0;
    const CsvLayout layout = detectCsvLayout(records.front());
    const std::unique_ptr<CsvLineReader> reader = CsvLineReader::forLayout(layout);
    FUZZ_CHECK((layout == CsvLayout::None) == !reader);
    if (!reader)
        return 0;
    try {
        if (!reader->readHeader(records.front()))
            return 0;
        QVector<Contact> onFile;
        for (qsizetype i = 1; i < records.size(); ++i) {
            (void)records[i].line();
            const std::optional<Contact> working = reader->readLine(records[i]);
            if (!working)
                continue;
            const DuplicateIndex duplicates(onFile);
            (void)duplicates.matches(*working);
            const Contact record = importedRecord(*working, (i & 1) != 0);
            const QByteArray stored = record.toRecord();
            FUZZ_CHECK(stored.size() == Contact::RecordLength);
            FUZZ_CHECK(stored.count('\n') >= 1 && stored.endsWith("\r\n"));
            if (onFile.size() < 8)
                onFile.push_back(Contact::fromRecord(stored));
        }
    } catch (const AppError&) {
        // The import shows it as its error message.
    }
    return 0;
}
