#include "batch/BatchCommands.h"
#include "batch/BatchPlatform.h"
#include "contacts/ContactFile.h"
#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Batch;

namespace {

Request labels(const QString& position)
{
    Request r;
    r.command = Command::Labels;
    r.position = position;
    r.lines = {QStringLiteral("Ann Lee"), QStringLiteral("1 Elm St"), QString(), QString(), QString()};
    r.target.pdfPath = QStringLiteral("out.pdf");
    return r;
}

Request envelope(int size)
{
    Request r;
    r.command = Command::Envelope;
    r.envelopeSize = size;
    r.lines = {QStringLiteral("Ann Lee"), QString(), QString(), QString(), QString()};
    r.target.pdfPath = QStringLiteral("out.pdf");
    return r;
}

Request onFile(Command command, const QString& path)
{
    Request r;
    r.command = command;
    r.contactFile = path;
    r.target.pdfPath = QStringLiteral("out.pdf");
    return r;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Contact person(const QString& first, const QString& last, const QString& city)
{
    Contact c = Contact::blank();
    c.FirstName = first;
    c.LastName = last;
    c.City = city;
    c.BirthdayReminder = QStringLiteral("0");
    return c;
}

} // namespace

TEST(BatchCommands, LabelPositionsLeaveTheComposerTheDialogWould)
{
    const struct {
        const char* position;
        bool chosen;
        const char *start, *end;
        int count;
        const char *indent, *padRows, *caption;
    } cases[] = {
        {"5", true, "5", "", 1, "35", "10", "Label Position 5"},
        {" 4 - 9", true, "4", "9", 6, "2", "10", "Label Position 4-9"},
        {"1-30", true, "1", "30", 30, "2", "3", "Label Position 1-30"},
        {"30", true, "30", "", 1, "68", "63", "Label Position 30"},
        // A start of 0 leaves neither medium chosen, and the margins of the reset.
        {"0", false, "0", "", 1, "2", "3", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        FakePlatform fake;
        const std::optional<Composer> composer = composerFor(fake, labels(QString::fromUtf8(c.position)));
        ASSERT_TRUE(composer.has_value());
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_TRUE(fake.prompts.empty()) << "the command line answers the prompt";
        EXPECT_EQ(composer->labelStock, c.chosen);
        EXPECT_FALSE(composer->envelope);
        EXPECT_EQ(composer->startPosition, c.start);
        EXPECT_EQ(composer->endPosition, c.end);
        EXPECT_EQ(composer->labelCount, c.count);
        EXPECT_EQ(composer->leftPad, c.indent);
        EXPECT_EQ(composer->topPad, c.padRows);
        EXPECT_EQ(composer->positionCaption, c.caption);
        EXPECT_TRUE(composer->portrait);
    }
}

TEST(BatchCommands, EnvelopeSizesAndOptionsSetTheMarginsAndFontsAsTheWindowDoes)
{
    const struct {
        int size;
        std::optional<bool> portrait;
        std::optional<QString> indent, padRows;
        const char *sizeNumber, *leftPad, *topPad;
        bool portraitAfter, boldAfter;
    } cases[] = {
        {1, {}, {}, {}, "1", "38", "33", false, true},
        {2, {}, {}, {}, "2", "23", "32", false, true},
        {6, {}, {}, {}, "6", "36", "25", false, true},
        {7, {}, {}, {}, "7", "30", "30", false, true},
        // Portrait resets the margin boxes; typed margins come after every click.
        {3, true, {}, {}, "3", "2", "3", true, true},
        {7, {}, QStringLiteral("12"), QStringLiteral("x"), "7", "12", "x", false, true},
        // No size picked: Bold and Large font never showed, so neither can be on.
        {0, {}, {}, {}, "0", "2", "3", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        FakePlatform fake;
        Request r = envelope(c.size);
        r.portrait = c.portrait;
        r.indent = c.indent;
        r.padRows = c.padRows;
        r.bold = true;
        r.largeFont = true;
        const std::optional<Composer> composer = composerFor(fake, r);
        ASSERT_TRUE(composer.has_value());
        EXPECT_TRUE(composer->envelope);
        EXPECT_FALSE(composer->labelStock);
        EXPECT_EQ(composer->envelopeSizeNumber, c.sizeNumber);
        EXPECT_EQ(composer->leftPad, c.leftPad);
        EXPECT_EQ(composer->topPad, c.topPad);
        EXPECT_EQ(composer->portrait, c.portraitAfter);
        EXPECT_EQ(composer->bold, c.boldAfter);
        EXPECT_EQ(composer->largeFont, c.boldAfter);
        EXPECT_TRUE(composer->positionCaption.isEmpty());
    }
}

TEST(BatchCommands, RefusedPrintoutsSayWhyAndNeverReachThePrinter)
{
    const auto noPrinter = [](const QString&) { return false; };
    Request fiveLines = labels(QStringLiteral("1"));
    fiveLines.command = Command::ReturnAddress;
    fiveLines.lines[3] = QStringLiteral("line 4");
    Request noLines = fiveLines;
    noLines.lines = {};
    Request onPrinter = labels(QStringLiteral("5"));
    onPrinter.target = {QString(), QStringLiteral("Basement Laser"), QString()};
    Request intoNowhere = labels(QStringLiteral("5"));
    intoNowhere.target.pdfPath = QStringLiteral("/no/such/folder/out.pdf");
    Request landscapeLow = labels(QStringLiteral("28"));
    landscapeLow.portrait = false;
    // Real files beside a real contact file: the printout must land on none of them.
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString club = dir.filePath(QStringLiteral("Club.DAT")), notes = dir.filePath(QStringLiteral("notes.txt"));
    const QString link = dir.filePath(QStringLiteral("club.pdf"));
    const QByteArray clubBytes = person(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Reno")).toRecord();
    writeFile(club, clubBytes);
    writeFile(notes, "keep me");
    writeFile(dir.filePath(QStringLiteral("out-2.pdf")), "not a PDF");
    ASSERT_TRUE(QFile::link(club, link));
    const auto bytesOf = [](const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : ""; };
    const auto report = [&](const QString& pdf, int copies) {
        Request r = onFile(Command::Report, club);
        r.target.pdfPath = pdf;
        r.copies = copies;
        return r;
    };

    const struct {
        const char* what;
        Request request;
        const char* title;
        QString text;
    } cases[] = {
        {"position over 30", labels(QStringLiteral("31")), "Maximum is 30", "Label position cannot exceed 30"},
        {"no dash", labels(QStringLiteral("123")), "Include dash for range of labels", "Use a dash when specifying"},
        {"end before start", labels(QStringLiteral("9-4")), "Try again", "Label starting position cannot exceed"},
        {"range past 30", labels(QStringLiteral("5-35")), "Maximum is 30", "Label position cannot exceed 30"},
        {"start 0", labels(QStringLiteral("0")), "Media Selection", "Select Label stock or Envelope"},
        {"no lines", [] { Request r = labels(QStringLiteral("5")); r.lines = {}; return r; }(), "Missing Data",
         "No information entered"},
        {"landscape bottom rows", landscapeLow, "Landscape", "In Landscape only label positions 1 to"},
        {"no envelope size", envelope(0), "Envelope Size", "Select Envelope size"},
        {"return address lines 4 and 5", fiveLines, "Small label can fit only 3 lines", "Leave Lines 4 and 5 blank"},
        {"return address without lines", noLines, "Instructions", "Fill in Lines 1, 2, and 3"},
        {"unknown printer", onPrinter, "Printer not found", "There is no printer named \"Basement Laser\"."},
        {"PDF folder missing", intoNowhere, "PDF file", "The folder /no/such/folder does not exist."},
        {"PDF onto the contact file", report(club, 1), "PDF file", club + " is the contact file: printing into it"},
        {"the contact file spelt another way", report(folder.path() + "/./Club.DAT", 1), "PDF file",
         folder.path() + "/./Club.DAT is the contact file"},
        {"a link to the contact file", report(link, 1), "PDF file",
         link + " is the contact file " + club + " by another name"},
        {"a file that is not a PDF", report(notes, 1), "PDF file", notes + " is not a PDF file"},
        {"a later copy onto a file that is not a PDF", report(dir.filePath(QStringLiteral("out.pdf")), 2), "PDF file",
         dir.filePath(QStringLiteral("out-2.pdf")) + " is not a PDF file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePlatform fake;
        EXPECT_EQ(runCommand(fake, c.request, noPrinter), kRefused);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].title, c.title);
        EXPECT_TRUE(fake.messages[0].text.startsWith(c.text)) << fake.messages[0].text.toStdString();
        EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake.beeps, 1);
        EXPECT_TRUE(fake.printRequests.empty());
    }
    EXPECT_EQ(bytesOf(club), clubBytes);
    EXPECT_EQ(bytesOf(notes), "keep me");
    // A PDF, or an empty file, may be printed over.
    writeFile(notes, "%PDF-1.4\n");
    writeFile(dir.filePath(QStringLiteral("out-2.pdf")), "");
    FakePlatform fake;
    EXPECT_EQ(runCommand(fake, report(notes, 1), {}), kDone);
    EXPECT_EQ(runCommand(fake, report(dir.filePath(QStringLiteral("out.pdf")), 2), {}), kDone);
}

TEST(BatchCommands, PrintoutsThatPassReachThePrintDialogOnceAndSucceed)
{
    FakePlatform fake;
    Request r = labels(QStringLiteral("4-9"));
    r.target = {QString(), QStringLiteral("Office"), QString()};
    EXPECT_EQ(runCommand(fake, r, [](const QString& name) { return name == QLatin1String("Office"); }), kDone);
    EXPECT_EQ(fake.printRequests.size(), 1u);
    EXPECT_TRUE(fake.messages.empty());
    ASSERT_EQ(fake.allDocuments().size(), 1u);
    EXPECT_TRUE(fake.allDocuments()[0].ended);

    // A printer that fails is the printer problem, and a failure.
    FakePlatform failing;
    FakePlatform::PrintAnswer answer;
    answer.failAtDraw = 2;
    failing.printAnswers.push_back(answer);
    EXPECT_EQ(runCommand(failing, envelope(1), {}), kRefused);
    ASSERT_EQ(failing.messages.size(), 1u);
    EXPECT_EQ(failing.messages[0].text, "A printer problem exists.  Check printer.");
}

TEST(BatchCommands, ContactFileCommandsRefuseAMissingFileAndCreateNone)
{
    QTemporaryDir folder;
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("Nobody.DAT"));
    Request import = onFile(Command::Import, missing);
    import.csvFile = QDir(folder.path()).filePath(QStringLiteral("in.csv"));
    writeFile(import.csvFile, "First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\nAnn,Lee,,,,,,ann@example.com\r\n");
    for (Command command : {Command::ListLabels, Command::Report, Command::Export, Command::Import}) {
        SCOPED_TRACE(static_cast<int>(command));
        FakePlatform fake;
        const Request r = command == Command::Import ? import : onFile(command, missing);
        EXPECT_EQ(runCommand(fake, r, {}), kRefused);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].title, "No contact file");
        EXPECT_EQ(fake.messages[0].text, "There is no contact file " + missing + ".");
        EXPECT_FALSE(QFileInfo::exists(missing));
        EXPECT_TRUE(fake.printRequests.empty());
    }
    // A folder is no contact file either.
    FakePlatform fake;
    EXPECT_EQ(runCommand(fake, onFile(Command::Report, folder.path()), {}), kRefused);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, folder.path() + " is a folder, not a contact file.");
}

