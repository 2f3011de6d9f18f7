// The yardstick for the list printouts: what Qt alone takes to read a contact file, list its
// contacts sorted by first name, and draw the same texts on the same pages of a PDF as the list
// labels or the report (the benchmark checks that it does). Nothing of Tessaprint's own: the
// layout is written out for the fixed-pitch font, counting characters, and for the generated
// contacts, whose label lines all fit their labels.
//
//   tp_bench_minimal labels|report CONTACTS.DAT OUT.pdf

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int RecordLength = 513;
constexpr int Widths[] = {11, 1, 16, 30, 15, 16, 2, 10, 19, 15, 15, 13, 50, 8, 80, 160, 30, 1, 1};
enum Field { First, Middle, Last, Street1, Street2, City, State, Zip, Home = 9, Cell, Email = 12, Company = 16,
             Include };

QString field(const char* record, int i)
{
    int offset = 0;
    for (int k = 0; k < i; ++k)
        offset += Widths[k] + 1;
    return QString::fromLatin1(record + offset, Widths[i]);
}

QString trimmed(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// A phone whose leading number is below 1 shows blank.
QString phone(const QString& value)
{
    qsizetype i = 0;
    while (i < value.size() && value[i] == u' ')
        ++i;
    return i < value.size() && value[i] >= u'1' && value[i] <= u'9' ? value : QString(22, u' ');
}

// The list's line of a record: the report prints it, and the list is sorted by it.
QString listLine(const char* r)
{
    const QString middle = field(r, Middle);
    const QString initial = middle[0] >= u'A' && middle[0] <= u'Z' ? middle + QStringLiteral(". ") : QString();
    return trimmed(field(r, First)) + u' ' + initial + trimmed(field(r, Last)) + u'\t' + field(r, City) + u'\t'
        + field(r, State) + u'\t' + field(r, Zip) + u'\t' + phone(field(r, Home)) + u'\t' + phone(field(r, Cell))
        + u'\t' + field(r, Email);
}

// Draws lines down the pages as a line printer does: a fixed pitch per point size, a page
// started by its first text.
struct Pages {
    QPrinter& printer;
    QPainter painter;
    double printable;
    double y = 0;
    int page = 1, drawnPage = 1;
    double pointSize = 10;
    QFont font;
    double column = 0; // points
    double ascent = 0; // device pixels

    explicit Pages(QPrinter& p) : printer(p)
    {
        printable = printer.pageLayout().fullRectPoints().height() - 0.04 * 72 - 0.25 * 72;
        painter.begin(&printer);
        setSize(10);
    }
    void setSize(double size)
    {
        pointSize = size;
        font = QFont(QStringLiteral("Courier New"));
        font.setPointSizeF(size);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &printer);
        column = metrics.averageCharWidth() * 72 / printer.resolution();
        ascent = metrics.ascent();
    }
    double lineHeight() const { return pointSize * 1.08; }
    void fit()
    {
        if (y > 0 && y + lineHeight() > printable + 1e-6)
            ++page, y = 0;
    }
    void empty() { fit(), y += lineHeight(); }
    void draw(int col, const QString& text)
    {
        while (drawnPage < page)
            printer.newPage(), ++drawnPage;
        const double dpp = printer.resolution() / 72.0;
        painter.drawText(QPointF((0.25 * 72 + (col - 1) * column) * dpp, (0.04 * 72 + y) * dpp + ascent), text);
    }
};

// One line of texts at their columns; a column the line has reached continues on the next line.
// With wrap, a text passing the right edge goes on under its column, broken after a word.
void printItems(Pages& out, const std::vector<std::pair<int, QString>>& items, bool wrap = false)
{
    out.fit();
    int reached = 0;
    for (auto [column, text] : items) {
        if (reached > column - 1) {
            out.y += out.lineHeight();
            out.fit();
        }
        const double room = out.printer.pageLayout().fullRectPoints().width() - 0.5 * 72 - (column - 1) * out.column;
        const qsizetype fits = std::max<qsizetype>(1, qsizetype((room + 1e-6) / out.column));
        while (wrap && text.size() > fits) {
            qsizetype cut = fits, rest = fits;
            const qsizetype space = text.lastIndexOf(u' ', cut);
            if (space > 0 && !trimmed(text.left(space)).isEmpty())
                cut = space, rest = space + 1;
            if (rest >= text.size()) {
                text.truncate(cut);
                break;
            }
            out.draw(column, text.left(cut));
            text = text.mid(rest);
            out.y += out.lineHeight();
            out.fit();
        }
        out.draw(column, text);
        reached = column - 1 + int(text.size());
    }
    out.y += out.lineHeight();
}

