#include "contacts/BirthdayReminders.h"

#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "platform/Platform.h"

namespace {

ReminderMenus rewriteAll(Platform& platform, ContactFile& file, ReminderMenus current, bool on)
{
    try {
        const QVector<Contact> records = file.readAll();
        const QString value = on ? QStringLiteral("1") : QStringLiteral("0");
        for (int n = 1; n <= records.size(); ++n) {
            Contact contact = records[n - 1];
            contact.BirthdayReminder = value;
            file.write(n, contact);
        }
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
    const QVector<Contact> records = file.readAll();
    for (const Contact& contact : records)
        if (const std::optional<QString> text = birthdayReminderText(contact, today))
            platform.messageBox(*text, QStringLiteral("Birthday reminder"), MessageButtons::Ok,
                                MessageIcon::Information);
}