TEST(BatchCommands, ImportTakesKnownLayoutsOnlyAndCreatesTheFileWhenAsked)
{
    QTemporaryDir folder;
    const QString dat = QDir(folder.path()).filePath(QStringLiteral("Friends.DAT"));
    const QString csv = QDir(folder.path()).filePath(QStringLiteral("in.csv"));
    Request r = onFile(Command::Import, dat);
    r.csvFile = csv;
    r.create = true;

    const struct {
        const char* what;
        QByteArray csv;
        int status;
        const char* message;
        int records;             // on file afterwards
        const char* listed = {}; // then, the contact stored with '?'
    } cases[] = {
        {"unknown layout", "Company,Phone\r\nAcme,555-1234\r\n", kRefused,
         "No contacts imported: CSV file not compatible with import function.", 0},
        {"known layout", "First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\nAnn,Lee,,,,,,ann@example.com\r\n",
         kDone, "Import completed: D O N E !  1 contacts successfully imported.", 1},
        {"the same again", "First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\nAnn,Lee,,,,,,ann@example.com\r\n",
         kDone, "Import completed: D O N E !  0 contacts successfully imported.", 1},
        {"text the file cannot hold", "First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\n"
                                      "\xe6\x9d\x8e,Wei,,,,,,li@example.com\r\n",
         kDone, "Import completed: D O N E !  1 contacts successfully imported.  In 1 of them, characters that the "
                "contact file cannot store were saved as \"?\".", 2,
         "Characters that cannot be stored: Record 2, \xe6\x9d\x8e Wei: First Name \xe6\x9d\x8e (U+674E) -- saved as \"?\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(csv, c.csv);
        QString written;
        QTextStream stream(&written);
        BatchPlatform platform(stream, {}, 1, folder.path());
        EXPECT_EQ(runCommand(platform, r, {}), c.status);
        QStringList shown{QString::fromUtf8(c.message)};
        if (c.listed)
            shown << QString::fromUtf8(c.listed);
        EXPECT_EQ(platform.shown(), shown);
        EXPECT_EQ(written, shown.join(u'\n') + u'\n');
        // The file made for a refused import is gone again.
        ASSERT_EQ(QFileInfo::exists(dat), c.records > 0);
        if (c.records > 0) {
            ContactFile file;
            file.open(dat);
            EXPECT_EQ(file.recordCount(), c.records);
        }
    }

    // A CSV that is not there is refused before the contact file is touched.
    QFile::remove(dat);
    r.csvFile = QDir(folder.path()).filePath(QStringLiteral("gone.csv"));
    FakePlatform fake;
    EXPECT_EQ(runCommand(fake, r, {}), kRefused);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "There is no file " + r.csvFile + " to import.");
    EXPECT_FALSE(QFileInfo::exists(dat));
}

