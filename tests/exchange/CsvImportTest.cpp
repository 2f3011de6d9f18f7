#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "contacts/Windows1252.h"
#include "exchange/CsvImport.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

using namespace exchange_testing;

namespace {

Contact onFile(const QString& first, const QString& last, const QString& email)
{
    Contact c = Contact::blank();
    c.FirstName = first;
    c.LastName = last;
    c.Email = email;
    c.IncludeCompany = QStringLiteral("0");
    c.BirthdayReminder = QStringLiteral("1");
    return c;
}

} // namespace

class CsvImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.folder = dir.path();
        contacts.open(path("family.DAT"));
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QString csv(const QByteArray& bytes, const QString& name = QStringLiteral("in.csv"))
    {
        writeBytes(path(name), bytes);
        return path(name);
    }

    ImportResult run(const QString& csvPath, bool remindersOn = true)
    {
        return importContacts(fake, contacts, {csvPath, remindersOn});
    }

    std::vector<std::string> names()
    {
        std::vector<std::string> out;
        for (const Contact& c : contacts.readAll())
            out.push_back((c.FirstName.trimmed() + u' ' + c.LastName.trimmed() + u' ' + c.Email.trimmed()).toStdString());
        return out;
    }

    QString lastMessage() const { return fake.messages.empty() ? QString() : fake.messages.back().text; }

    QTemporaryDir dir;
    FakePlatform fake;
    ContactFile contacts;
};

TEST_F(CsvImportTest, NoFileChosenBeepsAndReadsNothing)
{
    const ImportResult r = run(QString());
    EXPECT_EQ(r.outcome, ImportResult::NoFileChosen);
    EXPECT_EQ(fake.beeps, 1);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Click 'Open csv file' to select a file to import.");
    EXPECT_EQ(fake.messages[0].title, "No csv file selected");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(r.importEnabled);
}

TEST_F(CsvImportTest, AppendsAfterTheRecordsOnFileWithTheReminderState)
{
    contacts.append(onFile("Old", "Timer", "old@example.com"));
    const QByteArray before = readBytes(path("family.DAT"));
    const ImportResult r = run(csv("First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\n"
                                   "Ann,Lee,,,,,,ann@example.com,hi\r\n"
                                   "Bo,Ng,,,,,,bo@example.com\r\n"),
                               false);
    EXPECT_EQ(r.outcome, ImportResult::Done);
    EXPECT_EQ(r.written, 2);
    EXPECT_FALSE(r.importEnabled);
    EXPECT_TRUE(r.focusClose);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "D O N E !  2 contacts successfully imported.");
    EXPECT_EQ(fake.messages[0].title, "Import completed");
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);

    const QByteArray after = readBytes(path("family.DAT"));
    ASSERT_EQ(after.size(), 3 * Contact::RecordLength);
    EXPECT_EQ(after.left(Contact::RecordLength), before) << "the record on file is untouched";
    EXPECT_EQ(names(), (std::vector<std::string>{"Old Timer old@example.com", "Ann Lee ann@example.com",
                                                 "Bo Ng bo@example.com"}));
    const Contact ann = contacts.read(2);
    EXPECT_EQ(ann.BirthdayReminder, "0");
    EXPECT_EQ(ann.IncludeCompany, "1");
    EXPECT_EQ(ann.Street1, QString(30, u' '));
}

TEST_F(CsvImportTest, DuplicatesAreTestedAgainstTheRecordsOnFileWhenTheImportStarts)
{
    contacts.append(onFile("Annabel", "Leeson", "annabel@example.com"));
    contacts.append(onFile("Cy", "Ott", ""));
    const QString file = csv(kOwnHeader.toUtf8() + "\r\n"
                             "Annabel,,Leeson,,,,,,,,0,,,,new@example.com,,,\r\n" // same names
                             "Zed,,Zed,,,,,,,,0,,,,annabel@example.com,,,\r\n"   // same e-mail
                             "Ann,,Lee,,,,,,,,0,,,,ann2@example.com,,,\r\n"       // contained in Annabel Leeson
                             "Di,,Fox,,,,,,,,0,,,,,,,\r\n"                        // no e-mail, like Cy Ott
                             ",,,,,,,,,,0,,,,only@example.com,,,\r\n"          // no names: its e-mail decides
                             "Ed,,Gray,,,,,,,,0,,,,ed@example.com,,,\r\n"
                             "Ed,,Gray,,,,,,,,0,,,,ed@example.com,,,\r\n");      // this import's own are not compared
    const ImportResult r = run(file);
    EXPECT_EQ(r.written, 3);
    EXPECT_EQ(names(), (std::vector<std::string>{"Annabel Leeson annabel@example.com", "Cy Ott ",
                                                 "  only@example.com", "Ed Gray ed@example.com",
                                                 "Ed Gray ed@example.com"}));
    EXPECT_EQ(lastMessage(), "D O N E !  3 contacts successfully imported.");

    // The second run finds everything on file.
    run(file);
    EXPECT_EQ(contacts.recordCount(), 5);
    EXPECT_EQ(lastMessage(), "D O N E !  0 contacts successfully imported.");
}

