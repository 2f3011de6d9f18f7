#include "BatchTool.h"
#include "contacts/ContactFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BatchTool, ExitStatusAndErrorOutputTellWhatHappened)
{
    QTemporaryDir folder;
    const QString dir = folder.path();
    const QString pdf = QDir(dir).filePath(QStringLiteral("out.pdf"));
    const QString dat = QDir(dir).filePath(QStringLiteral("Club.DAT"));
    const QString csv = QDir(dir).filePath(QStringLiteral("phones.csv"));
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Company,Phone\r\nAcme,555-1234\r\n");
    }
    const QString club = QDir(dir).filePath(QStringLiteral("Members.DAT"));
    {
        ContactFile file;
        file.open(club);
        file.append(Contact::blank());
    }
    const QString streets = QDir(dir).filePath(QStringLiteral("Streets.DAT"));
    {
        ContactFile file;
        file.open(streets);
        for (const char* street : {"1 Elm St", "2 Elm St", "12345 North Longwood Boulevard"}) {
            Contact c = Contact::blank();
            c.FirstName = QStringLiteral("Ann");
            c.LastName = QStringLiteral("Lee");
            c.Street1 = QString::fromLatin1(street);
            c.Street2 = QStringLiteral("Suite 100");
            file.append(c);
        }
    }
    const struct {
        QStringList arguments;
        int status;
        QString err; // a line the error output holds; empty: none at all
        bool pdfWritten;
    } cases[] = {
        {{"labels", "--position", "31", "--pdf", pdf, "Ann"}, 1, "Maximum is 30: Label position cannot exceed 30",
         false},
        {{"labels", "--position", "6-2", "--pdf", pdf, "Ann"}, 1,
         "Try again: Label starting position cannot exceed ending position.", false},
        {{"labels", "--position", "5", "--printer", "No Such Printer 7", "Ann"}, 1,
         "Printer not found: There is no printer named \"No Such Printer 7\".", false},
        {{"report", "--file", dat, "--pdf", pdf}, 1,
         "No contact file: There is no contact file " + dat + ".", false},
        {{"import", "--file", dat, "--csv", csv, "--create"}, 1,
         "No contacts imported: CSV file not compatible with import function.", false},
        {{"import", "--file", dat, "--vcard", csv, "--create"}, 1,
         "No contacts imported: vCard file not compatible with import function.", false},
        {{"report", "--file", club, "--pdf", club}, 1, "PDF file: " + club + " is the contact file", false},
        {{"labels", "--position", "5"}, 2, "tessaprint-batch: labels prints to a PDF file or to a printer", false},
        {{"frobnicate"}, 2, "tessaprint-batch: unknown command 'frobnicate'", false},
        {{"labels", "--position", "5", "--pdf", pdf, "Ann Lee", "1 Elm St"}, 0, "", true},
        // Nothing is printed past the envelope's edge while success is reported.
        {{"envelope", "--size", "1", "--pad-rows", "45", "--pdf", pdf, "Ann Lee", "1 Elm St"}, 1,
         "Envelope margins: The address does not fit on the envelope: with 45 pad rows", false},
        // An empty result prints the empty report, as the window does.
        {{"report", "--file", club, "--search", "city", "--text", "Vegas", "--pdf", pdf}, 0,
         "Contact file empty.: No contacts found.", true},
        {{"list-labels", "--file", streets, "--pdf", pdf}, 0,
         "Labels too long: Some lines will not fit on their labels:", true},
        {{"export", "--file", streets, "--format", "vcard", "--vcard-version", "3", "--folder", dir}, 0,
         "Export file created: D O N E !  A vCard file of contacts has been created", false},
        {{"import", "--file", QDir(dir).filePath("Back.DAT"), "--vcard", QDir(dir).filePath("Streets.vcf"), "--create"},
         0, "Import completed: D O N E !  3 contacts successfully imported.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QFile::remove(pdf);
        const ToolRun run = runTool(c.arguments, dir);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        if (!c.err.isEmpty())
            EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
        else
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(QFileInfo::exists(pdf), c.pdfWritten);
    }
    EXPECT_FALSE(QFileInfo::exists(dat)) << "a refused import leaves no contact file it created";
    EXPECT_EQ(QFileInfo(club).size(), Contact::RecordLength) << "the contact file is not printed over";
}

TEST(BatchTool, HelpGoesToTheStandardOutput)
{
    const struct {
        QStringList arguments;
        const char* first;
    } cases[] = {
        {{"--help"}, "Usage: tessaprint-batch COMMAND [OPTIONS] [LINE...]"},
        {{"envelope", "--help"}, "Usage: tessaprint-batch envelope --size N (--pdf FILE | --printer NAME) [OPTIONS] LINE..."},
        {{"report", "-h"}, "Usage: tessaprint-batch report --file FILE.DAT (--pdf FILE | --printer NAME) [OPTIONS]"},
        {{"--version"}, "tessaprint-batch " TP_PROJECT_VERSION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.split(u'\n').value(0), QString::fromUtf8(c.first));
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

TEST(BatchTool, PrintsWithoutADisplayOrAnythingSet)
{
    QTemporaryDir folder;
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("bare.pdf"));
    const ToolRun run = runTool({QStringLiteral("return-address"), QStringLiteral("--pdf"), pdf, QStringLiteral("A"),
                                 QStringLiteral("B"), QStringLiteral("C")},
                                folder.path(), true);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}
