#include "contacts/BirthdayReminders.h"

#include "contacts/Compaction.h"
#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/RecordView.h"
#include "platform/Platform.h"

#include <QStringList>

#include <algorithm>

namespace {

ReminderMenus rewriteAll(Platform& platform, ContactFile& file, ReminderMenus current, bool on)
{
    try {
        // One rewrite of the whole file: after a crash at any moment it is all old or all new.
        const char value = on ? '1' : '0';
        rewriteContactFile(file, [value](int, char* record) {
            record[Contact::fieldOffset(RecordField::BirthdayReminder)] = value;
            return true;
        });
    } catch (...) {
        showErrorMessage(platform, asAppError(std::current_exception()));
        return current;
    }
    if (on)
        platform.messageBox(QStringLiteral("Birthday Reminders have been turned on."),
                            QStringLiteral("Birthday reminders enabled"), MessageButtons::Ok,
                            MessageIcon::Information);
    else
        platform.messageBox(QStringLiteral("Birthday Reminders have been turned off."),
                            QStringLiteral("Birthday reminders disabled"), MessageButtons::Ok,
                            MessageIcon::Information);
    return on ? ReminderMenus::on() : ReminderMenus::off();
}

bool twoDigits(const QString& s)
{
    return s.size() == 2 && s[0] >= u'0' && s[0] <= u'9' && s[1] >= u'0' && s[1] <= u'9';
}

} // namespace

ReminderMenus enableBirthdayReminders(Platform& platform, ContactFile& file, ReminderMenus current)
{
    return rewriteAll(platform, file, current, true);
}

ReminderMenus disableBirthdayReminders(Platform& platform, ContactFile& file, ReminderMenus current)
{
    return rewriteAll(platform, file, current, false);
}

std::optional<QString> birthdayReminderText(const Contact& contact, const QDate& today)
{
    QString stored = contact.Birthdate;
    stored.remove(u' ');
    if (stored.isEmpty())
        return std::nullopt;
    const QString month = stored.mid(4, 2);
    const QString day = stored.right(2);
    if (!twoDigits(month) || !twoDigits(day))
        return std::nullopt;
    const QDate birthday(today.year(), month.toInt(), day.toInt());
    if (!birthday.isValid())
        return std::nullopt;
    if (contact.BirthdayReminder != QLatin1String("1"))
        return std::nullopt;
    const qint64 days = today.daysTo(birthday);
    if (!(birthday > today && days < 16))
        return std::nullopt;
    return contact.FirstName.trimmed() + u' ' + contact.LastName.trimmed()
        + QStringLiteral(" has a birthday coming up on ") + month + u'/' + day;
}

void runBirthdayCheck(Platform& platform, ContactFile& file)
{
    const QDate today = platform.today();
    // Only a contact whose BirthdayReminder is "1" can be reminded, and the text needs four
    // fields: the others of a record are never decoded. The messages wait until the file has
    // been read, so a reminder on screen never holds the file mid-read.
    using F = RecordField;
    QStringList texts;
    file.forEachRecord([&](int, const char* bytes) {
        const RecordView record(bytes);
        if (record.flag(F::BirthdayReminder) != '1')
            return;
        // Most records hold eight digits or eight spaces: settle those from the bytes.
        const char* date = record.bytes(F::Birthdate).data();
        if (std::all_of(date, date + 8, [](char c) { return c == ' '; }))
            return;
        if (std::all_of(date, date + 8, [](char c) { return c >= '0' && c <= '9'; })) {
            const QDate birthday(today.year(), (date[4] - '0') * 10 + (date[5] - '0'),
                                 (date[6] - '0') * 10 + (date[7] - '0'));
            if (!birthday.isValid() || birthday <= today || today.daysTo(birthday) >= 16)
                return;
        }
        Contact contact;
        contact.BirthdayReminder = QStringLiteral("1");
        contact.Birthdate = record.text(F::Birthdate);
        contact.FirstName = record.text(F::FirstName);
        contact.LastName = record.text(F::LastName);
        if (const std::optional<QString> text = birthdayReminderText(contact, today))
            texts << *text;
    });
    for (const QString& text : texts)
        platform.messageBox(text, QStringLiteral("Birthday reminder"), MessageButtons::Ok,
                            MessageIcon::Information);
}