TEST(BatchCommands, ImportedRecordsKeepTheFilesReminderSwitch)
{
    QTemporaryDir folder;
    const QString dat = QDir(folder.path()).filePath(QStringLiteral("Quiet.DAT"));
    {
        ContactFile file;
        file.open(dat);
        file.append(person(QStringLiteral("Old"), QStringLiteral("Timer"), QStringLiteral("Reno"))); // switch off
    }
    Request r = onFile(Command::Import, dat);
    r.csvFile = QDir(folder.path()).filePath(QStringLiteral("in.csv"));
    writeFile(r.csvFile, "First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes\r\nAnn,Lee,,,,,,ann@example.com\r\n");
    FakePlatform fake;
    ASSERT_EQ(runCommand(fake, r, {}), kDone);
    ContactFile file;
    file.open(dat);
    ASSERT_EQ(file.recordCount(), 2);
    EXPECT_EQ(file.read(2).BirthdayReminder, "0");

    // While another program holds the file (this one, through `file`), the import waits, then
    // gives up having written nothing.
    r.waitSeconds = 0;
    FakePlatform held;
    EXPECT_EQ(runCommand(held, r, {}), kRefused);
    ASSERT_EQ(held.messages.size(), 1u);
    EXPECT_EQ(held.messages[0].text,
              QStringLiteral("Quiet.DAT is open in another Tessaprint (test_batch, process %1). Nothing was written: "
                             "close it there, or wait longer (--wait SECONDS), and try again.")
                  .arg(QCoreApplication::applicationPid()));
    EXPECT_EQ(file.recordCount(), 2);
}

