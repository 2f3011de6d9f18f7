#pragma once

#include "exchange/CsvLayouts.h"

#include <memory>

// Readers for the exports whose columns are found by their names (Google, Outlook,
// Thunderbird, Outlook Express). Clean-ups as for the other layouts; values that would not be what they
// claim (an e-mail without "@", a phone number cut short) are left empty instead.
std::unique_ptr<CsvLineReader> makeNamedReader(CsvLayout layout);

// Every named cell is one of the columns Outlook Express writes, with the e-mail and a name among them.
bool isOutlookExpressHeader(const QStringList& cells);
