// The vCard import: any bytes read as cards never fail, each card's contact becomes a 513-byte
// record, and that record exported as vCard 4.0 and 3.0 and read again is the same record.
#include "FuzzPlatform.h"

#include "exchange/CsvImport.h"
#include "exchange/VCardImport.h"
#include "exchange/VCardReader.h"
#include "exchange/VCardWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    (void)VCardReader::looksLikeVCard(bytes.left(4096));
    VCardReader reader(bytes);
    QVector<Contact> onFile;
    size_t cards = 0;
    while (const std::optional<VCard> card = reader.next()) {
        FUZZ_CHECK(++cards <= size); // each card takes a line at least
        const Contact working = contactFromVCard(*card);
        (void)DuplicateIndex(onFile).matches(working);
        const QByteArray stored = importedRecord(working, (cards & 1) != 0).toRecord();
        FUZZ_CHECK(stored.size() == Contact::RecordLength && stored.endsWith("\r\n"));
        const Contact record = Contact::fromRecord(stored);
        for (const VCardVersion version : {VCardVersion::V4, VCardVersion::V3}) {
            VCardReader again(vCardOf(record, version));
            const std::optional<VCard> back = again.next();
            FUZZ_CHECK(back && !again.next());
            FUZZ_CHECK(importedRecord(contactFromVCard(*back), (cards & 1) != 0).toRecord() == stored);
        }
        if (onFile.size() < 8)
            onFile.push_back(record);
    }
    return 0;
}
