#include "print/ReturnAddressSheet.h"

#include "platform/Platform.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

namespace {
const PrintFont kSheetFont{QStringLiteral("Courier New"), 8, false, false};
constexpr std::array<int, 4> kColumns{3, 35, 66, 97};
}

PrintFont returnAddressFont()
{
    return kSheetFont;
}

const std::array<int, 4>& returnAddressColumns()
{
    return kColumns;
}

void printReturnAddressSheet(LinePrinter& printer, const std::array<QString, 3>& lines)
{
    for (int i = 0; i < 5; ++i)
        printer.emptyLine();
    printer.setFont(kSheetFont);
    for (int row = 1; row <= 20; ++row) {
        for (const QString& line : lines)
            printer.printLine({{kColumns[0], 0, line}, {kColumns[1], 0, line}, {kColumns[2], 0, line},
                               {kColumns[3], 0, line}});
        // Rows of 8-point lines fall short of the half-inch labels; two extra lines catch up.
        if (row == 8 || row == 13)
            printer.emptyLine();
        printer.emptyLine();
    }
}

PrintOutcome printReturnAddressSheets(Platform& platform, const std::array<QString, 3>& lines)
{
    return printEachCopy(platform, {.font = kSheetFont, .orientation = Orientation::Portrait},
                         [&](LinePrinter& printer) { printReturnAddressSheet(printer, lines); });
}
