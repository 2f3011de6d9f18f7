// A contact file of any bytes: it opens, counts, reads record by record and in bulk, runs the
// birthday check, and survives the reminder rewrite and a deletion with every record kept.
#include "FuzzPlatform.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ContactFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAllOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
