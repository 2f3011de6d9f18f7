#pragma once

#include "contacts/Contact.h"

#include <QDate>
#include <QString>
#include <optional>

class ContactFile;
class Platform;

// Birthday reminders. The reminder state is the two File menu items:
// on = mnuFileBdayOn disabled and mnuFileBdayOff enabled; off = the opposite;
// no file / empty file just opened = both disabled.
struct ReminderMenus {
    bool canTurnOn = false;  // shown as mnuFileBdayOn.Enabled
    bool canTurnOff = false; // shown as mnuFileBdayOff.Enabled

    static ReminderMenus on() { return {false, true}; }
    static ReminderMenus off() { return {true, false}; }
    static ReminderMenus none() { return {false, false}; }
    // What a save writes into BirthdayReminder: "1" when mnuFileBdayOn is disabled.
    bool remindersOn() const { return !canTurnOn; }
    bool operator==(const ReminderMenus&) const = default;
};

// mnuFileBdayOn: every record's BirthdayReminder := "1" in one rewrite of the whole file
// (Compaction.h: all old or all new, whatever happens; no other field changes), then "Birthday
// Reminders have been turned on." titled "Birthday reminders enabled" (information, OK); returns
// ReminderMenus::on(). A file error shows the program's error message (Retry and Cancel both
// just end the command) and returns `current` unchanged, the file as it was.
//   menus = enableBirthdayReminders(platform, session.file, menus);
ReminderMenus enableBirthdayReminders(Platform& platform, ContactFile& file, ReminderMenus current);
// mnuFileBdayOff: the same with "0", "Birthday Reminders have been turned off.",
// "Birthday reminders disabled"; returns ReminderMenus::off().
ReminderMenus disableBirthdayReminders(Platform& platform, ContactFile& file, ReminderMenus current);

// The reminder for one contact on `today`, or nothing: Birthdate with every space removed,
// this year's date from characters 5-6 (month) and the last two (day); reminded when
// BirthdayReminder is "1" and the date is 1 to 15 days after today. Text:
// "<FirstName trimmed> <LastName trimmed> has a birthday coming up on MM/DD".
// A month and day that make no date this year (29 February outside leap years, non-digits,
// too short) give nothing, silently.
std::optional<QString> birthdayReminderText(const Contact& contact, const QDate& today);

// The check File > Open runs: records 1..RecordCount in order, one message per reminded
// contact (title "Birthday reminder", information, OK), today from platform.today().
// A file error is thrown (File > Open reports it).
void runBirthdayCheck(Platform& platform, ContactFile& file);
