#pragma once

#include <QString>

class Platform;

enum class PrintOutcome { Printed, Cancelled, Failed };

// The one message every printing command shows for a failure other than a cancelled dialog.
// The contact details printout titles it "Printer error." with a period.
void showPrinterProblem(Platform& platform, const QString& title = QStringLiteral("Printer error"));
