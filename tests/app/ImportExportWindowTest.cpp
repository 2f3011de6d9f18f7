#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "windows/frmLMExport.h"
#include "windows/frmLMImport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class ImportExportWindowTest : public MainWindowTest {
protected:
    QString path(const QString& name) const { return QDir(fake->folder).filePath(name); }

    void openContactFile()
    {
        fake->fileAnswers.push_back(FileDialogAnswer{path("family.DAT"), QStringLiteral("family.DAT")});
        named<QAction>(window, "mnuFileNew")->trigger();
        ASSERT_TRUE(window->session().isOpen());
    }

    void writeCsv(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(ImportExportWindowTest, ImportWindowChoosesAFileImportsAndReturns)
{
    openContactFile();
    named<QAction>(window, "mnuImport")->trigger();
    frmLMImport* w = window->importWindow();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(w->windowTitle(), "Import Contacts  [family]");
    EXPECT_FALSE(named<QPushButton>(w, "cmdStartImport")->isEnabled());
    EXPECT_TRUE(named<QLineEdit>(w, "txtImpFilename")->isHidden());
    EXPECT_TRUE(named<QLineEdit>(w, "txtImpData")->isHidden());
    EXPECT_EQ(named<QPushButton>(w, "cmdCsvOpen")->text(), "&Open csv file");
    EXPECT_EQ(named<QPushButton>(w, "cmdStartImport")->text(), "&Import");
    EXPECT_EQ(named<QPushButton>(w, "cmdImpCancel")->text(), "&Close");
    EXPECT_EQ(caption(named<QAction>(w, "mnuITHelpUM")->text()), "User Manual");

    writeCsv("list.csv", "First Name,Last Name,Email,x\r\nAnn,Lee,ann@example.com\r\n");
    fake->fileAnswers.push_back(FileDialogAnswer{path("list.csv"), QStringLiteral("list.csv")});
    named<QPushButton>(w, "cmdCsvOpen")->click();
    EXPECT_FALSE(named<QLineEdit>(w, "txtImpFilename")->isHidden());
    EXPECT_EQ(named<QLineEdit>(w, "txtImpFilename")->text(), "list.csv");
    ASSERT_TRUE(named<QPushButton>(w, "cmdStartImport")->isEnabled());

    named<QPushButton>(w, "cmdStartImport")->click();
    ASSERT_FALSE(fake->messages.empty());
    EXPECT_EQ(fake->messages.back().text, "D O N E !  1 contacts successfully imported.");
    EXPECT_FALSE(named<QPushButton>(w, "cmdStartImport")->isEnabled());
    EXPECT_EQ(window->session().file.recordCount(), 1);
    EXPECT_EQ(window->session().file.read(1).BirthdayReminder, "1");
    EXPECT_TRUE(named<QAction>(window, "mnuFileBdayOff")->isEnabled()) << "the import leaves the reminder menus alone";

    named<QPushButton>(w, "cmdImpCancel")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));

    // Opening again starts afresh.
    named<QAction>(window, "mnuImport")->trigger();
    EXPECT_FALSE(named<QPushButton>(w, "cmdStartImport")->isEnabled());
    EXPECT_TRUE(named<QLineEdit>(w, "txtImpFilename")->isHidden());
}

TEST_F(ImportExportWindowTest, ImportExitClosesTheContactFileAsFileCloseDoes)
{
    openContactFile();
    named<QAction>(window, "mnuImport")->trigger();
    named<QAction>(window->importWindow(), "mnuITFileExit")->trigger();
    EXPECT_FALSE(window->session().isOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tessaprint");
    EXPECT_FALSE(named<QAction>(window, "mnuImport")->isEnabled());
}

TEST_F(ImportExportWindowTest, ExportWindowNeedsAKindThenCreatesTheFile)
{
    openContactFile();
    Contact c = Contact::blank();
    c.FirstName = QStringLiteral("Ann");
    c.LastName = QStringLiteral("Lee");
    window->session().file.append(c);

    named<QAction>(window, "mnuExport")->trigger();
    frmLMExport* w = window->exportWindow();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(w->windowTitle(), "Export Contacts  [family]");
    EXPECT_FALSE(named<QRadioButton>(w, "optExpCGCSV")->isChecked());
    EXPECT_FALSE(named<QRadioButton>(w, "optExpCGTXT")->isChecked());
    EXPECT_FALSE(named<QPushButton>(w, "cmdExpCreate")->isEnabled());
    EXPECT_EQ(named<QPushButton>(w, "cmdExpCreate")->text(), "&Create export file");
    EXPECT_EQ(named<QPushButton>(w, "cmdExpCancel")->text(), "C&lose");
    EXPECT_EQ(named<QLabel>(w, "lblExpBanner")->text(), "Tessaprint");

    named<QRadioButton>(w, "optExpCGTXT")->click();
    ASSERT_TRUE(named<QPushButton>(w, "cmdExpCreate")->isEnabled());
    named<QPushButton>(w, "cmdExpCreate")->click();
    EXPECT_TRUE(QFile::exists(path("DODU_family.txt")));
    ASSERT_FALSE(fake->messages.empty());
    EXPECT_EQ(fake->messages.back().title, "Export file created");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), named<QPushButton>(w, "cmdExpCancel"));

    named<QPushButton>(w, "cmdExpCancel")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));
}

TEST_F(ImportExportWindowTest, AVCardExportedFromOneFileImportsIntoAnotherTheSame)
{
    openContactFile();
    Contact c = Contact::blank();
    c.FirstName = QStringLiteral("Ann");
    c.LastName = QStringLiteral("Lee");
    c.Zip = QStringLiteral("K1A 0B1");
    c.IncludeCompany = QStringLiteral("0");
    c.BirthdayReminder = QStringLiteral("1");
    window->session().file.append(c);
    const Contact stored = window->session().file.read(1);
    named<QAction>(window, "mnuExport")->trigger();
    named<QRadioButton>(window->exportWindow(), "optExpCGVCF")->click();
    named<QPushButton>(window->exportWindow(), "cmdExpCreate")->click();
    named<QPushButton>(window->exportWindow(), "cmdExpCancel")->click();
    ASSERT_TRUE(QFile::exists(path("family.vcf")));

    fake->fileAnswers.push_back(FileDialogAnswer{path("copy.DAT"), QStringLiteral("copy.DAT")});
    named<QAction>(window, "mnuFileNew")->trigger();
    named<QAction>(window, "mnuImport")->trigger();
    fake->fileAnswers.push_back(FileDialogAnswer{path("family.vcf"), QStringLiteral("family.vcf")});
    named<QPushButton>(window->importWindow(), "cmdCsvOpen")->click();
    named<QPushButton>(window->importWindow(), "cmdStartImport")->click();
    EXPECT_EQ(fake->messages.back().text, "D O N E !  1 contacts successfully imported.");
    ASSERT_EQ(window->session().file.recordCount(), 1);
    EXPECT_TRUE(window->session().file.read(1) == stored);
}

TEST_F(ImportExportWindowTest, ClosingTheMainWindowClosesThem)
{
    openContactFile();
    named<QAction>(window, "mnuExport")->trigger();
    named<QPushButton>(window->exportWindow(), "cmdExpCancel")->click();
    named<QAction>(window, "mnuImport")->trigger();
    named<QPushButton>(window->importWindow(), "cmdImpCancel")->click();
    window->close();
    EXPECT_FALSE(window->importWindow()->isVisible());
    EXPECT_FALSE(window->exportWindow()->isVisible());
    EXPECT_FALSE(window->isVisible());
}
