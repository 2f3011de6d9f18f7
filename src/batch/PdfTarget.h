#pragma once

#include <QString>

namespace Batch {

// Why printing `copies` copies into the PDF file `pdfPath` (later copies beside it) would
// destroy something, or empty when it would not: a copy that lands on the contact file (by any
// spelling of its path or through a link), on a folder, or on a file that is not a PDF.
QString pdfTargetProblem(const QString& pdfPath, int copies, const QString& contactFile);

} // namespace Batch
