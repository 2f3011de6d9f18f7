#include "ComposerFixture.h"
#include "ListFixture.h"
#include "contacts/ContactList.h"
#include "print/ContactReport.h"
#include "print/ListLabels.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <gtest/gtest.h>

TEST(PdfLanding, ThirtyLabelSheetPutsEachLabelsTextOnItsLabel)
{
    QTemporaryDir folder;
    for (bool centered : {false, true}) {
        const QString path = pdfOutputPath(centered ? QStringLiteral("labels-1-30-centered.pdf")
                                                    : QStringLiteral("labels-1-30.pdf"),
                                           folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path));
        Composer composer = labelComposer(QStringLiteral("1-30"), centered);
        printComposer(platform, composer);
        ASSERT_TRUE(platform.messages.empty());
        ASSERT_TRUE(QFileInfo::exists(path));

        const std::vector<PdfWord> words = readPdfWords(path);
        EXPECT_EQ(words.size(), 30u * 10) << "ten words on each label";
        int labelsWithText = 0;
        const QStringList problems = checkWordsOnLabels(words, kThirtyLabelSheet, 0.02, labelsWithText);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
        EXPECT_EQ(labelsWithText, 30) << (centered ? "centered" : "left-justified");
    }
}

TEST(PdfLanding, ReturnAddressSheetPutsAllEightyOnTheirLabels)
{
    QTemporaryDir folder;
    const QString path = pdfOutputPath(QStringLiteral("return-address.pdf"), folder.path());
    FakePlatform platform;
    platform.printAnswers.push_back(pdfAnswer(path));
    const std::array<QString, 3> lines{QStringLiteral("Margaret H. Whitfield"), QStringLiteral("88 Orchard Lane"),
                                       QStringLiteral("Dayton, OH 45402")};
    ASSERT_EQ(lines[0].size(), 21);
    ASSERT_EQ(printReturnAddressSheets(platform, lines), PrintOutcome::Printed);

    const std::vector<PdfWord> words = readPdfWords(path);
    EXPECT_EQ(words.size(), 80u * 9);
    int labelsWithText = 0;
    const QStringList problems = checkWordsOnLabels(words, kEightyLabelSheet, 0.03, labelsWithText);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(labelsWithText, 80);
}

TEST(PdfLanding, EnvelopesPutTheAddressOnTheRightHalfOfTheEnvelope)
{
    // Each size with the margins its pick from the list writes.
    const struct {
        int size, indent, padRows;
        bool largeFont;
        double width, height;
    } cases[] = {
        {1, 38, 33, true, 9.5, 4.125}, {1, 38, 33, false, 9.5, 4.125}, {2, 23, 32, false, 6.5, 3.625},
        {3, 20, 32, false, 5.75, 4.375}, {4, 28, 30, false, 7.25, 5.25}, {5, 30, 30, false, 8.125, 5.5},
        {6, 36, 25, false, 9.5, 6.0},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        const QString name = c.largeFont ? QStringLiteral("envelope-10.pdf")
                                         : QStringLiteral("envelope-size-%1.pdf").arg(c.size);
        const QString path = pdfOutputPath(name, folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path));
        Composer composer = envelopeComposer(c.size, c.indent, c.padRows);
        composer.largeFont = c.largeFont;
        printComposer(platform, composer);
        ASSERT_TRUE(platform.messages.empty());

        const std::vector<PdfWord> words = readPdfWords(path);
        ASSERT_EQ(words.size(), 10u) << name.toStdString();
        double left = 1e9, right = 0, top = 1e9, bottom = 0;
        for (const PdfWord& word : words) {
            EXPECT_EQ(word.page, 1) << name.toStdString();
            left = std::min(left, word.xMin);
            right = std::max(right, word.xMax);
            top = std::min(top, word.yMin);
            bottom = std::max(bottom, word.yMax);
        }
        const auto page = readPdfPageSize(path);
        EXPECT_NEAR(page.first, c.width, 0.01) << name.toStdString();
        EXPECT_NEAR(page.second, c.height, 0.01) << name.toStdString();
        EXPECT_GT((left + right) / 2, c.width / 2) << name.toStdString();
        EXPECT_LT(right, c.width - 0.5) << name.toStdString();
        EXPECT_GT(top, 0.75) << name.toStdString();
        EXPECT_LT(bottom, c.height - 0.5) << name.toStdString();
    }
}

