#include "print/ReturnAddressSheet.h"

#include "platform/Platform.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

namespace {
const PrintFont kSheetFont{QStringLiteral("Courier New"), 8, false, false};
}

void printReturnAddressSheet(LinePrinter& printer, const std::array<QString, 3>& lines)
{
    for (int i = 0; i < 5; ++i)
        printer.emptyLine();
    printer.setFont(kSheetFont);
    for (int row = 1; row <= 20; ++row) {
        for (const QString& line : lines)
            printer.printLine({{3, 0, line}, {35, 0, line}, {66, 0, line}, {97, 0, line}});
        // Rows of 8-point lines fall short of the half-inch labels; two extra lines catch up.
        if (row == 8 || row == 13)
            printer.emptyLine();
        printer.emptyLine();
    }
}

PrintOutcome printReturnAddressSheets(Platform& platform, const std::array<QString, 3>& lines)
{
    return printEachCopy(platform, {}, kSheetFont, Orientation::Portrait,
                         [&](LinePrinter& printer) { printReturnAddressSheet(printer, lines); });
}
