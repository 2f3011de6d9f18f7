#include "print/ContactReport.h"

#include "contacts/FieldText.h"
#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "platform/Platform.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <array>

namespace {

const QString kCourier = QStringLiteral("Courier New");
constexpr std::array<int, 7> kColumns{2, 30, 48, 52, 64, 78, 92};
const std::array<QString, 7> kHeadings{QStringLiteral("Name"), QStringLiteral("City"), QStringLiteral("ST"),
                                       QStringLiteral("Zip"),  QStringLiteral("Home"), QStringLiteral("Cell"),
                                       QStringLiteral("Email Address")};

void printHeading(LinePrinter& printer)
{
    std::vector<LinePrinter::Item> items;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        items.push_back({kColumns[i], 0, kHeadings[i]});
    printer.printLine(items);
}

void printReportLine(LinePrinter& printer, const QString& line)
{
    std::vector<LinePrinter::Item> items;
    const QStringList parts = line.split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i >= static_cast<qsizetype>(kColumns.size()))
            throw AppError(9, QStringLiteral("Subscript out of range"));
        items.push_back({kColumns[i], 0, trimSpaces(parts[i])});
        if (parts[i].isEmpty())
            break;
    }
    printer.printLine(items);
}

// The selected lines as the report prints its lines, so every column lands under its heading
// and on the paper.
void printSelection(LinePrinter& printer, const ReportRequest& request)
{
    printer.device().setOrientation(Orientation::Landscape);
    printer.wrapAtRightEdge();
    printer.setFont({kCourier, 10, false, false});
    if (request.headingFocused) {
        printer.emptyLine();
        printer.printLine({{1, 0, request.headingSelection}});
    } else {
        if (!request.selected.empty())
            printHeading(printer);
        printer.emptyLine();
        for (int index : request.selected) {
            if (index >= 0 && index < request.lines.size())
                printReportLine(printer, request.lines.at(index));
        }
    }
    printer.newPage();
}

} // namespace

int reportPageEstimate(int lineCount)
{
    return static_cast<int>(roundHalfEven(lineCount / 54.0 + 1));
}

void printReport(LinePrinter& printer, const QStringList& lines, const QString& fileTitle)
{
    // An e-mail address from column 92 on has room for 35 characters; the rest goes below it.
    printer.wrapAtRightEdge();
    printer.emptyLine();
    printer.setFontSize(24);
    printer.printLine({{18, 0, QStringLiteral("Tessaprint")}});
    printer.setFontSize(10);
    printer.emptyLine();
    printer.printLine({{48, 0, QStringLiteral("File: ") + fileTitle}});
    printer.emptyLine();
    printHeading(printer);
    for (const QString& line : lines)
        printReportLine(printer, line);
    printer.emptyLine();
    printer.newPage();
}

PrintOutcome printContactReport(Platform& platform, const ReportRequest& request)
{
    PrintRun run;
    run.dialog.offerPageRange = true;
    run.dialog.minPage = 1;
    run.dialog.maxPage = reportPageEstimate(static_cast<int>(request.lines.size()));
    run.dialog.offerSelection = !request.headingSelection.isEmpty() || !request.selected.empty();
    run.font = {kCourier, 10, false, false};
    run.orientation = Orientation::Landscape;
    run.selection = [&](LinePrinter& printer) {
        printSelection(printer, request);
        return true;
    };
    return printEachCopy(platform, run,
                         [&](LinePrinter& printer) { printReport(printer, request.lines, request.fileTitle); });
}
