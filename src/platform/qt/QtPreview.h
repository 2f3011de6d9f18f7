#pragma once

#include "platform/PreviewDocument.h"

class QPrinter;
class QPrintPreviewDialog;

// The preview shows the printout as laid out: the dialog's own print, page set-up and
// orientation buttons would print or lay out something else, so they go. Returns how many it hid.
int hideLayoutActions(QPrintPreviewDialog& dialog);

// The printer's page laid out as the document's first page lies.
void layOutPreviewPrinter(QPrinter& printer, const PreviewDocument& document);

// The document's pages painted onto printer (the preview's, or a file): each page's runs as
// printing draws them, then the stock's outlines, faintly.
void paintPreview(QPrinter& printer, const PreviewDocument& document);