TEST(BatchCommands, ListingsSayWhenNothingIsFoundAndExportGoesToTheFolder)
{
    QTemporaryDir folder;
    const QString dat = QDir(folder.path()).filePath(QStringLiteral("Club.DAT"));
    // Held open for writing all along: the listings and the export only read, whoever holds it.
    ContactFile held;
    held.open(dat);
    held.append(person(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Reno")));
    held.append(person(QStringLiteral("Bo"), QStringLiteral("Ng"), QStringLiteral("Elko")));
    // As in the window: no labels for an empty list, but the report's empty page.
    const struct {
        Command command;
        int status;
        QStringList messages;
        std::size_t printRequests;
    } nothingFound[] = {
        {Command::ListLabels, kRefused, {"No contacts found.", "Empty list, no labels to print."}, 0},
        {Command::Report, kDone, {"No contacts found."}, 1},
    };
    for (const auto& row : nothingFound) {
        const Command command = row.command;
        FakePlatform fake;
        Request r = onFile(command, dat);
        r.searchMode = ContactList::City;
        r.searchText = QStringLiteral("Vegas");
        EXPECT_EQ(runCommand(fake, r, {}), row.status);
        QStringList shown;
        for (const RecordedMessage& message : fake.messages)
            shown << message.text;
        EXPECT_EQ(shown, row.messages);
        EXPECT_EQ(fake.printRequests.size(), row.printRequests);

        FakePlatform found;
        r.searchText = QStringLiteral("reno");
        EXPECT_EQ(runCommand(found, r, {}), kDone);
        EXPECT_EQ(found.printRequests.size(), 1u);
        EXPECT_TRUE(found.messages.empty());
    }

    QTemporaryDir out;
    FakePlatform fake;
    fake.folder = out.path();
    Request r = onFile(Command::Export, dat);
    r.exportKind = ExportKind::Text;
    EXPECT_EQ(runCommand(fake, r, {}), kDone);
    EXPECT_TRUE(QFileInfo::exists(QDir(out.path()).filePath(QStringLiteral("DODU_Club.txt"))));
    EXPECT_TRUE(fake.messages.back().text.endsWith(QStringLiteral("This file is named DODU_Club.txt")));
    r.folder = out.path(); // the folder the tool hands the platform as the program's
    EXPECT_EQ(runCommand(fake, r, {}), kDone);
    EXPECT_EQ(fake.messages.back().text,
              "The file is " + QDir::toNativeSeparators(QDir(out.path()).filePath(QStringLiteral("DODU_Club.txt"))) + ".")
        << "the message before it names the program's folder";
    r.folder = QDir(out.path()).filePath(QStringLiteral("missing"));
    EXPECT_EQ(runCommand(fake, r, {}), kRefused);
    EXPECT_EQ(fake.messages.back().text, "There is no folder " + r.folder + ".");
}

TEST(BatchPlatform, AnswersEveryQuestionWithWhatLosesNothing)
{
    const struct {
        MessageButtons buttons;
        MessageAnswer answer;
    } cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::No},
        {MessageButtons::RetryCancel, MessageAnswer::Cancel},
    };
    for (const auto& c : cases) {
        QString written;
        QTextStream stream(&written);
        BatchPlatform platform(stream, {}, 1, QString());
        EXPECT_EQ(platform.messageBox(QStringLiteral("Text"), QStringLiteral("Title"), c.buttons, MessageIcon::None),
                  c.answer);
        EXPECT_EQ(written, "Title: Text\n");
        EXPECT_TRUE(platform.inputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("1")).isEmpty());
        EXPECT_FALSE(platform.openFileDialog({}).has_value());
    }
}

TEST(BatchPlatform, PrintDialogHandsOutTheTargetWithItsCopies)
{
    QTemporaryDir folder;
    QString written;
    QTextStream stream(&written);
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("x.pdf"));
    BatchPlatform platform(stream, {pdf, QString(), QStringLiteral("Officejet Pro")}, 3, folder.path());
    std::optional<PrintChoice> choice = platform.printDialog({});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->copies, 3);
    EXPECT_EQ(choice->printer->deviceName(), "Officejet Pro");
    const PageGeometry page = choice->printer->page();
    EXPECT_DOUBLE_EQ(page.width, 612);
    EXPECT_DOUBLE_EQ(page.height, 792);
}
