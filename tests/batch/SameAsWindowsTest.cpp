// Each printout made twice: by the windows over the scripted platform printing to a PDF file,
// and by the built tool. The two files must hold the same words at the same places, on the
// same number of pages of the same size.
#include "BatchTool.h"
#include "app/frmLDeded.h"
#include "contacts/ContactFile.h"
#include "platform/qt/QtPrinterDevice.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"
#include "windows/frmViewAll.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

void expectSamePdf(const QString& windows, const QString& tool)
{
    ASSERT_TRUE(QFileInfo::exists(windows)) << windows.toStdString();
    ASSERT_TRUE(QFileInfo::exists(tool)) << tool.toStdString();
    EXPECT_EQ(readPdfPageCount(tool), readPdfPageCount(windows));
    const auto [toolWidth, toolHeight] = readPdfPageSize(tool);
    const auto [width, height] = readPdfPageSize(windows);
    EXPECT_NEAR(toolWidth, width, 1e-3);
    EXPECT_NEAR(toolHeight, height, 1e-3);

    const std::vector<PdfWord> expected = readPdfWords(windows);
    const std::vector<PdfWord> actual = readPdfWords(tool);
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PdfWord& e = expected[i];
        const PdfWord& a = actual[i];
        const bool same = a.text == e.text && a.page == e.page && std::abs(a.xMin - e.xMin) < 1e-3
                          && std::abs(a.yMin - e.yMin) < 1e-3 && std::abs(a.xMax - e.xMax) < 1e-3
                          && std::abs(a.yMax - e.yMax) < 1e-3;
        if (!same && ++differing <= 3)
            ADD_FAILURE() << "word " << i << ": '" << a.text.toStdString() << "' at (" << a.xMin << ", " << a.yMin
                          << ") p" << a.page << ", the window's '" << e.text.toStdString() << "' at (" << e.xMin
                          << ", " << e.yMin << ") p" << e.page;
    }
}

// The composer as the user fills it in.
struct Composing {
    QStringList lines;
    QString position;  // Label stock with this answer; empty: Envelope
    int size = 0;      // envelope size picked from the list
    bool centered = false;
    std::optional<bool> portrait;
    bool bold = false, largeFont = false;
    QString indent, padRows;
    QString family;     // the tool's --family
    QString deviceName; // the printer the window prints to file as
    int copies = 1;
};

