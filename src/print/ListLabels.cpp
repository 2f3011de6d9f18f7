#include "print/ListLabels.h"

#include "contacts/FieldText.h"
#include "platform/Platform.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <array>

namespace {

const PrintFont kLabelFont{QStringLiteral("Courier New"), 10, false, false};
constexpr std::array<int, 3> kColumns{2, 35, 67};
constexpr int kLabelsPerSheet = 30;
// 40 twips below the top of the printable area.
constexpr double kSheetTop = 40.0 / 20.0;

// The label's lines top-down. In a last row the company goes above the name.
QStringList labelLines(const LabelSlot& slot, bool lastRow)
{
    QStringList lines{slot.nameLine()};
    if (slot.showsCompany())
        lines.insert(lastRow ? 0 : 1, slot.company);
    lines << slot.streetLine() << slot.cityLine();
    return lines;
}

// Stacks the labels' lines side by side; returns how many printed lines the row took.
qsizetype printRow(LinePrinter& printer, const std::array<LabelSlot, 3>& rowSlots, int count, bool lastRow)
{
    std::vector<QStringList> labels;
    qsizetype height = 0;
    for (int i = 0; i < count; ++i) {
        labels.push_back(labelLines(rowSlots[i], lastRow));
        height = std::max(height, labels.back().size());
    }
    for (qsizetype line = 0; line < height; ++line) {
        std::vector<LinePrinter::Item> items;
        for (int i = 0; i < count; ++i) {
            if (line < labels[i].size())
                items.push_back({kColumns[i], 0, labels[i][line]});
        }
        printer.printLine(items);
    }
    return height;
}

void printFullRow(LinePrinter& printer, const std::array<LabelSlot, 3>& rowSlots)
{
    const qsizetype height = printRow(printer, rowSlots, 3, false);
    // Blank lines in other sizes make up the rest of the inch between rows.
    if (height < 4) {
        printer.setFontSize(11);
        printer.emptyLine();
    }
    printer.setFontSize(9);
    for (int i = 0; i < 3; ++i)
        printer.emptyLine();
    printer.setFontSize(10);
}

} // namespace

LabelSlot LabelSlot::of(const Contact& record)
{
    return {trimSpaces(record.FirstName), trimSpaces(record.MiddleInitial), trimSpaces(record.LastName),
            trimSpaces(record.Street1),   trimSpaces(record.Street2),       trimSpaces(record.City),
            trimSpaces(record.State),     trimSpaces(record.Zip),           trimSpaces(record.Company),
            trimSpaces(record.IncludeCompany)};
}

QString LabelSlot::nameLine() const
{
    const QString middle = middleInitial.isEmpty() ? QStringLiteral(" ") : u' ' + middleInitial + u' ';
    return firstName + middle + lastName;
}

QString LabelSlot::streetLine() const
{
    return street1 + u' ' + street2;
}

QString LabelSlot::cityLine() const
{
    return city + QStringLiteral(", ") + state + QStringLiteral("  ") + zip;
}

void printListLabelRun(LinePrinter& printer, const std::vector<int>& recordNumbers, const RecordReader& read)
{
    for (int i = 0; i < 4; ++i)
        printer.emptyLine();
    printer.setFont(kLabelFont);
    std::array<LabelSlot, 3> rowSlots;
    int column = 0;
    const int count = static_cast<int>(recordNumbers.size());
    for (int i = 0; i < count; ++i) {
        rowSlots[column] = LabelSlot::of(read(recordNumbers[i]));
        ++column;
        if (column == 3)
            printFullRow(printer, rowSlots);
        else if (i == count - 1)
            printRow(printer, rowSlots, column, true);
        if (column == 3)
            column = 0;
        if ((i + 1) % kLabelsPerSheet == 0) {
            // The sheet ends here whatever the line heights added up to, so each sheet's ten
            // rows stay on its own page.
            printer.newPage();
            printer.setPosition(kSheetTop);
            for (int j = 0; j < 4; ++j)
                printer.emptyLine();
        }
    }
}

PrintOutcome printListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read)
{
    if (recordNumbers.empty()) {
        platform.messageBox(QStringLiteral("Empty list, no labels to print."), QStringLiteral("No contacts found"),
                            MessageButtons::Ok, MessageIcon::None);
        return PrintOutcome::Cancelled;
    }
    return printEachCopy(platform, {.font = kLabelFont, .orientation = Orientation::Portrait},
                         [&](LinePrinter& printer) { printListLabelRun(printer, recordNumbers, read); });
}