TEST_F(CsvImportTest, UnknownFirstLineAndGenericWithoutEmailAreNotCompatible)
{
    ImportResult r = run(csv("Company,Phone\r\nAcme,555-1234\r\n"));
    EXPECT_EQ(r.outcome, ImportResult::NoLayout);
    EXPECT_TRUE(r.importEnabled);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "CSV file not compatible with import function.");
    fake.messages.clear();

    r = run(csv("First Name,Last Name,Email\r\nAnn,Lee,ann@example.com\r\n"));
    EXPECT_EQ(r.outcome, ImportResult::NotCompatible);
    EXPECT_FALSE(r.importEnabled);
    EXPECT_TRUE(r.focusClose);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "CSV file not compatible with import function.");
    EXPECT_EQ(fake.messages[0].title, "No contacts imported");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(contacts.recordCount(), 0);
}

TEST_F(CsvImportTest, ShortHeaderOnceStoppedTheImportAndNowImports)
{
    const ImportResult r = run(csv("First Name,Last Name,Email,Phone\r\nAnn,Lee,ann@example.com,555-1234\r\n"
                                   "Bo,Ng,bo@example.com,555-9876\r\n"));
    EXPECT_EQ(r.outcome, ImportResult::Done);
    EXPECT_EQ(names(), (std::vector<std::string>{"Ann Lee ann@example.com", "Bo Ng bo@example.com"}));
}

TEST_F(CsvImportTest, LinesWithoutNameOrEmailAreNotWritten)
{
    // No column of this header is mapped: every line would be a blank record.
    const ImportResult r = run(csv("Name,Email Address,Phone\r\nAnn Lee,ann@example.com,555\r\n"
                                   "Bo Ng,bo@example.com,556\r\n\r\n"));
    EXPECT_EQ(r.outcome, ImportResult::Done);
    EXPECT_EQ(r.written, 0);
    EXPECT_EQ(contacts.recordCount(), 0);
}

TEST_F(CsvImportTest, ErrorsShowTheImportMessageAndKeepWhatWasWritten)
{
    // An address book without "First Name,".
    fake.messageAnswers = {MessageAnswer::Retry};
    ImportResult r = run(csv("Display Name,E-mail Address\r\nAnn Lee,ann@example.com\r\n"));
    EXPECT_EQ(r.outcome, ImportResult::ErrorRetry);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "An error has occurred. Error number 5 -- Invalid procedure call or argument."
                                     "  Try again, or notify Tessaprint.");
    EXPECT_EQ(fake.messages[0].title, "Error");
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::RetryCancel);
    EXPECT_TRUE(r.importEnabled);

    // A file that is gone.
    fake.messageAnswers = {MessageAnswer::Cancel};
    r = run(path("missing.csv"));
    EXPECT_EQ(r.outcome, ImportResult::ErrorCancel);
    EXPECT_EQ(lastMessage(), "An error has occurred. Error number 53 -- File not found.  Try again, or notify Tessaprint.");

    // The third write fails: the first two records stay.
    contacts.seam().failAtWrite(3);
    r = run(csv("First Name,Last Name,Email,x\r\nA1,L,a1@example.com\r\nA2,L,a2@example.com\r\n"
                "A3,L,a3@example.com\r\nA4,L,a4@example.com\r\n"));
    EXPECT_EQ(r.written, 2);
    EXPECT_EQ(lastMessage(), "An error has occurred. Error number 61 -- Disk full.  Try again, or notify Tessaprint."
                             "\r\n\r\nContacts imported before the error: 2.  They stay in the contact file.");
    EXPECT_EQ(names(), (std::vector<std::string>{"A1 L a1@example.com", "A2 L a2@example.com"}));
    EXPECT_EQ(readBytes(path("family.DAT")).size(), 2 * Contact::RecordLength);
}

