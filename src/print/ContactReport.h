#pragma once

#include "print/PrinterProblem.h"

#include <QString>
#include <QStringList>
#include <vector>

class LinePrinter;
class Platform;

// File > Print of the contact list: the landscape report of every list line in columns, or,
// when the dialog's Selection is chosen, the selected lines in the same columns or the
// heading's selected text. A value that would pass the paper's right edge goes on below, under
// its own column.
struct ReportRequest {
    QStringList lines;             // the list's lines in list order
    std::vector<int> selected;     // indexes of the selected lines, increasing
    QString headingSelection;      // selected text of the heading box
    bool headingFocused = false;   // the heading box has the focus
    QString fileTitle;             // txtFileTitle
};

// The print dialog's page range: lines / 54 + 1, halves to even.
int reportPageEstimate(int lineCount);

// One copy of the report. A line of more than seven TAB-separated parts throws.
void printReport(LinePrinter& printer, const QStringList& lines, const QString& fileTitle);

PrintOutcome printContactReport(Platform& platform, const ReportRequest& request);
