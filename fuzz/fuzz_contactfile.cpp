// A contact file of any bytes: it opens, counts, reads record by record and in bulk, runs the
// birthday check, and survives the reminder rewrite and a deletion with every record kept.
#include "FuzzPlatform.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ContactBrowser.h"
#include "contacts/ContactList.h"
#include "contacts/ContactSession.h"
#include "contacts/ContactFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

QByteArray readAllOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each record number once, 1 to count.
bool everyRecordOnce(std::vector<int> records, int count)
{
    std::sort(records.begin(), records.end());
    for (int i = 0; i < int(records.size()); ++i) {
        if (records[std::size_t(i)] != i + 1)
            return false;
    }
    return int(records.size()) == count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.DAT"));
    const QByteArray bytes = fuzzBytes(data, size);
    {
        QFile out(path);
        FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(out.write(bytes) == bytes.size());
    }

    FuzzPlatform platform;
    platform.folder = dir.path();
    ContactFile file;
    file.open(path);
    const int count = file.recordCount();
    FUZZ_CHECK(count == ContactFile::recordCountForLength(bytes.size()));

    const QVector<Contact> all = file.readAll();
    FUZZ_CHECK(all.size() == count);
    for (int n = 1; n <= count + 1; ++n) {
        const Contact one = file.read(n);
        FUZZ_CHECK(n > count || one == all[n - 1]);
    }
    // The find list and the contact list hold every record once, in their order.
    const QVector<FindEntry> found = loadFindList(file);
    std::vector<int> records;
    for (int i = 0; i < found.size(); ++i) {
        records.push_back(found[i].recordNumber);
        FUZZ_CHECK(i == 0 || QString::compare(found[i - 1].text, found[i].text, Qt::CaseInsensitive) <= 0);
    }
    FUZZ_CHECK(everyRecordOnce(records, count));
    // A second handle in the same process only reads: the first holds the file's lock.
    ContactSession session;
    session.file.openReadOnly(path, QString());
    for (const ContactList::SortOrder order : {ContactList::SortOrder::ByFirstName, ContactList::SortOrder::ByLastName}) {
        const ContactList::ListingResult listed = ContactList::getReport(platform, session, {ContactList::SearchMode::All, {}, order});
        records.clear();
        for (std::size_t i = 0; i < listed.lines.size(); ++i) {
            const ContactList::ListLine& line = listed.lines[i];
            records.push_back(line.record);
            FUZZ_CHECK(i == 0 || !ContactList::lineBefore(line.text, listed.lines[i - 1].text));
            FUZZ_CHECK(line.text == ContactList::listLine(all[line.record - 1], order));
        }
        FUZZ_CHECK(everyRecordOnce(records, count));
    }
    session.file.close();

    runBirthdayCheck(platform, file);

    // Reminders off: every record keeps every byte but its switch.
    const ReminderMenus menus = disableBirthdayReminders(platform, file, ReminderMenus::on());
    FUZZ_CHECK(menus == ReminderMenus::off());
    const QVector<Contact> after = file.readAll();
    FUZZ_CHECK(after.size() == count);
    for (int n = 0; n < count; ++n) {
        Contact expected = all[n];
        expected.BirthdayReminder = QStringLiteral("0");
        FUZZ_CHECK(after[n] == expected);
    }

    // Removing the first record keeps the others in order.
    if (count > 0) {
        int marked = 0;
        for (const Contact& c : after)
            marked += isMarkedDeleted(c.FirstName) ? 1 : 0;
        compactContactFile(file, 1);
        const QVector<Contact> left = file.readAll();
        int next = 0;
        for (int n = 1; n < count; ++n) {
            if (isMarkedDeleted(after[n].FirstName))
                continue;
            FUZZ_CHECK(next < left.size() && left[next] == after[n]);
            ++next;
        }
        FUZZ_CHECK(next == left.size());
        FUZZ_CHECK(left.size() == count - 1 - marked + (isMarkedDeleted(after[0].FirstName) ? 1 : 0));
        FUZZ_CHECK(readAllOf(path).size() == qint64(left.size()) * Contact::RecordLength);
    }
    file.close();
    return 0;
}
