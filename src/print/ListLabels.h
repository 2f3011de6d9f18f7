#pragma once

#include "contacts/Contact.h"
#include "print/PrinterProblem.h"

#include <QString>
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

// The command: an empty list is refused with a message; otherwise the print dialog, then one
// document per copy. A failure abandons the document and drops the copies still to come.
PrintOutcome printListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read);
