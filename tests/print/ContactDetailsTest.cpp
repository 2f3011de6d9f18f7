#include "print/ContactDetailsPrintout.h"
#include "support/FakePlatform.h"

#include <QLocale>
#include "support/Transcript.h"
#include "support/ContactDetailsBuilder.h"

#include <gtest/gtest.h>

namespace {


ContactDetails margaret()
{
    ContactDetails d = addressedTo(" Margaret ", "Whitfield", "88 Orchard Lane", "Dayton", "OH", "45402");
    d.country = QStringLiteral("USA");
    d.birthdate = QStringLiteral("04/10/1980");
    d.homePhone = QStringLiteral("937-555-0100");
    d.email = QStringLiteral("mw@example.com");
    d.category = QStringLiteral("Friends;Golf");
    for (int i = 0; i < 10; ++i)
        d.notes += QStringLiteral("%1").arg(i, 10, 10, QChar(u'0')); // 100 characters
    d.company = QStringLiteral("Orchard Press");
    return d;
}

} // namespace

TEST(ContactDetails, PageTranscriptSplitsLongNotesAt61And114)
{
    const ContactDetails d = margaret();
    ASSERT_EQ(d.notes.size(), 100);
    FakePlatform platform;
    platform.printAnswers.push_back({.copies = 2});
    EXPECT_EQ(printContactDetails(platform, d, std::nullopt), PrintOutcome::Printed);
    EXPECT_TRUE(platform.printRequests.at(0).offerSelection);

    const auto documents = platform.allDocuments();
    ASSERT_EQ(documents.size(), 1u) << "the copies are pages of one document";
    EXPECT_EQ(documents[0].pages, 2);
    EXPECT_TRUE(documents[0].ended);
    const QString date = QLocale::system().toString(platform.todayDate, QLocale::ShortFormat);
    const QString rule(70, u'_');
    const QStringList page{
        "4:22:16:Tessaprint",
        "6:27:14:Contact Details",
        "10:35:10:Date of report:", "10:51:10:" + date,
        "12:8:12:" + rule,
        "15:8:12:Margaret  Whitfield",
        "17:8:12:88 Orchard Lane  ",
        "19:8:12:Dayton, OH  45402",
        "22:8:12:Company Name:", "22:24:12:Orchard Press",
        "25:8:12:Country:", "25:18:12:USA", "25:40:12:Birthdate:", "25:52:12:04/10/1980",
        "28:8:12:Home Phone:", "28:21:12:937-555-0100", "28:37:12:Cell:", "28:44:12:", "28:60:12:Work:", "28:67:12:",
        "31:8:12:Email Address:", "31:24:12:mw@example.com",
        "34:8:12:Category:", "34:19:12:Friends;Golf",
        "35:19:12:",
        "38:8:12:Notes:", "38:16:12:" + d.notes.left(61),
        "39:15:12:" + d.notes.mid(61),
        "40:15:12:",
        "43:8:12:" + rule,
    };
    QStringList expected;
    for (int p = 1; p <= 2; ++p)
        for (const QString& run : page)
            expected << QString::number(p) + u':' + run;
    EXPECT_EQ(transcript(documents[0]), expected);
    for (const PlacedText& run : documents[0].runs) {
        EXPECT_EQ(run.font.name, QStringLiteral("Courier New"));
        EXPECT_FALSE(run.font.italic);
    }
    EXPECT_EQ(documents[0].orientation, Orientation::Portrait);
}

TEST(ContactDetails, SelectionPrintsTheFocusedBoxsTextAndFailuresSayPrinterError)
{
    {
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 2, .selection = true});
        printContactDetails(platform, margaret(), QStringLiteral("Orchard"));
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        EXPECT_EQ(transcript(documents[0]), QStringList{"1:2:1:12:Orchard"});
        EXPECT_EQ(documents[0].pages, 1);
    }
    {
        FakePlatform platform;
        platform.printAnswers.push_back({.selection = true});
        printContactDetails(platform, margaret(), std::nullopt);
        EXPECT_TRUE(platform.allDocuments().empty()) << "the focus is not in a text box";
        EXPECT_TRUE(platform.messages.empty());
    }
    {
        FakePlatform platform;
        platform.printAnswers.push_back({.failAtDraw = 3});
        EXPECT_EQ(printContactDetails(platform, margaret(), std::nullopt), PrintOutcome::Failed);
        EXPECT_TRUE(platform.allDocuments().at(0).abandoned);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("A printer problem exists.  Check printer."));
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Printer error."));
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    }
}

TEST(ContactDetails, PrintLabelComposerLinesForEachCompanyStreetAndCityCase)
{
    const struct {
        bool company, secondStreet, city;
        std::array<QString, 5> lines;
    } cases[] = {
        {false, false, true, {"Ann Q Lee", "1 Elm St", "Dayton, OH  45402", "", ""}},
        {false, true, true, {"Ann Q Lee", "1 Elm St", "Apt 2", "Dayton, OH  45402", ""}},
        {false, false, false, {"Ann Q Lee", "1 Elm St", "", "", ""}},
        {false, true, false, {"Ann Q Lee", "1 Elm St", "Apt 2", "", ""}},
        {true, false, true, {"Ann Q Lee", "Acme", "1 Elm St", "Dayton, OH  45402", ""}},
        {true, true, true, {"Ann Q Lee", "Acme", "1 Elm St", "Apt 2", "Dayton, OH  45402"}},
        {true, false, false, {"Ann Q Lee", "Acme", "1 Elm St", "", ""}},
        {true, true, false, {"Ann Q Lee", "Acme", "1 Elm St", "Apt 2", ""}},
    };
    for (const auto& c : cases) {
        ContactDetails d = addressedTo("Ann", "Lee", "1 Elm St", c.city ? "Dayton" : "", "OH", "45402");
        d.middleInitial = QStringLiteral("Q");
        d.street2 = c.secondStreet ? QStringLiteral("Apt 2") : QStringLiteral("   ");
        d.country = QStringLiteral("USA");
        d.company = QStringLiteral("Acme");
        d.includeCompany = c.company;
        EXPECT_EQ(composerLinesFor(d), c.lines) << c.company << c.secondStreet << c.city;
    }
    ContactDetails noMiddle;
    noMiddle.firstName = QStringLiteral("Ann");
    noMiddle.lastName = QStringLiteral("Lee");
    noMiddle.company = QStringLiteral("Hidden");
    EXPECT_EQ(composerLinesFor(noMiddle)[0], QStringLiteral("Ann Lee")) << "one space without a middle initial";
    ContactDetails companyNotIncluded = noMiddle;
    companyNotIncluded.street1 = QStringLiteral("9 Oak");
    companyNotIncluded.includeCompany = false;
    EXPECT_EQ(composerLinesFor(companyNotIncluded)[1], QStringLiteral("9 Oak"));
    ContactDetails includedButEmpty = companyNotIncluded;
    includedButEmpty.company.clear();
    includedButEmpty.includeCompany = true;
    EXPECT_EQ(composerLinesFor(includedButEmpty)[1], QStringLiteral("9 Oak"));
}
