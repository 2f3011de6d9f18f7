#include "ContactTestSupport.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/FileCommands.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

using namespace testing_contacts;
using namespace faults;

namespace {

// The delete command's handler around the compaction: one error message for any failure.
void deleteRecord(FaultEnv& env, int n)
{
    try {
        compactContactFile(env.session.file, n);
    } catch (...) {
        showErrorMessage(env.platform, asAppError(std::current_exception()));
    }
}

} // namespace

TEST(FaultInjection, BirthdayRemindersOnAndOffAreAllOrNothingAtEveryWriteFlushSyncAndRename)
{
    struct Row {
        bool enable;
        const char* before;
    };
    for (const Row row : {Row{true, "0"}, Row{false, "1"}}) {
        SCOPED_TRACE(row.enable ? "enable" : "disable");
        FaultCase c;
        c.before = contactsBytes(5, QString::fromLatin1(row.before));
        c.change = FaultCase::Whole;
        c.run = [&](FaultEnv& env) {
            const ReminderMenus start = row.enable ? ReminderMenus::off() : ReminderMenus::on();
            const ReminderMenus menus = row.enable ? enableBirthdayReminders(env.platform, env.session.file, start)
                                                   : disableBirthdayReminders(env.platform, env.session.file, start);
            // A failure keeps the menus as they were; success switches them.
            const bool failed = !env.platform.messages.empty() && env.platform.messages.back().title == "Error";
            EXPECT_EQ(menus, failed ? start : (row.enable ? ReminderMenus::on() : ReminderMenus::off()));
        };
        const FaultReport r = checkEveryFault(c);
        EXPECT_EQ(r.writes, 5);
        EXPECT_EQ(r.flushes, 1);
        EXPECT_EQ(r.syncs, 1); // on the disk before the rename: a power cut leaves old or new
        EXPECT_EQ(r.renames, 1);
        EXPECT_EQ(r.after, contactsBytes(5, row.enable ? QStringLiteral("1") : QStringLiteral("0")));
    }
}

TEST(FaultInjection, DeletingAContactIsAllOrNothingAtEveryWriteFlushAndRename)
{
    // Deleting the first, a middle and the last record, and a marked one going along.
    struct Row {
        int count;
        int remove;
        int marked;
        int writes;
    };
    for (const Row row : {Row{5, 1, 0, 4}, Row{5, 3, 0, 4}, Row{5, 5, 0, 4}, Row{6, 2, 4, 4}, Row{1, 1, 0, 0}}) {
        SCOPED_TRACE(::testing::Message() << row.count << " contacts, removing " << row.remove);
        FaultCase c;
        c.before = contactsBytes(row.count, QStringLiteral("1"));
        if (row.marked)
            c.before.replace(qint64(row.marked - 1) * Contact::RecordLength, 11, "*DELETED*  ");
        c.change = FaultCase::Whole;
        c.run = [&](FaultEnv& env) { deleteRecord(env, row.remove); };
        const FaultReport r = checkEveryFault(c);
        EXPECT_EQ(r.writes, row.writes);
        EXPECT_EQ(r.flushes, 1);
        EXPECT_EQ(r.syncs, 1);
        EXPECT_EQ(r.renames, 1);
        EXPECT_EQ(r.after.size(), qint64(row.count - 1 - (row.marked ? 1 : 0)) * Contact::RecordLength);
    }
}

TEST(FaultInjection, AnAppendThatFailsHalfWayLeavesNoFragment)
{
    // A fragment of 257 bytes or more would count as one more (torn) record.
    FaultCase c;
    c.before = contactsBytes(3, QStringLiteral("1"));
    c.change = FaultCase::Append;
    c.run = [](FaultEnv& env) {
        try {
            env.session.file.append(makeContact(QStringLiteral("New"), QStringLiteral("One")));
        } catch (...) {
            showErrorMessage(env.platform, asAppError(std::current_exception()));
        }
    };
    const FaultReport r = checkEveryFault(c);
    EXPECT_EQ(r.writes, 1);
    EXPECT_EQ(r.flushes, 1);
    EXPECT_EQ(r.after.size(), 4 * Contact::RecordLength);
}

TEST(FaultInjection, AnOverwriteThatFailsHalfWayPutsTheRecordBack)
{
    FaultCase c;
    c.before = contactsBytes(3, QStringLiteral("1"));
    c.change = FaultCase::InPlace;
    c.run = [](FaultEnv& env) {
        try {
            Contact changed = env.session.file.read(2);
            changed.Notes = QString(160, u'x');
            changed.Street1 = QStringLiteral("99 Changed Road");
            env.session.file.write(2, changed);
        } catch (...) {
            showErrorMessage(env.platform, asAppError(std::current_exception()));
        }
    };
    const FaultReport r = checkEveryFault(c);
    EXPECT_EQ(r.writes, 1);
    EXPECT_NE(r.after, c.before);
}

TEST(FaultInjection, FileNewAndOpenNeverWriteTheContactFile)
{
    // Opening must not change a byte, not even of a file with a fragment at its end.
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open ? "Open" : "New");
        FaultCase c;
        c.before = contactsBytes(2, QStringLiteral("1")) + QByteArray(300, 'z');
        c.change = FaultCase::Whole;
        c.script = [](FaultEnv& env) {
            env.platform.fileAnswers.push_back(FileDialogAnswer{env.path, QStringLiteral("Friends.DAT")});
        };
        c.run = [open](FaultEnv& env) {
            const FileCommandResult r = open ? fileOpen(env.platform, env.session) : fileNew(env.platform, env.session);
            EXPECT_EQ(r.result, FileCommandResult::Opened);
        };
        c.appendAfter = false;
        const FaultReport r = checkEveryFault(c);
        EXPECT_EQ(r.writes + r.flushes + r.syncs + r.renames, 0);
        EXPECT_EQ(r.after, c.before);
    }
}