// One sheet of up to 30 labels, three to a row.
void printSheet(Pages& out, const std::vector<QByteArray>& records, bool firstSheet, bool endsList)
{
    constexpr int columns[] = {2, 35, 67};
    if (!firstSheet) {
        if (out.drawnPage == out.page)
            ++out.page;
        out.y = 2;
    }
    for (int i = 0; i < 4; ++i)
        out.empty();
    const int count = int(records.size());
    for (int first = 0; first < count; first += 3) {
        const int inRow = std::min(3, count - first);
        const bool lastRow = inRow < 3 && endsList;
        std::array<QStringList, 3> labels;
        qsizetype height = 0;
        for (int k = 0; k < inRow; ++k) {
            const char* r = records[first + k].constData();
            const QString mi = trimmed(field(r, Middle));
            QStringList& lines = labels[k];
            lines << trimmed(field(r, First)) + (mi.isEmpty() ? QStringLiteral(" ") : u' ' + mi + u' ')
                    + trimmed(field(r, Last));
            const QString company = trimmed(field(r, Company));
            if (!company.isEmpty() && trimmed(field(r, Include)) == u'1')
                lines.insert(lastRow ? 0 : 1, company);
            lines << trimmed(field(r, Street1)) + u' ' + trimmed(field(r, Street2))
                  << trimmed(field(r, City)) + QStringLiteral(", ") + trimmed(field(r, State)) + QStringLiteral("  ")
                    + trimmed(field(r, Zip));
            height = std::max(height, lines.size());
        }
        for (qsizetype line = 0; line < height; ++line) {
            std::vector<std::pair<int, QString>> items;
            for (int k = 0; k < inRow; ++k)
                if (line < labels[k].size())
                    items.push_back({columns[k], labels[k][line]});
            printItems(out, items);
        }
        if (!lastRow) {
            if (height < 4)
                out.setSize(11), out.empty();
            out.setSize(9);
            for (int k = 0; k < 3; ++k)
                out.empty();
            out.setSize(10);
        }
    }
}

void printReport(Pages& out, const QStringList& lines, const QString& title)
{
    constexpr int columns[] = {2, 30, 48, 52, 64, 78, 92};
    const QString headings[] = {"Name", "City", "ST", "Zip", "Home", "Cell", "Email Address"};
    out.empty();
    out.setSize(24);
    printItems(out, {{18, QStringLiteral("Tessaprint")}}, true);
    out.setSize(10);
    out.empty();
    printItems(out, {{48, QStringLiteral("File: ") + title}}, true);
    out.empty();
    std::vector<std::pair<int, QString>> items;
    for (int i = 0; i < 7; ++i)
        items.push_back({columns[i], headings[i]});
    printItems(out, items, true);
    for (const QString& line : lines) {
        const QStringList parts = line.split(u'\t');
        items.clear();
        for (qsizetype i = 0; i < parts.size(); ++i)
            items.push_back({columns[i], trimmed(parts[i])});
        printItems(out, items, true);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "labels") != 0 && std::strcmp(argv[1], "report") != 0)) {
        std::fprintf(stderr, "usage: tp_bench_minimal labels|report CONTACTS.DAT OUT.pdf\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const bool labels = std::strcmp(argv[1], "labels") == 0;
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;

    // The list: every record's line, sorted by first name as the list sorts.
    QStringList lines;
    const int count = int(file.size() / RecordLength);
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << listLine(file.read(RecordLength).constData());
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return collator.compare(lines[a], lines[b]) < 0; });

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[3]));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(true);
    printer.setPageOrientation(labels ? QPageLayout::Portrait : QPageLayout::Landscape);
    Pages out(printer);
    if (labels) {
        // The labels read each listed record again, in list order.
        lines.clear();
        std::vector<QByteArray> records;
        for (int first = 0; first < count; first += 30) {
            records.clear();
            for (int k = first; k < std::min(count, first + 30); ++k) {
                file.seek(qint64(order[k]) * RecordLength);
                records.push_back(file.read(RecordLength));
            }
            printSheet(out, records, first == 0, first + 30 >= count);
        }
    } else {
        QStringList sorted;
        sorted.reserve(count);
        for (int i : order)
            sorted << lines[i];
        lines.clear();
        printReport(out, sorted, QFileInfo(file.fileName()).fileName().remove(QStringLiteral(".DAT")));
    }
    return out.painter.end() ? 0 : 1;
}
