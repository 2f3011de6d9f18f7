#include "print/ListLabels.h"

#include "contacts/FieldText.h"
#include "platform/Platform.h"
#include "print/LineFit.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <algorithm>
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

QStringList unfitListLabels(const std::vector<int>& recordNumbers, const RecordReader& read, TextMeasure& measure)
{
    QStringList sentences;
    const int count = static_cast<int>(recordNumbers.size());
    for (int rowStart = 0; rowStart < count; rowStart += 3) {
        // The row as printListLabelRun prints it: a row the list ends inside is a last row.
        const int inRow = std::min(3, count - rowStart);
        std::array<QStringList, 3> labels;
        std::array<QString, 3> names;
        for (int slot = 0; slot < inRow; ++slot) {
            try {
                const LabelSlot label = LabelSlot::of(read(recordNumbers[rowStart + slot]));
                labels[slot] = labelLines(label, inRow < 3);
                names[slot] = label.nameLine().trimmed();
            } catch (...) {
                // Printing reports it.
            }
        }
        for (int slot = 0; slot < inRow; ++slot) {
            for (qsizetype line = 0; line < labels[slot].size(); ++line) {
                // The next label's text on the same printed line is what a long line pushes down.
                const bool next = slot + 1 < inRow && line < labels[slot + 1].size();
                FitLayout layout;
                layout.stock = FitStock::LabelSheet;
                layout.font = kLabelFont;
                layout.lineCount = 1;
                layout.places = {labelSheetPlace(kColumns[slot], next ? kColumns[slot + 1] : 0, kLabelFont, measure)};
                const LineFit fit = fitLines({labels[slot][line], {}, {}, {}, {}}, layout, measure)[0];
                QString sentence = lineFitMessage(int(line) + 1, fit, FitStock::LabelSheet);
                if (sentence.isEmpty())
                    continue;
                sentence[0] = sentence[0].toLower();
                sentences << QStringLiteral("Label %1 (%2): %3").arg(rowStart + slot + 1).arg(names[slot], sentence);
            }
        }
    }
    return sentences;
}

namespace {

// At most this many sentences in a message; the rest are counted.
constexpr int kNamedInMessage = 12;

QString unfitText(const QStringList& sentences)
{
    QStringList shown = sentences.mid(0, kNamedInMessage);
    if (sentences.size() > kNamedInMessage)
        shown << QStringLiteral("... and %1 more.").arg(sentences.size() - kNamedInMessage);
    return QStringLiteral("Some lines will not fit on their labels:\r\n\r\n") + shown.join(QStringLiteral("\r\n"));
}

} // namespace

PrintOutcome printListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read,
                             UnfitLabels unfit)
{
    if (recordNumbers.empty()) {
        platform.messageBox(QStringLiteral("Empty list, no labels to print."), QStringLiteral("No contacts found"),
                            MessageButtons::Ok, MessageIcon::None);
        return PrintOutcome::Cancelled;
    }
    PrintRun run{.font = kLabelFont, .orientation = Orientation::Portrait};
    run.beforeCopies = [&](PrinterDevice& printer) {
        const QStringList sentences = unfitListLabels(recordNumbers, read, printer);
        if (sentences.isEmpty())
            return true;
        const QString title = QStringLiteral("Labels too long");
        if (unfit == UnfitLabels::Warn) {
            platform.messageBox(unfitText(sentences) + QStringLiteral("\r\n\r\nThey are printed as they are."), title,
                                MessageButtons::Ok, MessageIcon::Exclamation);
            return true;
        }
        return platform.messageBox(unfitText(sentences) + QStringLiteral("\r\n\r\nPrint the labels anyway?"), title,
                                   MessageButtons::YesNo, MessageIcon::Question)
            == MessageAnswer::Yes;
    };
    return printEachCopy(platform, run,
                         [&](LinePrinter& printer) { printListLabelRun(printer, recordNumbers, read); });
}
