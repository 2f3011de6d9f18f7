#include "ContactTestSupport.h"

#include "contacts/ContactFile.h"
#include "contacts/ContactSave.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace testing_contacts;
using B = ContactBox;

namespace {

const QString kIncorrect = QStringLiteral("Incorrect entry");

ContactBoxes valid()
{
    ContactBoxes boxes;
    boxes[B::txtACFName] = QStringLiteral("John");
    boxes[B::txtACLName] = QStringLiteral("Smith");
    return boxes;
}

struct Variants {
    bool add = true;
    bool edit = true;
};

struct SaveCase {
    const char* name;
    Variants variants;
    std::function<void(ContactBoxes&)> type;     // what the user typed over a valid contact
    QString message;                             // empty: accepted
    std::optional<B> focus;
    std::function<void(const SaveCheck&)> check; // boxes afterwards and the record
};

QString chars(int n)
{
    return QString(n, u'x');
}

void runCases(const std::vector<SaveCase>& cases)
{
    for (const SaveCase& c : cases) {
        for (const SaveVariant variant : {SaveVariant::Add, SaveVariant::Edit}) {
            if ((variant == SaveVariant::Add && !c.variants.add) || (variant == SaveVariant::Edit && !c.variants.edit))
                continue;
            SCOPED_TRACE(std::string(c.name) + (variant == SaveVariant::Add ? " (add)" : " (edit)"));
            ContactBoxes boxes = valid();
            c.type(boxes);
            const SaveCheck check = checkContactBoxes(boxes, variant, true);
            if (c.message.isEmpty()) {
                EXPECT_FALSE(check.refusal.has_value()) << check.refusal->text.toStdString();
            } else {
                ASSERT_TRUE(check.refusal.has_value());
                EXPECT_EQ(check.refusal->text, c.message);
                EXPECT_EQ(check.refusal->title, kIncorrect);
                EXPECT_EQ(check.refusal->focus, c.focus);
            }
            if (c.check)
                c.check(check);
        }
    }
}

} // namespace

