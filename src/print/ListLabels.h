#pragma once

#include "contacts/Contact.h"
#include "platform/TextMeasure.h"
#include "print/PrinterProblem.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class LinePrinter;
class Platform;

// Labels for the listed contacts: three across on the 30-label sheet, row after row from the
// top, sheet after sheet.
//
//   printListLabels(platform, recordNumbers, [&](int r) { return session.file.read(r); });

// One label's fields, trimmed.
struct LabelSlot {
    QString firstName, middleInitial, lastName, street1, street2, city, state, zip, company, includeCompany;

    static LabelSlot of(const Contact& record);
    bool showsCompany() const { return !company.isEmpty() && includeCompany == u'1'; }
    QString nameLine() const;
    QString streetLine() const;
    QString cityLine() const;
};

using RecordReader = std::function<Contact(int recordNumber)>;

// One copy: every listed record's label, in list order. A record that cannot be read throws.
void printListLabelRun(LinePrinter& printer, const std::vector<int>& recordNumbers, const RecordReader& read);

// One sentence for each line that will not stay on its label, by the measure the main window
// marks its lines with, naming the label and its contact: "Label 3 (Ann Lee): line 3 is too long:
// 29 characters fit on a label." A record that cannot be read is left to the printing.
QStringList unfitListLabels(const std::vector<int>& recordNumbers, const RecordReader& read, TextMeasure& measure);

// What printing does about labels whose lines will not fit: asks whether to print anyway, or
// (with nobody to ask) says so and prints.
enum class UnfitLabels { Ask, Warn };

// The command: an empty list is refused with a message; otherwise the print dialog, the fit
// check on the chosen printer, then one document per copy. A failure abandons the document and
// drops the copies still to come.
PrintOutcome printListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read,
                             UnfitLabels unfit = UnfitLabels::Ask);
