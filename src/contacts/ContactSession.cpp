#include "contacts/ContactSession.h"

void ContactSession::reset()
{
    file.close();
    txtFileNam.clear();
    txtFileTitle.clear();
    CurrentRecord = 0;
    reminders = ReminderMenus::none();
}