class SameAsWindows : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    void printFromMainWindow(const Composing& c, const QString& pdf)
    {
        FakePlatform fake;
        frmLDeded window(fake);
        window.show();
        QLineEdit* boxes[] = {named<QLineEdit>(&window, "txtLMLine1"), named<QLineEdit>(&window, "txtLMLine2"),
                              named<QLineEdit>(&window, "txtLMline3"), named<QLineEdit>(&window, "txtLMLine4"),
                              named<QLineEdit>(&window, "txtLMLine5")};
        for (int i = 0; i < c.lines.size(); ++i)
            boxes[i]->setText(c.lines[i]);
        if (!c.position.isEmpty()) {
            fake.inputAnswers = {c.position};
            named<QRadioButton>(&window, "optLMLabel")->click();
        } else {
            named<QRadioButton>(&window, "optLMEnvelope")->click();
            named<QComboBox>(&window, "cboLMEnvelope")->setCurrentIndex(c.size - 1);
            emit named<QComboBox>(&window, "cboLMEnvelope")->activated(c.size - 1);
        }
        if (c.portrait)
            (*c.portrait ? named<QRadioButton>(&window, "optPortrait") : named<QRadioButton>(&window, "optLandscape"))
                ->click();
        if (c.centered)
            named<QRadioButton>(&window, "optLMCenter")->click();
        if (c.bold)
            named<QCheckBox>(&window, "chkBold")->click();
        if (c.largeFont)
            named<QCheckBox>(&window, "chkLargeFont")->click();
        if (!c.indent.isEmpty())
            named<QLineEdit>(&window, "txtLMLeftPad")->setText(c.indent);
        if (!c.padRows.isEmpty())
            named<QLineEdit>(&window, "txtLMToppad")->setText(c.padRows);
        fake.printAnswers.push_back(pdfAnswer(pdf, QPageSize::Letter, c.deviceName, c.copies));
        named<QPushButton>(&window, "cmdLMStart")->click();
        EXPECT_TRUE(fake.messages.empty()) << fake.messages.front().text.toStdString();
    }

    void printFromTool(const Composing& c, const QString& pdf)
    {
        QStringList arguments;
        if (!c.position.isEmpty())
            arguments << QStringLiteral("labels") << QStringLiteral("--position") << c.position;
        else
            arguments << QStringLiteral("envelope") << QStringLiteral("--size") << QString::number(c.size);
        arguments << QStringLiteral("--pdf") << pdf;
        if (c.portrait)
            arguments << (*c.portrait ? QStringLiteral("--portrait") : QStringLiteral("--landscape"));
        if (c.centered)
            arguments << QStringLiteral("--centered");
        if (c.bold)
            arguments << QStringLiteral("--bold");
        if (c.largeFont)
            arguments << QStringLiteral("--large-font");
        if (!c.indent.isEmpty())
            arguments << QStringLiteral("--indent") << c.indent;
        if (!c.padRows.isEmpty())
            arguments << QStringLiteral("--pad-rows") << c.padRows;
        if (!c.family.isEmpty())
            arguments << QStringLiteral("--family") << c.family;
        if (c.copies > 1)
            arguments << QStringLiteral("--copies") << QString::number(c.copies);
        arguments << QStringLiteral("--") << c.lines;
        const ToolRun run = runTool(arguments, folder.path());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
    }

    // A contact file of n contacts in two cities, open in the main window.
    void writeContacts(const QString& dat, int n)
    {
        ContactFile file;
        file.open(dat);
        for (int i = 1; i <= n; ++i) {
            Contact c = Contact::blank();
            c.FirstName = QStringLiteral("First%1").arg(i);
            c.MiddleInitial = i % 2 ? QStringLiteral("Q") : QString();
            c.LastName = QStringLiteral("Last%1").arg((i * 37) % 101);
            c.Street1 = QStringLiteral("%1 Elm St").arg(i);
            c.Street2 = i % 3 ? QString() : QStringLiteral("Apt %1").arg(i);
            c.City = i % 4 ? QStringLiteral("Dayton") : QStringLiteral("Xenia");
            c.State = QStringLiteral("OH");
            c.Zip = QStringLiteral("45402");
            c.HomePhone = QStringLiteral("937-555-%1").arg(1000 + i);
            c.Email = QStringLiteral("p%1@example.com").arg(i);
            c.Company = i % 5 ? QString() : QStringLiteral("Acme %1").arg(i);
            c.IncludeCompany = i % 10 ? QStringLiteral("0") : QStringLiteral("1");
            c.BirthdayReminder = QStringLiteral("1");
            file.append(c);
        }
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SameAsWindows, LabelsAndEnvelopes)
{
    const QStringList four{QStringLiteral("Alexandra Montgomery-Smith"), QStringLiteral("1234 Wintergreen Avenue"),
                           QStringLiteral("Apt 5B"), QStringLiteral("Springfield, IL 62704")};
    const QStringList three{QStringLiteral("Mr. John Q. Public"), QStringLiteral("742 Evergreen Terrace"),
                            QStringLiteral("Springfield, OR 97477")};
    std::vector<std::pair<const char*, Composing>> cases{
        {"label 5", {four, QStringLiteral("5")}},
        {"sheet centred", {four, QStringLiteral("1-30"), 0, true}},
        {"range in landscape", {four, QStringLiteral("4-9"), 0, false, false}},
        {"label on an Officejet", {three, QStringLiteral("12"), 0, false, {}, false, false, {}, {},
                                   QStringLiteral("officejet-pro"), QStringLiteral("Officejet Pro")}},
        {"two copies", {three, QStringLiteral("28-30"), 0, false, {}, false, false, {}, {}, {}, {}, 2}},
        {"envelope in portrait", {three, {}, 2, false, true}},
        {"envelope bold", {three, {}, 1, false, {}, true}},
        {"envelope large", {three, {}, 5, true, {}, false, true}},
        {"custom envelope", {three, {}, 7, false, {}, true, true, QStringLiteral("20"), QStringLiteral("15")}},
        {"envelope on a DeskJet", {three, {}, 1, false, {}, false, false, {}, {}, QStringLiteral("deskjet-640c"),
                                   QStringLiteral("HP DeskJet 640C/642C/648C")}},
    };
    for (int size = 1; size <= 7; ++size)
        cases.push_back({"envelope size", {three, {}, size}});
    int n = 0;
    for (const auto& [what, c] : cases) {
        SCOPED_TRACE(std::string(what) + " " + std::to_string(c.size));
        const QString windows = path(QStringLiteral("windows-%1.pdf").arg(++n));
        const QString tool = path(QStringLiteral("tool-%1.pdf").arg(n));
        printFromMainWindow(c, windows);
        printFromTool(c, tool);
        expectSamePdf(windows, tool);
        if (c.copies > 1)
            expectSamePdf(path(QStringLiteral("windows-%1-2.pdf").arg(n)), path(QStringLiteral("tool-%1-2.pdf").arg(n)));
    }
}

