#include "print/LinePrinter.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {
struct Printed {
    FakePrinter device;
    LinePrinter printer{device};
    const std::vector<PlacedText>& runs() { return device.documents.front().runs; }
};
}

TEST(LinePrinter, MovingToAReachedColumnContinuesOnTheNextLine)
{
    Printed p;
    p.printer.setFont({QStringLiteral("Courier New"), 8, false, false});
    const QString fits(32, u'a');  // columns 3..34
    const QString tooLong(33, u'b'); // columns 3..35
    p.printer.printLine({{3, 0, fits}, {35, 0, QStringLiteral("next")}});
    p.printer.printLine({{3, 0, tooLong}, {35, 0, QStringLiteral("pushed")}, {66, 0, QStringLiteral("third")}});
    p.printer.printLine({{1, 0, QStringLiteral("after")}});
    p.printer.endDocument();

    const auto& runs = p.runs();
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs[1].line, 1);
    EXPECT_EQ(runs[1].column, 35);
    EXPECT_EQ(runs[2].line, 2);
    EXPECT_EQ(runs[3].line, 3) << "the second copy goes down a line";
    EXPECT_EQ(runs[3].column, 35);
    EXPECT_DOUBLE_EQ(runs[3].x, 34 * 8 * 0.6);
    EXPECT_EQ(runs[4].line, 3) << "a later column that is still free stays on that line";
    EXPECT_EQ(runs[5].line, 4) << "the whole line ends after the pushed items";
}

TEST(LinePrinter, HomeReturnsToTheFirstLineAndPagesAdvanceAtTheBottom)
{
    Printed p; // 12-point lines are 12.96 points; a letter page holds 771.12 points of them
    p.printer.setFontSize(12);
    const int linesPerPage = static_cast<int>(771.12 / 12.96);
    for (int i = 0; i < linesPerPage - 1; ++i)
        p.printer.emptyLine();
    p.printer.printLine({{2, 0, QStringLiteral("last")}});
    p.printer.printLine({{2, 0, QStringLiteral("spills")}});
    p.printer.home();
    p.printer.emptyLine();
    p.printer.printLine({{5, 2, QStringLiteral("top")}});
    for (int i = 0; i < 200; ++i)
        p.printer.emptyLine();
    p.printer.endDocument();

    const auto& doc = p.device.documents.front();
    ASSERT_EQ(doc.runs.size(), 3u);
    EXPECT_EQ(doc.runs[0].line, linesPerPage);
    EXPECT_EQ(doc.runs[0].page, 1);
    EXPECT_EQ(doc.runs[1].page, 2);
    EXPECT_EQ(doc.runs[1].line, 1);
    EXPECT_EQ(doc.runs[2].page, 2) << "home stays on the current page";
    EXPECT_EQ(doc.runs[2].line, 2);
    EXPECT_EQ(doc.runs[2].text, QStringLiteral("  top"));
    EXPECT_DOUBLE_EQ(doc.runs[2].y, 12.96);
    EXPECT_EQ(doc.pages, 2) << "trailing empty lines leave no blank page";
    EXPECT_TRUE(doc.ended);
}

TEST(LinePrinter, ANewPageWaitsForTextSoNoBlankPageEndsADocument)
{
    const struct {
        const char* what;
        int linesBefore; // 10-point empty lines before the new page; 70 spill onto page 2
        bool textAfter;
        int pages;
        int textPage;
    } cases[] = {
        {"new page, then the end", 0, false, 1, 0},
        {"new page, then text", 0, true, 2, 2},
        {"spill, new page, text", 70, true, 2, 2},
        {"spill, new page, end", 70, false, 1, 0},
    };
    for (const auto& c : cases) {
        Printed p;
        p.printer.printLine({{1, 0, QStringLiteral("first")}});
        for (int i = 0; i < c.linesBefore; ++i)
            p.printer.emptyLine();
        p.printer.newPage();
        p.printer.newPage(); // a second one in a row adds nothing
        p.printer.setPosition(2);
        if (c.textAfter)
            p.printer.printLine({{3, 0, QStringLiteral("after")}});
        p.printer.endDocument();
        const FakeDocument& doc = p.device.documents.front();
        EXPECT_EQ(doc.pages, c.pages) << c.what;
        if (c.textAfter) {
            ASSERT_EQ(doc.runs.size(), 2u) << c.what;
            EXPECT_EQ(doc.runs[1].page, c.textPage) << c.what;
            EXPECT_EQ(doc.runs[1].line, 1) << c.what;
            EXPECT_DOUBLE_EQ(doc.runs[1].y, 2) << c.what;
        }
    }
}