TEST(PdfLanding, CopiesToAFileGoBesideItAndAnAbandonedCopyLeavesNothing)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("sheet.pdf"));
    FakePlatform platform;
    FakePlatform::PrintAnswer answer = pdfAnswer(path);
    answer.copies = 2;
    platform.printAnswers.push_back(answer);
    Composer composer = labelComposer(QStringLiteral("5"));
    printComposer(platform, composer);
    EXPECT_EQ(readPdfWords(path).size(), 10u);
    EXPECT_EQ(readPdfWords(QDir(folder.path()).filePath(QStringLiteral("sheet-2.pdf"))).size(), 10u);

    const QString dropped = QDir(folder.path()).filePath(QStringLiteral("dropped.pdf"));
    auto device = pdfAnswer(dropped).device();
    device->drawText({.text = QStringLiteral("never printed")});
    device->abandonDocument();
    EXPECT_FALSE(QFileInfo::exists(dropped));

    // Abandoned after its first page was drawn: the file it would have replaced stays as it was.
    const QString kept = QDir(folder.path()).filePath(QStringLiteral("kept.pdf"));
    QFile(path).copy(kept);
    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    device = pdfAnswer(kept).device();
    device->drawText({.text = QStringLiteral("page one")});
    device->newPage();
    device->drawText({.text = QStringLiteral("never printed")});
    device->abandonDocument();
    EXPECT_EQ(readPdfWords(kept).size(), 10u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
}

TEST(PdfLanding, PagesDrawnAsTheyFinishComeOutAsTheWholeDocumentDrawnAtItsEnd)
{
    QTemporaryDir folder;
    const Book b = book(61); // three sheets, the last row of one label
    std::vector<PdfWord> words[2];
    for (int whole = 0; whole < 2; ++whole) {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("labels-%1.pdf").arg(whole));
        FakePlatform platform;
        FakePlatform::PrintAnswer answer;
        answer.device = [path, whole] {
            auto device = std::make_unique<QtPrinterDevice>(pdfPrinter(path));
            if (whole)
                device->keepDocumentsWhole();
            return device;
        };
        platform.printAnswers.push_back(answer);
        ASSERT_EQ(printListLabels(platform, b.numbers(), b.reader()), PrintOutcome::Printed);
        words[whole] = readPdfWords(path);
    }
    ASSERT_EQ(words[0].size(), words[1].size());
    EXPECT_EQ(words[0].back().page, 3);
    for (std::size_t i = 0; i < words[0].size(); ++i) {
        const PdfWord &a = words[0][i], &b = words[1][i];
        EXPECT_TRUE(a.page == b.page && a.text == b.text && a.xMin == b.xMin && a.yMin == b.yMin && a.xMax == b.xMax)
            << a.text.toStdString() << " on page " << a.page;
    }
}

namespace {
// 31 contacts with longer names and streets than the table tests; some show a company.
Book thirtyOneContacts()
{
    Book b;
    for (int n = 1; n <= 31; ++n) {
        const bool included = n % 4 == 1;
        Contact c = addressee(n, n % 4 == 3 ? QStringLiteral("Unshown Holdings") : included
                                                  ? QStringLiteral("Harbor View Dental Group") : QString(),
                              included ? QStringLiteral("1") : QStringLiteral("0"));
        c.FirstName = QStringLiteral("Alexandra");
        c.LastName = QStringLiteral("Montgomery%1").arg(n);
        c.Street1 = QStringLiteral("%1 Wintergreen Avenue").arg(1000 + n);
        c.City = QStringLiteral("Springfield");
        c.HomePhone = QStringLiteral("217-555-%1").arg(100 + n, 4, 10, QChar(u'0'));
        c.CellPhone = n % 2 ? QStringLiteral("(217) 555-0000") : QStringLiteral("217-555-9%1").arg(n, 3, 10, QChar(u'0'));
        c.Email = QStringLiteral("alexandra.montgomery%1@example.com").arg(n);
        b.records.push_back(Contact::fromRecord(c.toRecord()));
    }
    return b;
}
} // namespace

