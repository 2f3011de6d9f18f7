#pragma once

#include "print/LabelStock.h"

#include <QString>
#include <utility>
#include <vector>

// A word of a PDF page as pdftotext -bbox reads it back, in inches from the top-left corner.
struct PdfWord {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

std::vector<PdfWord> readPdfWords(const QString& pdfPath);

int readPdfPageCount(const QString& pdfPath);

// The first page's width and height in inches.
std::pair<double, double> readPdfPageSize(const QString& pdfPath);

// Where the print tests leave their PDFs: TESSAPRINT_ARTIFACTS when set, else a temporary folder.
QString pdfOutputPath(const QString& fileName, const QString& temporaryFolder);


// Every word must sit inside one label (within tolerance); returns what went wrong, and
// fills labelsWithText with the number of labels that hold a word.
QStringList checkWordsOnLabels(const std::vector<PdfWord>& words, const LabelStock& stock, double tolerance,
                               int& labelsWithText);
// The same for the words of one page of a run of sheets; words of other pages are not looked at.
QStringList checkWordsOnSheet(const std::vector<PdfWord>& words, int page, const LabelStock& stock,
                              double tolerance, int& labelsWithText);
