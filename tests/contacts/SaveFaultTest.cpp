#include "ContactTestSupport.h"

#include "contacts/ContactBrowser.h"
#include "contacts/ContactSave.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

using namespace testing_contacts;
using namespace faults;

namespace {

QByteArray threeContacts()
{
    return contactsBytes(3, QStringLiteral("0"));
}

ContactBoxes typedBoxes()
{
    ContactBoxes boxes = boxesFromRecord(makeContact(QStringLiteral("Ada"), QStringLiteral("Byron"),
                                                     QStringLiteral("12/10/1815"), QStringLiteral("1")));
    boxes[ContactBox::txtACCity] = QStringLiteral("London");
    return boxes;
}

int errorsShown(const FakePlatform& platform)
{
    int errors = 0;
    for (const RecordedMessage& m : platform.messages)
        errors += m.title == QStringLiteral("Error") ? 1 : 0;
    return errors;
}

bool savedShown(const FakePlatform& platform)
{
    for (const RecordedMessage& m : platform.messages)
        if (m.text == QStringLiteral("S A V E D") || m.text == QStringLiteral("Contact deleted!"))
            return true;
    return false;
}

} // namespace

// The contact windows' own save and delete procedures, failed at every write, flush and rename.
TEST(SaveFaults, EveryContactWindowWriterKeepsEachRecordOldOrNew)
{
    const struct {
        const char* name;
        FaultCase::Change change;
        std::function<bool(FaultEnv&)> run; // true when it reports success
        int writes;
        int renames;
    } rows[] = {
        {"add-contact save", FaultCase::Append,
         [](FaultEnv& env) {
             return saveNewContact(env.platform, env.session.file, typedBoxes(), true).outcome
                    == ContactSaveResult::Saved;
         },
         1, 0},
        {"edit save of record 2", FaultCase::InPlace,
         [](FaultEnv& env) {
             return saveChangedContact(env.platform, env.session.file, 2, typedBoxes(), false).outcome
                    == ContactSaveResult::Saved;
         },
         1, 0},
        {"browser save of the record on show", FaultCase::InPlace,
         [](FaultEnv& env) {
             ContactBrowser browser(env.platform, env.session);
             browser.pick(3);
             return browser.save(typedBoxes(), false).outcome == BrowserResult::Done;
         },
         1, 0},
        {"browser delete of the record on show", FaultCase::Whole,
         [](FaultEnv& env) {
             ContactBrowser browser(env.platform, env.session);
             browser.pick(2);
             return browser.remove().outcome == BrowserResult::Deleted;
         },
         2, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FaultCase c;
        c.before = threeContacts();
        c.change = row.change;
        c.run = [&row](FaultEnv& env) {
            const bool succeeded = row.run(env);
            // Success and an error message never go together, nor failure and a success message.
            EXPECT_EQ(succeeded, errorsShown(env.platform) == 0);
            EXPECT_EQ(succeeded, savedShown(env.platform));
        };
        const FaultReport r = checkEveryFault(c);
        EXPECT_EQ(r.writes, row.writes);
        EXPECT_EQ(r.flushes, 1);
        EXPECT_EQ(r.renames, row.renames);
        EXPECT_NE(r.after, c.before);
        EXPECT_GT(r.faultsInjected, 0);
    }
}