TEST_F(CsvImportTest, AccentedNamesFromUtf8AndWindows1252FilesAndAByteOrderMark)
{
    const QString line = QStringLiteral("Jos\u00e9,,Pe\u00f1a,,,,,,,,0,,,,jose@example.com,,,");
    const struct {
        const char* what;
        QByteArray bytes;
    } rows[] = {
        {"utf-8", (kOwnHeader + QStringLiteral("\r\n") + line).toUtf8()},
        {"utf-8 with mark", "\xEF\xBB\xBF" + (kOwnHeader + QStringLiteral("\r\n") + line).toUtf8()},
        {"windows-1252", toWindows1252(kOwnHeader + QStringLiteral("\n") + line + QStringLiteral("\n"))},
        {"utf-8, composed from combining marks",
         (kOwnHeader + QStringLiteral("\r\nJose\u0301,,Pen\u0303a,,,,,,,,0,,,,jose@example.com,,,")).toUtf8()},
    };
    for (const auto& row : rows) {
        contacts.close();
        QFile::remove(path("family.DAT"));
        contacts.open(path("family.DAT"));
        const ImportResult r = run(csv(row.bytes));
        EXPECT_EQ(r.written, 1) << row.what;
        const QByteArray record = readBytes(path("family.DAT"));
        EXPECT_EQ(record.left(11), QByteArray("Jos\xE9       ")) << row.what;
        EXPECT_EQ(record.mid(14, 16), QByteArray("Pe\xF1" "a            ")) << row.what;
    }
}

TEST_F(CsvImportTest, FilesThatAreNotTextAreRefusedWithoutWritingAnything)
{
    QByteArray allBytes;
    for (int i = 0; i < 1024; ++i)
        allBytes.append(char(i % 256));
    // Lengths from the literals: they hold NUL bytes, and a count past their end reads beyond them.
    static const char pngBytes[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
    static const char zipBytes[] = "PK\x03\x04\x14\0\0\0\x08\0Name,Email,\xff\xfe\x01";
    const QByteArray png(pngBytes, sizeof pngBytes - 1);
    const QByteArray zip(zipBytes, sizeof zipBytes - 1);
    for (const QByteArray& bytes : {allBytes, png, zip, QByteArray()}) {
        fake.messages.clear();
        const ImportResult r = run(csv(bytes));
        EXPECT_EQ(r.outcome, ImportResult::NoLayout) << bytes.left(8).toHex().toStdString();
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].title, "No contacts imported");
        EXPECT_EQ(contacts.recordCount(), 0);
    }
}

TEST_F(CsvImportTest, ChoosingAFileProvesItCanBeRead)
{
    const QString file = csv("a,b\r\n");
    fake.fileAnswers = {FileDialogAnswer{file, QStringLiteral("in.csv")}};
    CsvChoice choice = chooseCsvFile(fake);
    EXPECT_EQ(choice.outcome, CsvChoice::Chosen);
    EXPECT_EQ(choice.path, file);
    EXPECT_EQ(choice.title, "in.csv");
    ASSERT_EQ(fake.fileRequests.size(), 1u);
    EXPECT_EQ(fake.fileRequests[0].title, "Open");
    EXPECT_EQ(fake.fileRequests[0].filter,
              "CSV Files (*.CSV)|*.CSV|vCard Files (*.VCF)|*.VCF|Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*");

    EXPECT_EQ(chooseCsvFile(fake).outcome, CsvChoice::Cancelled); // empty script: the user cancels
    EXPECT_TRUE(fake.messages.empty());

    fake.fileAnswers = {FileDialogAnswer{path("nothing.csv"), QStringLiteral("nothing.csv")}};
    fake.messageAnswers = {MessageAnswer::Retry};
    choice = chooseCsvFile(fake);
    EXPECT_EQ(choice.outcome, CsvChoice::ErrorRetry);
    EXPECT_EQ(lastMessage(), "An error has occurred. Error number 53 -- File not found.  Try again, or notify Tessaprint.");
}

TEST_F(CsvImportTest, ContactsWithTextOutsideWindows1252AreCountedAndListed)
{
    const ImportResult r = run(csv(QStringLiteral("First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\n"
                                                  "Ann,Lee,,,,,,ann@example.com\r\n"
                                                  "Rene\u0301,Roy,,,,,,rene@example.com\r\n"
                                                  "\u674e,Wei,,,,,,li@example.com\r\n"
                                                  "Dov,\u05db\u05d4\u05df \U0001F600,,,,,,dov@example.com\r\n")
                                       .toUtf8()));
    EXPECT_EQ(r.written, 4);
    EXPECT_EQ(lastMessage(), QStringLiteral("D O N E !  4 contacts successfully imported.  In 2 of them, characters "
                                            "that the contact file cannot store were saved as \"?\"."));
    EXPECT_EQ(r.changedContacts,
              QStringList({QStringLiteral("Record 3, \u674e Wei: First Name \u674e (U+674E) -- saved as \"?\""),
                           QStringLiteral("Record 4, Dov \u05db\u05d4\u05df \U0001F600: Last Name \u05db (U+05DB), "
                                          "\u05d4 (U+05D4), \u05df (U+05DF), \U0001F600 (U+1F600) -- saved as \"??? ?\"")}));
    EXPECT_EQ(readBytes(path("family.DAT")).mid(Contact::RecordLength, 5), QByteArray("Ren\xe9 "));
}
