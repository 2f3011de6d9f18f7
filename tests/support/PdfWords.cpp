#include "support/PdfWords.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {
QString boundingBoxes(const QString& pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
}

std::pair<double, double> readPdfPageSize(const QString& pdfPath)
{
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const auto match = page.match(boundingBoxes(pdfPath));
    return {match.captured(1).toDouble() / 72, match.captured(2).toDouble() / 72};
}

int readPdfPageCount(const QString& pdfPath)
{
    return static_cast<int>(boundingBoxes(pdfPath).count(QStringLiteral("<page ")));
}

std::vector<PdfWord> readPdfWords(const QString& pdfPath)
{
    const QString html = boundingBoxes(pdfPath);

    std::vector<PdfWord> words;
    int page = 0;
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, match.captured(1).toDouble() / 72, match.captured(2).toDouble() / 72,
                         match.captured(3).toDouble() / 72, match.captured(4).toDouble() / 72, match.captured(5)});
    }
    return words;
}

QString pdfOutputPath(const QString& fileName, const QString& temporaryFolder)
{
    const QString artifacts = qEnvironmentVariable("TESSAPRINT_ARTIFACTS");
    if (!artifacts.isEmpty()) {
        QDir().mkpath(artifacts);
        return QDir(artifacts).filePath(fileName);
    }
    return QDir(temporaryFolder).filePath(fileName);
}

namespace {
// pageToCheck 0: every word must be on page 1.
QStringList checkWords(const std::vector<PdfWord>& words, int pageToCheck, const LabelStock& stock,
                       double tolerance, int& labelsWithText)
{
    QStringList problems;
    QSet<int> filled;
    for (const PdfWord& word : words) {
        if (pageToCheck != 0 && word.page != pageToCheck)
            continue;
        const double centreX = (word.xMin + word.xMax) / 2;
        const double centreY = (word.yMin + word.yMax) / 2;
        const int column = static_cast<int>((centreX - stock.left) / stock.columnPitch);
        const int row = static_cast<int>((centreY - stock.top) / stock.rowPitch);
        const QString where = QStringLiteral("'%1' at (%2, %3)-(%4, %5) in")
                                  .arg(word.text)
                                  .arg(word.xMin, 0, 'f', 3)
                                  .arg(word.yMin, 0, 'f', 3)
                                  .arg(word.xMax, 0, 'f', 3)
                                  .arg(word.yMax, 0, 'f', 3);
        if ((pageToCheck == 0 && word.page != 1) || column < 0 || column >= stock.across || row < 0 || row >= stock.down) {
            problems << where + QStringLiteral(" no label");
            continue;
        }
        const double left = stock.left + column * stock.columnPitch;
        const double top = stock.top + row * stock.rowPitch;
        if (word.xMin < left - tolerance || word.xMax > left + stock.width + tolerance
            || word.yMin < top - tolerance || word.yMax > top + stock.height + tolerance)
            problems << where + QStringLiteral(" crosses the edge of label row %1 column %2").arg(row + 1).arg(column + 1);
        filled.insert(row * stock.across + column);
    }
    labelsWithText = filled.size();
    return problems;
}
} // namespace

QStringList checkWordsOnLabels(const std::vector<PdfWord>& words, const LabelStock& stock, double tolerance,
                               int& labelsWithText)
{
    return checkWords(words, 0, stock, tolerance, labelsWithText);
}

QStringList checkWordsOnSheet(const std::vector<PdfWord>& words, int page, const LabelStock& stock,
                              double tolerance, int& labelsWithText)
{
    return checkWords(words, page, stock, tolerance, labelsWithText);
}