TEST(ContactSave, RefusalsNameTheirMessageAndBox)
{
    const Variants both;
    const Variants addOnly{true, false};
    const Variants editOnly{false, true};
    runCases({
        {"first name of 11", both, [](auto& b) { b[B::txtACFName] = chars(11); }, {}, {}, {}},
        {"first name of 12 with a comma", both, [](auto& b) { b[B::txtACFName] = QStringLiteral("Abcdefghij,k"); },
         QStringLiteral("First name must be 11 characters or less."), B::txtACFName, {}},
        {"middle initial of two", both, [](auto& b) { b[B::txtACMiddleInit] = QStringLiteral("JK"); },
         QStringLiteral("Enter only 1 character for middle initial."), B::txtACMiddleInit, {}},
        {"last name of 17", both, [](auto& b) { b[B::txtACLName] = chars(17); },
         QStringLiteral("Enter last name, 16 characters or less."), B::txtACLName, {}},
        {"empty last name", both, [](auto& b) { b[B::txtACLName].clear(); },
         QStringLiteral("Enter last name, 16 characters or less."), B::txtACLName, {}},
        {"last name of commas, add", addOnly, [](auto& b) { b[B::txtACLName] = QStringLiteral(",,"); },
         QStringLiteral("Enter last name, 16 characters or less."), B::txtACLName, {}},
        {"last name of commas, edit", editOnly, [](auto& b) { b[B::txtACLName] = QStringLiteral(",,"); }, {}, {},
         [](const SaveCheck& s) { EXPECT_EQ(s.record.LastName, QString()); }},
        {"street of 31", both, [](auto& b) { b[B::txtACFStreet] = chars(31); },
         QStringLiteral("Street address must be 30 characters or less."), B::txtACFStreet, {}},
        {"street 2 of 16", both, [](auto& b) { b[B::txtACSStreet] = chars(16); },
         QStringLiteral("Street address2 must be 15 characters or less."), B::txtACSStreet, {}},
        {"city of 17", both, [](auto& b) { b[B::txtACCity] = chars(17); },
         QStringLiteral("City must be 16 characters or less."), B::txtACCity, {}},
        {"one-letter state, add", addOnly, [](auto& b) { b[B::txtACState] = QStringLiteral("c"); },
         QStringLiteral("State must be 2 character abbreviation."), B::txtACState, {}},
        {"one-letter state, edit", editOnly, [](auto& b) { b[B::txtACState] = QStringLiteral("c"); }, {}, {},
         [](const SaveCheck& s) { EXPECT_EQ(s.record.State, QStringLiteral("C")); }},
        {"three-letter state", both, [](auto& b) { b[B::txtACState] = QStringLiteral("CAL"); },
         QStringLiteral("State must be 2 character abbreviation."), B::txtACState, {}},
        {"zip of 11", both, [](auto& b) { b[B::txtACZip] = chars(11); },
         QStringLiteral("Zip Code must be 10 characters or less."), B::txtACZip, {}},
        {"country of 20, add", addOnly, [](auto& b) { b[B::txtACCountry] = chars(20); },
         QStringLiteral("Country must be 19 characters or less.  For example, USA."), B::txtACCountry, {}},
        {"country of 20, edit", editOnly, [](auto& b) { b[B::txtACCountry] = chars(20); },
         QStringLiteral("Country must be 19 characters or less. For example, USA."), B::txtACCountry, {}},
        {"company of 31", both, [](auto& b) { b[B::txtACCompany] = chars(31); },
         QStringLiteral("Company Name must be 30 characters or less."), B::txtACCompany, {}},
        {"home phone of 16 after its clean-up", both,
         [](auto& b) { b[B::txtACHPhone] = QStringLiteral("+1 (555) 123-4567 x12"); },
         QStringLiteral("Home Phone must be 15 characters or less."), B::txtACHPhone,
         [](const SaveCheck& s) { EXPECT_EQ(s.boxes[B::txtACHPhone], QStringLiteral("1555-123-4567x12")); }},
        {"cell phone of 16", both, [](auto& b) { b[B::txtACCPhone] = chars(16); },
         QStringLiteral("Cell Phone must be 15 characters or less."), B::txtACCPhone, {}},
        {"work phone of 14 after its clean-up", both,
         [](auto& b) { b[B::txtACWPhone] = QStringLiteral("(555) 123-456789"); },
         QStringLiteral("Work Phone must be 13 characters or less."), B::txtACWPhone, {}},
        {"work phone of 13", both, [](auto& b) { b[B::txtACWPhone] = QStringLiteral("(555)123-45678"); }, {}, {}, {}},
        {"email of 51", both, [](auto& b) { b[B::txtACEmail] = chars(45) + QStringLiteral("@x.com"); },
         QStringLiteral("Email address must be 50 characters or less."), B::txtACEmail, {}},
        {"email with a comma", both, [](auto& b) { b[B::txtACEmail] = QStringLiteral("a,b@c.d"); },
         QStringLiteral("Email address cannot contain a comma."), B::txtACEmail, {}},
        {"email with a space, before the at sign is looked for", both,
         [](auto& b) { b[B::txtACEmail] = QStringLiteral("john smith"); },
         QStringLiteral("Email address cannot contain a space."), B::txtACEmail, {}},
        {"email without at sign", both, [](auto& b) { b[B::txtACEmail] = QStringLiteral("john.example.com"); },
         QStringLiteral("Email address must contain the '@' character."), B::txtACEmail, {}},
        {"email without period", both, [](auto& b) { b[B::txtACEmail] = QStringLiteral("john@example"); },
         QStringLiteral("Email address must contain the '.' character."), B::txtACEmail, {}},
        {"empty email", both, [](auto& b) { b[B::txtACEmail].clear(); }, {}, {}, {}},
        {"category of 81", both, [](auto& b) { b[B::txtACCategory] = chars(81); },
         QStringLiteral("Category must be 80 characters or less."), B::txtACCategory, {}},
        {"notes of 161", both, [](auto& b) { b[B::txtACNotes] = chars(161); },
         QStringLiteral("Notes must be 160 characters or less."), B::txtACNotes, {}},
        {"first name of 11 once composed", both, [](auto& b) { b[B::txtACFName] = QStringLiteral("Rene\u0301") + chars(7); },
         {}, {}, [](const SaveCheck& s) { EXPECT_EQ(s.boxes[B::txtACFName], QStringLiteral("Ren\u00e9") + chars(7)); }},
        {"first name of 11 and an emoji", both, [](auto& b) { b[B::txtACFName] = chars(11) + QStringLiteral("\U0001F600"); },
         QStringLiteral("First name must be 11 characters or less."), B::txtACFName, {}},
        {"the first failing check wins", both,
         [](auto& b) {
             b[B::txtACFName] = chars(12);
             b[B::txtACEmail] = QStringLiteral("bad");
         },
         QStringLiteral("First name must be 11 characters or less."), B::txtACFName, {}},
    });
}

