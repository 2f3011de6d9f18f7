#include "ComposerFixture.h"
#include "ListFixture.h"
#include "print/CalibrationCommand.h"
#include "print/ContactDetailsPrintout.h"
#include "print/ContactReport.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressSheet.h"

#include <functional>
#include <gtest/gtest.h>

TEST(PrintRun, EveryPrintoutAbandonsItsDocumentAndNamesThePrinterProblemOnAFailingDevice)
{
    const Book contacts = book(4);
    ContactDetails details;
    details.firstName = QStringLiteral("Ann");
    const ReportRequest report{{QStringLiteral("Ann\tA"), QStringLiteral("Bob\tB")}, {1}, {}, false, {}};
    const struct {
        const char* name;
        std::function<void(Platform&)> print;
        bool selection;
        int failAtDraw;
        const char* title;
    } cases[] = {
        {"labels", [](Platform& p) { Composer c = labelComposer(QStringLiteral("4-9")); printComposer(p, c); },
         false, 2, "Printer error"},
        {"envelope", [](Platform& p) { Composer c = envelopeComposer(1, 38, 33); printComposer(p, c); }, false, 2,
         "Printer error"},
        {"return address", [](Platform& p) { printReturnAddressSheets(p, {QStringLiteral("a"), {}, {}}); }, false, 2,
         "Printer error"},
        {"list labels", [&](Platform& p) { printListLabels(p, contacts.numbers(), contacts.reader()); }, false, 2,
         "Printer error"},
        {"report", [&](Platform& p) { printContactReport(p, report); }, false, 2, "Printer error"},
        {"report selection", [&](Platform& p) { printContactReport(p, report); }, true, 2, "Printer error"},
        {"details", [&](Platform& p) { printContactDetails(p, details, std::nullopt); }, false, 2, "Printer error."},
        {"details selection", [&](Platform& p) { printContactDetails(p, details, QStringLiteral("x")); }, true, 1,
         "Printer error."},
        {"calibration sheet", [](Platform& p) { printCalibrationSheet(p, QString(), {"0", "0", "100"}); }, false, 2,
         "Printer error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        platform.printAnswers.push_back({.copies = 2, .failAtDraw = c.failAtDraw, .selection = c.selection});
        c.print(platform);
        const auto documents = platform.allDocuments();
        ASSERT_LE(documents.size(), 1u) << "the second copy is dropped";
        for (const FakeDocument& document : documents) {
            EXPECT_TRUE(document.abandoned);
            EXPECT_FALSE(document.ended);
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("A printer problem exists.  Check printer."));
        EXPECT_EQ(platform.messages[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    }
}
