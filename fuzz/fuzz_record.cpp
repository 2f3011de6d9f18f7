// The record decoder: any 513 bytes (or fewer) decode, and writing the contact back gives the
// same bytes in every field, with the separators and line end put right. The lines made
// straight from the bytes (export, list, find list) are those of the decoded contact.
#include "FuzzPlatform.h"

#include "contacts/Birthdate.h"
#include "contacts/BirthdayReminders.h"
#include "contacts/Contact.h"
#include "contacts/ContactBrowser.h"
#include "contacts/ContactList.h"
#include "contacts/Windows1252.h"
#include "exchange/ContactExport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const Contact contact = Contact::fromRecord(bytes);
    const QByteArray record = contact.toRecord();
    FUZZ_CHECK(record.size() == Contact::RecordLength);

    QByteArray padded = bytes.left(Contact::RecordLength);
    padded.append(Contact::RecordLength - padded.size(), ' ');
    for (int i = 0; i < Contact::FieldCount; ++i) {
        const Contact::FieldInfo& info = Contact::fieldInfo(i);
        FUZZ_CHECK(contact.field(i).size() == info.width);
        FUZZ_CHECK(record.mid(info.offset, info.width) == padded.mid(info.offset, info.width));
        if (i + 1 < Contact::FieldCount)
            FUZZ_CHECK(record[info.offset + info.width] == '|');
    }
    FUZZ_CHECK(record.endsWith("\r\n"));
    FUZZ_CHECK(Contact::fromRecord(record) == contact);

    for (const char separator : {',', '|'})
        FUZZ_CHECK(exportLineBytes(record.constData(), separator)
                   == toWindows1252(exportLine(contact, QChar(separator))));
    for (const ContactList::SortOrder order : {ContactList::SortOrder::ByFirstName, ContactList::SortOrder::ByLastName})
        FUZZ_CHECK(ContactList::listLine(record.constData(), order).count(u'\t') >= 6); // a field may hold a TAB
    const QString found = findEntryText(record.constData());
    FUZZ_CHECK(found.startsWith(QStringView(contact.FirstName).trimmed()));
    FUZZ_CHECK(found.endsWith(QStringView(contact.LastName).trimmed()));

    // What the readers do with a decoded record must not fail either.
    (void)birthdayReminderText(contact, QDate(2026, 6, 1));
    (void)birthdayReminderText(contact, QDate(2024, 12, 24));
    (void)birthdateToShown(contact.Birthdate);
    (void)birthdateToStored(fromWindows1252(bytes.left(10)));
    FUZZ_CHECK(toWindows1252(fromWindows1252(bytes)) == bytes);
    return 0;
}