TEST(PdfLanding, ListLabelsForThirtyOneContactsFillOneSheetAndOneLabelOfTheNext)
{
    QTemporaryDir folder;
    const QString path = pdfOutputPath(QStringLiteral("list-labels-31.pdf"), folder.path());
    FakePlatform platform;
    platform.printAnswers.push_back(pdfAnswer(path));
    const Book b = thirtyOneContacts();
    ASSERT_EQ(printListLabels(platform, b.numbers(), b.reader()), PrintOutcome::Printed);
    ASSERT_TRUE(platform.messages.empty());

    const std::vector<PdfWord> words = readPdfWords(path);
    int lastPage = 0;
    for (const PdfWord& word : words)
        lastPage = std::max(lastPage, word.page);
    EXPECT_EQ(lastPage, 2);
    for (int page : {1, 2}) {
        int labelsWithText = 0;
        const QStringList problems = checkWordsOnSheet(words, page, kThirtyLabelSheet, 0.02, labelsWithText);
        EXPECT_TRUE(problems.isEmpty()) << "page " << page << ":\n" << problems.join(u'\n').toStdString();
        EXPECT_EQ(labelsWithText, page == 1 ? 30 : 1) << "page " << page;
    }
    const auto companies = std::count_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Harbor"; });
    EXPECT_EQ(companies, 8) << "labels 1, 5, ..., 29 show their company";
    EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Unshown"; }), 0);
}

TEST(PdfLanding, ReportOfTheListIsOneLandscapePageInsideThePaper)
{
    QTemporaryDir folder;
    const QString path = pdfOutputPath(QStringLiteral("report.pdf"), folder.path());
    FakePlatform platform;
    platform.printAnswers.push_back(pdfAnswer(path));
    Book b = thirtyOneContacts();
    // An address of the field's 50 characters: what passes the paper's edge goes on below.
    const QString email = QStringLiteral("alexandra.montgomery.featherstonehaugh@example.com");
    b.records[6].Email = email;
    QStringList lines;
    for (const ContactList::ListLine& line :
         ContactList::listRecords(QVector<Contact>(b.records.begin(), b.records.end()), {}))
        lines << line.text;
    ASSERT_EQ(printContactReport(platform, {lines, {}, {}, false, QStringLiteral("Patients")}),
              PrintOutcome::Printed);

    const auto page = readPdfPageSize(path);
    EXPECT_NEAR(page.first, 11, 0.01);
    EXPECT_NEAR(page.second, 8.5, 0.01);
    const std::vector<PdfWord> words = readPdfWords(path);
    ASSERT_FALSE(words.empty());
    double nameLeft = 1e9, cityLeft = 1e9, cityRight = 0;
    std::vector<PdfWord> emailParts;
    for (const PdfWord& word : words) {
        EXPECT_EQ(word.page, 1) << word.text.toStdString();
        EXPECT_GT(word.xMin, 0.2);
        EXPECT_LT(word.xMax, 10.8);
        EXPECT_LT(word.yMax, 8.3);
        if (word.text.startsWith(QStringLiteral("Alexandra")))
            nameLeft = std::min(nameLeft, word.xMin);
        if (word.text.size() > 20 && email.startsWith(word.text))
            emailParts.insert(emailParts.begin(), word);
        else if (word.text.endsWith(QStringLiteral("@example.com")) && email.endsWith(word.text))
            emailParts.push_back(word);
        if (word.text == QStringLiteral("Springfield")) {
            cityLeft = std::min(cityLeft, word.xMin);
            cityRight = std::max(cityRight, word.xMin);
        }
    }
    EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Springfield"; }), 31);
    EXPECT_NEAR(nameLeft, 0.25 + 1.0 / 12, 0.02) << "names at column 2";
    EXPECT_NEAR(cityLeft, 0.25 + 29.0 / 12, 0.02) << "cities at column 30";
    EXPECT_NEAR(cityRight, cityLeft, 0.001) << "every city in the same column";
    ASSERT_EQ(emailParts.size(), 2u);
    EXPECT_EQ(emailParts[0].text + emailParts[1].text, email) << "every character on the page";
    EXPECT_NEAR(emailParts[0].xMin, emailParts[1].xMin, 0.001) << "the rest under its own column";
    EXPECT_GT(emailParts[1].yMin, emailParts[0].yMin);
}