TEST_F(SameAsWindows, ReturnAddressSheet)
{
    const QStringList lines{QStringLiteral("Margaret H. Whitfield"), QStringLiteral("88 Orchard Lane"),
                            QStringLiteral("Dayton, OH 45402")};
    FakePlatform fake;
    frmLDeded window(fake);
    named<QLineEdit>(&window, "txtLMLine1")->setText(lines[0]);
    named<QLineEdit>(&window, "txtLMLine2")->setText(lines[1]);
    named<QLineEdit>(&window, "txtLMline3")->setText(lines[2]);
    fake.printAnswers.push_back(pdfAnswer(path(QStringLiteral("windows.pdf"))));
    // The stock message, then No to another page.
    fake.messageAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    named<QAction>(&window, "mnuRetAddress")->trigger();
    ASSERT_EQ(fake.messages.size(), 2u);

    const ToolRun run = runTool(QStringList{QStringLiteral("return-address"), QStringLiteral("--pdf"),
                                            path(QStringLiteral("tool.pdf"))}
                                + lines);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    expectSamePdf(path(QStringLiteral("windows.pdf")), path(QStringLiteral("tool.pdf")));
}

TEST_F(SameAsWindows, ListLabelsAndReport)
{
    FakePlatform fake;
    fake.folder = folder.path();
    const QString dat = path(QStringLiteral("Club.DAT"));
    writeContacts(dat, 75);
    frmLDeded window(fake);
    window.show();
    fake.fileAnswers.push_back(FileDialogAnswer{dat, QStringLiteral("Club.DAT")});
    named<QAction>(&window, "mnuFileOpen")->trigger();
    ASSERT_TRUE(window.session().isOpen());

    const struct {
        const char* what;
        QStringList search; // the tool's options
        bool report;
    } cases[] = {
        {"labels for all", {}, false},
        {"labels for a city by last name",
         {QStringLiteral("--search"), QStringLiteral("city"), QStringLiteral("--text"), QStringLiteral("dayton"),
          QStringLiteral("--sort"), QStringLiteral("last-name")},
         false},
        {"report of all", {}, true},
        {"report of a city by last name",
         {QStringLiteral("--search"), QStringLiteral("city"), QStringLiteral("--text"), QStringLiteral("dayton"),
          QStringLiteral("--sort"), QStringLiteral("last-name")},
         true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString windows = path(QStringLiteral("list-windows-%1.pdf").arg(++n));
        const QString tool = path(QStringLiteral("list-tool-%1.pdf").arg(n));

        named<QAction>(&window, "mnuSrchContacts")->trigger();
        frmViewAll* list = window.contactList();
        if (!c.search.isEmpty()) {
            fake.inputAnswers = {c.search[3]};
            named<QRadioButton>(list, "optSearchCity")->click();
            named<QRadioButton>(list, "optLnameSort")->click();
        }
        named<QPushButton>(list, "cmdACGetReport")->click();
        fake.printAnswers.push_back(pdfAnswer(windows));
        if (c.report)
            named<QAction>(list, "mnuPrint")->trigger();
        else
            named<QPushButton>(list, "cmdPrintLabels")->click();
        named<QPushButton>(list, "cmdViewAllClose")->click();

        const ToolRun run = runTool(QStringList{c.report ? QStringLiteral("report") : QStringLiteral("list-labels"),
                                                QStringLiteral("--file"), dat, QStringLiteral("--pdf"), tool}
                                    + c.search);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        expectSamePdf(windows, tool);
    }
    EXPECT_GE(readPdfPageCount(path(QStringLiteral("list-tool-1.pdf"))), 3) << "75 labels fill three sheets";
    EXPECT_GE(readPdfPageCount(path(QStringLiteral("list-tool-3.pdf"))), 2) << "75 lines take two report pages";
}
