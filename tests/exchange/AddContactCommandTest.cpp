#include "exchange/AddContactCommand.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

TEST(AddContactCommand, OutcomesOfTheComposerLines)
{
    using Lines = std::array<QString, 5>;
    struct Row {
        const char* what;
        Lines lines;
        MessageAnswer answer;
        AddContactStart::Outcome outcome;
        QString message;
    };
    const QString error5 = QStringLiteral(
        "An error has occurred. Error number 5 -- Invalid procedure call or argument.  Try again, or notify author.");
    const Row rows[] = {
        {"all empty", Lines{}, MessageAnswer::Ok, AddContactStart::Open, {}},
        {"an address", Lines{"John Q. Public", "12 Oak Lane", "Reno, NV 89501", "", ""}, MessageAnswer::Ok,
         AddContactStart::Open, {}},
        {"line 1 without a space", Lines{"Cher", "", "", "", ""}, MessageAnswer::Ok, AddContactStart::Refused,
         QStringLiteral("Line 1 must contain a space.")},
        {"a failed cut, Retry", Lines{"Christopher-Alexander Smith", "", "", "", ""}, MessageAnswer::Retry,
         AddContactStart::Retry, error5},
        {"a failed cut, Cancel", Lines{"", "12 Oak Lane", "Sacramento-CA-95814", "", ""}, MessageAnswer::Cancel,
         AddContactStart::Quit, error5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakePlatform fake;
        fake.messageAnswers = {row.answer};
        const AddContactStart start = startAddContact(fake, row.lines);
        EXPECT_EQ(start.outcome, row.outcome);
        if (row.message.isEmpty()) {
            EXPECT_TRUE(fake.messages.empty());
            continue;
        }
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, row.message);
        if (row.outcome == AddContactStart::Retry || row.outcome == AddContactStart::Quit) {
            EXPECT_EQ(fake.messages[0].title, QStringLiteral("Error"));
            EXPECT_EQ(fake.messages[0].buttons, MessageButtons::RetryCancel);
        }
    }

    FakePlatform fake;
    const AddContactStart start = startAddContact(fake, Lines{"John Q. Public", "12 Oak Lane", "Reno, NV 89501", "", ""});
    EXPECT_EQ(start.boxes.txtACLName, QStringLiteral("Public"));
    EXPECT_EQ(start.boxes.txtACZip, QStringLiteral("89501"));
}