TEST(ContactSave, DateIsCheckedForLengthAndSlashesOnly)
{
    struct Row {
        QString typed;
        bool refused;
        QString stored;
    };
    const Row rows[] = {
        {QStringLiteral("4/10/1980"), true, {}},
        {QStringLiteral("04-10-1980"), true, {}},
        {QStringLiteral("04/10/19800"), true, {}},
        {QStringLiteral("04/10/1980"), false, QStringLiteral("19800410")},
        {QStringLiteral("ab/cd/efgh"), false, QStringLiteral("efghabcd")},
        {QString(), false, QString(8, u' ')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        ContactBoxes boxes = valid();
        boxes[B::txtACBirthdate] = row.typed;
        boxes[B::txtACFName] = QStringLiteral("Jo,hn"); // the date comes before every clean-up
        const SaveCheck check = checkContactBoxes(boxes, SaveVariant::Add, true);
        if (row.refused) {
            ASSERT_TRUE(check.refusal.has_value());
            EXPECT_EQ(check.refusal->text,
                      QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980"));
            EXPECT_EQ(check.refusal->title, QStringLiteral("Date error"));
            EXPECT_EQ(check.refusal->focus, B::txtACBirthdate) << "to the box that needs correcting";
            EXPECT_EQ(check.boxes[B::txtACFName], QStringLiteral("Jo,hn"));
        } else {
            ASSERT_FALSE(check.refusal.has_value());
            EXPECT_EQ(check.record.Birthdate, row.stored);
        }
    }
}

TEST(ContactSave, CleanUpsRewriteTheBoxesInPlace)
{
    struct Row {
        B box;
        QString typed;
        QString addBox, editBox; // the box afterwards
        QString Contact::*field;
        QString stored;
    };
    const Row rows[] = {
        {B::txtACHPhone, QStringLiteral("(555) 123-4567"), QStringLiteral("555-123-4567"),
         QStringLiteral("555-123-4567"), &Contact::HomePhone, QStringLiteral("555-123-4567")},
        {B::txtACCPhone, QStringLiteral("+1 555,1234"), QStringLiteral("15551234"), QStringLiteral("15551234"),
         &Contact::CellPhone, QStringLiteral("15551234")},
        {B::txtACMiddleInit, QStringLiteral("J."), QStringLiteral("J"), QStringLiteral("J"), &Contact::MiddleInitial,
         QStringLiteral("J")},
        {B::txtACMiddleInit, QStringLiteral("j"), QStringLiteral("j"), QStringLiteral("j"), &Contact::MiddleInitial,
         QStringLiteral("J")},
        {B::txtACCategory, QStringLiteral("Golf,Christmas"), QStringLiteral("Golf Christmas"),
         QStringLiteral("Golf Christmas"), &Contact::Category, QStringLiteral("Golf Christmas")},
        {B::txtACNotes, QStringLiteral("Tall, kind"), QStringLiteral("Tall  kind"), QStringLiteral("Tall  kind"),
         &Contact::Notes, QStringLiteral("Tall  kind")},
        {B::txtACCountry, QStringLiteral("u,sa"), QStringLiteral("u sa"), QStringLiteral("usa"), &Contact::Country,
         QString()}, // checked per variant below
        {B::txtACState, QStringLiteral("n,"), QStringLiteral("n"), QStringLiteral("n"), &Contact::State,
         QStringLiteral("N")},
        {B::txtACCity, QStringLiteral("Reno, West"), QStringLiteral("Reno West"), QStringLiteral("Reno West"),
         &Contact::City, QStringLiteral("Reno West")},
        {B::txtACFName, QStringLiteral("  Jo,hn  "), QStringLiteral("  John  "), QStringLiteral("  John  "),
         &Contact::FirstName, QStringLiteral("John")},
        {B::txtACFStreet, QStringLiteral("  1 Main, Apt 2 "), QStringLiteral("  1 Main Apt 2 "),
         QStringLiteral("  1 Main Apt 2 "), &Contact::Street1, QStringLiteral("1 Main Apt 2 ")},
    };
    for (const Row& row : rows) {
        for (const SaveVariant variant : {SaveVariant::Add, SaveVariant::Edit}) {
            const bool add = variant == SaveVariant::Add;
            SCOPED_TRACE(row.typed.toStdString() + (add ? " (add)" : " (edit)"));
            ContactBoxes boxes = valid();
            boxes[row.box] = row.typed;
            const SaveCheck check = checkContactBoxes(boxes, variant, true);
            ASSERT_FALSE(check.refusal.has_value());
            EXPECT_EQ(check.boxes[row.box], add ? row.addBox : row.editBox);
            const QString expected =
                row.field == &Contact::Country ? (add ? QStringLiteral("U SA") : QStringLiteral("USA")) : row.stored;
            EXPECT_EQ(check.record.*row.field, expected);
        }
    }
}

TEST(ContactSave, CleanUpsStayAfterALaterRefusal)
{
    ContactBoxes boxes = valid();
    boxes[B::txtACFName] = QStringLiteral("Jo,hn");
    boxes[B::txtACMiddleInit] = QStringLiteral("Q,");
    boxes[B::txtACLName] = QStringLiteral("Sm,ith");
    boxes[B::txtACFStreet] = QStringLiteral("1, Main");
    boxes[B::txtACCity] = QStringLiteral("A,") + chars(15);
    boxes[B::txtACHPhone] = QStringLiteral("(555) 1");
    const SaveCheck check = checkContactBoxes(boxes, SaveVariant::Add, true);
    ASSERT_TRUE(check.refusal.has_value());
    EXPECT_EQ(check.refusal->focus, B::txtACCity);
    EXPECT_EQ(check.boxes[B::txtACFName], QStringLiteral("John"));
    EXPECT_EQ(check.boxes[B::txtACMiddleInit], QStringLiteral("Q"));
    EXPECT_EQ(check.boxes[B::txtACLName], QStringLiteral("Smith"));
    EXPECT_EQ(check.boxes[B::txtACFStreet], QStringLiteral("1 Main"));
    // The city and what comes after it are as typed.
    EXPECT_EQ(check.boxes[B::txtACCity], QStringLiteral("A,") + chars(15));
    EXPECT_EQ(check.boxes[B::txtACHPhone], QStringLiteral("(555) 1"));
}

TEST(ContactSave, IncludeCompanyAndReminderFlags)
{
    struct Row {
        QString company;
        bool ticked;
        bool remindersOn;
        QString include, reminder;
        bool tickedAfter;
    };
    const Row rows[] = {
        {QStringLiteral("Acme"), true, true, QStringLiteral("1"), QStringLiteral("1"), true},
        {QStringLiteral("Acme"), false, false, QStringLiteral("0"), QStringLiteral("0"), false},
        {QString(), true, true, QStringLiteral("0"), QStringLiteral("1"), false}, // erased with the box ticked
        {QStringLiteral("   "), true, false, QStringLiteral("0"), QStringLiteral("0"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.company.toStdString());
        ContactBoxes boxes = valid();
        boxes[B::txtACCompany] = row.company;
        boxes.includeCompany = row.ticked;
        const SaveCheck check = checkContactBoxes(boxes, SaveVariant::Add, row.remindersOn);
        ASSERT_FALSE(check.refusal.has_value());
        EXPECT_EQ(check.record.IncludeCompany, row.include);
        EXPECT_EQ(check.record.BirthdayReminder, row.reminder);
        EXPECT_EQ(check.boxes.includeCompany, row.tickedAfter);
    }
}

namespace {

QByteArray padded(const char* text, int width)
{
    QByteArray bytes(text);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

class ContactSaveFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeContacts(path, 3);
        original = readBytes(path);
        file.open(path);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Friends.DAT"));
    QByteArray original;
    ContactFile file;
    FakePlatform fake;
};

} // namespace

TEST_F(ContactSaveFileTest, AddAppendsTheRecordBytes)
{
    ContactBoxes boxes;
    boxes[B::txtACFName] = QStringLiteral(" Mary ");
    boxes[B::txtACMiddleInit] = QStringLiteral("q.");
    boxes[B::txtACLName] = QStringLiteral("Major");
    boxes[B::txtACFStreet] = QStringLiteral("12 Oak Lane");
    boxes[B::txtACCity] = QStringLiteral("Reno");
    boxes[B::txtACState] = QStringLiteral("nv");
    boxes[B::txtACZip] = QStringLiteral("89501");
    boxes[B::txtACCountry] = QStringLiteral("usa");
    boxes[B::txtACCompany] = QStringLiteral("Acme");
    boxes.includeCompany = true;
    boxes[B::txtACBirthdate] = QStringLiteral("04/10/1980");
    boxes[B::txtACHPhone] = QStringLiteral("(555) 123-4567");
    boxes[B::txtACEmail] = QStringLiteral("mary@example.com");
    boxes[B::txtACCategory] = QStringLiteral("Golf,Christmas");
    boxes[B::txtACNotes] = QStringLiteral("Caf\u00e9");

    const ContactSaveResult result = saveNewContact(fake, file, boxes, true);
    ASSERT_EQ(result.outcome, ContactSaveResult::Saved);
    EXPECT_EQ(result.recordWritten, 4);
    EXPECT_TRUE(result.reminderWritten);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, QStringLiteral("S A V E D"));
    EXPECT_EQ(fake.messages[0].title, QStringLiteral("Contact saved to file"));
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::None);

    const QByteArray expected = padded("Mary", 11) + '|' + "Q" + '|' + padded("Major", 16) + '|' +
                                padded("12 Oak Lane", 30) + '|' + padded("", 15) + '|' + padded("Reno", 16) + '|' +
                                "NV" + '|' + padded("89501", 10) + '|' + padded("USA", 19) + '|' +
                                padded("555-123-4567", 15) + '|' + padded("", 15) + '|' + padded("", 13) + '|' +
                                padded("mary@example.com", 50) + '|' + "19800410" + '|' +
                                padded("Golf Christmas", 80) + '|' + padded("Caf\xe9", 160) + '|' +
                                padded("Acme", 30) + '|' + "1" + '|' + "1" + "\r\n";
    ASSERT_EQ(expected.size(), 513);
    const QByteArray bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 4 * 513);
    EXPECT_EQ(bytes.left(3 * 513), original);
    EXPECT_EQ(recordBytes(bytes, 4), expected);
}