TEST(PdfLanding, SelectedListLinesPrintTheirColumnsAtTheListsTabStops)
{
    QTemporaryDir folder;
    const QString path = pdfOutputPath(QStringLiteral("report-selection.pdf"), folder.path());
    FakePlatform platform;
    FakePlatform::PrintAnswer answer = pdfAnswer(path);
    answer.selection = true;
    platform.printAnswers.push_back(answer);
    const Book b = thirtyOneContacts();
    QStringList lines;
    for (int n : {0, 9})
        lines << ContactList::listLine(b.records[n], ContactList::SortOrder::ByFirstName);
    lines[1].replace(QStringLiteral("Alexandra"), QStringLiteral("Al"));
    ASSERT_EQ(printContactReport(platform, {lines, {0, 1}, {}, false, QStringLiteral("Patients")}),
              PrintOutcome::Printed);

    const std::vector<PdfWord> words = readPdfWords(path);
    std::vector<double> cities, phones;
    for (const PdfWord& word : words) {
        // Ligatures may join "fi" into one character.
        if (word.text.startsWith(QStringLiteral("Spring")))
            cities.push_back(word.xMin);
        if (word.text.startsWith(QStringLiteral("217-555-01")))
            phones.push_back(word.xMin);
    }
    ASSERT_EQ(cities.size(), 2u);
    ASSERT_EQ(phones.size(), 2u);
    EXPECT_NEAR(cities[0], cities[1], 0.005) << "a short and a long name put the city at the same stop";
    EXPECT_NEAR(phones[0], phones[1], 0.005);
    EXPECT_GT(cities[0], 1.5);
}

TEST(PdfLanding, EnvelopePaperHoldsTheWholeAddressOnOnePage)
{
    const struct {
        const char* name;
        const char* device;
        QPageSize::PageSizeId paper; // chosen in the dialog
        bool bold, largeFont;
    } cases[] = {
        {"officejet-pro-worked-example", "HP Officejet Pro 8000", QPageSize::Letter, true, true},
        {"deskjet-640c-worked-example", "HP DeskJet 640C/642C/648C", QPageSize::Letter, true, true},
        {"envelope-paper-size-1", "", QPageSize::Envelope10, false, false},
        {"envelope-paper-size-1-large", "", QPageSize::Envelope10, false, true},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = pdfOutputPath(QString::fromUtf8(c.name) + QStringLiteral(".pdf"), folder.path());
        FakePlatform platform;
        platform.printAnswers.push_back(pdfAnswer(path, c.paper, QString::fromUtf8(c.device)));
        Composer composer = envelopeComposer(1, 38, 33);
        composer.bold = c.bold;
        composer.largeFont = c.largeFont;
        printComposer(platform, composer);
        ASSERT_TRUE(platform.messages.empty());

        EXPECT_EQ(readPdfPageCount(path), 1);
        const auto page = readPdfPageSize(path);
        EXPECT_NEAR(page.first, 9.5, 0.01);
        EXPECT_NEAR(page.second, 4.125, 0.01);
        const std::vector<PdfWord> words = readPdfWords(path);
        ASSERT_EQ(words.size(), 10u);
        double left = 1e9, right = 0, top = 1e9, bottom = 0;
        for (const PdfWord& word : words) {
            EXPECT_EQ(word.page, 1);
            left = std::min(left, word.xMin);
            right = std::max(right, word.xMax);
            top = std::min(top, word.yMin);
            bottom = std::max(bottom, word.yMax);
        }
        std::printf("%s: block %.2f-%.2f in across, %.2f-%.2f in down\n", c.name, left, right, top, bottom);
        EXPECT_GT(left, 0.25);
        EXPECT_LT(right, page.first - 0.25);
        EXPECT_GT(top, 0.25);
        EXPECT_LT(bottom, page.second - 0.25);
        EXPECT_GT((left + right) / 2, page.first / 2);
        // Bold, Large Font and the printer family each raise the block; without them it sits
        // below the top third, where the post expects an address.
        if (!c.bold && !c.largeFont) {
            EXPECT_GT(top, page.second / 3);
        }
    }
}