TEST_F(ContactSaveFileTest, EditOverwritesOnlyItsRecord)
{
    ContactBoxes boxes = boxesFromRecord(file.read(2));
    boxes[B::txtACCity] = QStringLiteral("Ely");
    const ContactSaveResult result = saveChangedContact(fake, file, 2, boxes, false);
    ASSERT_EQ(result.outcome, ContactSaveResult::Saved);
    EXPECT_FALSE(result.reminderWritten);
    EXPECT_EQ(fake.messages.back().title, QStringLiteral("Changes saved"));

    const QByteArray bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), original.size());
    EXPECT_EQ(recordBytes(bytes, 1), recordBytes(original, 1));
    EXPECT_EQ(recordBytes(bytes, 3), recordBytes(original, 3));
    Contact expected = file.read(2);
    EXPECT_EQ(expected.City.trimmed(), QStringLiteral("Ely"));
    EXPECT_EQ(expected.BirthdayReminder, QStringLiteral("0"));
    expected.City = Contact::fromRecord(recordBytes(original, 2)).City;
    expected.BirthdayReminder = QStringLiteral("1");
    EXPECT_EQ(expected.toRecord(), recordBytes(original, 2)); // nothing else in it changed
}

TEST_F(ContactSaveFileTest, RefusalWritesNothingAndErrorsOfferRetryAndCancel)
{
    ContactBoxes refused = valid();
    refused[B::txtACEmail] = QStringLiteral("nobody");
    ContactSaveResult result = saveNewContact(fake, file, refused, true);
    EXPECT_EQ(result.outcome, ContactSaveResult::Refused);
    EXPECT_EQ(result.focus, B::txtACEmail);
    EXPECT_FALSE(result.reminderWritten);
    EXPECT_EQ(fake.messages.back().title, kIncorrect);
    EXPECT_EQ(fake.messages.back().icon, MessageIcon::None);

    struct Row {
        const char* name;
        std::function<ContactSaveResult()> save;
        MessageAnswer answer;
        ContactSaveResult::Outcome outcome;
        QString message;
    };
    const QString diskFull = QStringLiteral("An error has occurred. Error number 61 -- Disk full.  Try again, or notify author.");
    const QString badRecord =
        QStringLiteral("An error has occurred. Error number 63 -- Bad record number.  Try again, or notify author.");
    const Row rows[] = {
        {"append fails", [&] { file.seam().failAtWrite(1); return saveNewContact(fake, file, valid(), true); },
         MessageAnswer::Retry, ContactSaveResult::Retry, diskFull},
        {"overwrite fails", [&] { file.seam().failAtWrite(1); return saveChangedContact(fake, file, 1, valid(), true); },
         MessageAnswer::Cancel, ContactSaveResult::Cancel, diskFull},
        {"no record shown", [&] { return saveChangedContact(fake, file, 0, valid(), true); }, MessageAnswer::Retry,
         ContactSaveResult::Retry, badRecord},
        {"past the end", [&] { return saveChangedContact(fake, file, 4, valid(), true); }, MessageAnswer::Cancel,
         ContactSaveResult::Cancel, badRecord},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake.messageAnswers = {row.answer};
        result = row.save();
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_FALSE(result.reminderWritten);
        EXPECT_EQ(fake.messages.back().text, row.message);
        EXPECT_EQ(fake.messages.back().title, QStringLiteral("Error"));
        EXPECT_EQ(fake.messages.back().buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(readBytes(path), original);
    }
}

TEST_F(ContactSaveFileTest, UnstorableCharactersAreNamedBeforeAnythingIsWritten)
{
    const struct {
        std::vector<std::pair<B, QString>> typed;
        MessageAnswer answer;
        QString named; // the question's lines about boxes
    } rows[] = {
        {{{B::txtACBirthdate, QStringLiteral("0\u0661/02/1980")}}, MessageAnswer::Yes,
         QStringLiteral("Birthdate (MM/DD/YYYY): \u0661 (U+0661) -- saved as \"0?/02/1980\"")},
        {{{B::txtACNotes, QStringLiteral("\u674e")}, {B::txtACFName, QStringLiteral("Zoe\u0308\U0001F600")}},
         MessageAnswer::No, QStringLiteral("First Name: \U0001F600 (U+1F600) -- saved as \"Zo\u00eb?\"\r\n"
                                           "Notes: \u674e (U+674E) -- saved as \"?\"")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.named.toStdString());
        ContactBoxes boxes = valid();
        for (const auto& [box, text] : row.typed)
            boxes[box] = text;
        fake.messages.clear();
        fake.messageAnswers = {row.answer};
        const ContactSaveResult r = saveChangedContact(fake, file, 2, boxes, true);
        EXPECT_EQ(fake.messages.front().text, "These characters cannot be stored in the contact file, which holds only "
                                              "Windows-1252 text:\r\n\r\n" + row.named + "\r\n\r\nSave with \"?\" "
                                              "in their place?  Click No to go back and change them.");
        EXPECT_EQ(fake.messages.front().title, QStringLiteral("Characters that cannot be stored"));
        EXPECT_EQ(fake.messages.front().buttons, MessageButtons::YesNo);
        EXPECT_EQ(r.outcome, row.answer == MessageAnswer::No ? ContactSaveResult::Refused : ContactSaveResult::Saved);
        EXPECT_EQ(r.focus, row.answer == MessageAnswer::No ? std::optional(B::txtACFName) : std::nullopt);
    }
    // Yes stored the date's digit as '?'; No went back to the first named box and wrote nothing.
    EXPECT_EQ(recordBytes(readBytes(path), 2).mid(Contact::fieldOffset(13), 8), "19800?02");
    EXPECT_EQ(Contact::fromRecord(recordBytes(readBytes(path), 2)).FirstName.trimmed(), QStringLiteral("John"));
}
