#include "exchange/CsvText.h"

#include "contacts/StoredText.h"
#include "contacts/Windows1252.h"

#include <QStringDecoder>

namespace {

bool startsWith(const QByteArray& bytes, const char* prefix, int length)
{
    return bytes.size() >= length && bytes.left(length) == QByteArray(prefix, length);
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Past the line break at i (CR LF counts as one).
qsizetype afterLineBreak(QStringView text, qsizetype i)
{
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}

} // namespace

QString decodeCsvText(const QByteArray& bytes)
{
    // Unicode text is composed at once, so that every rule of the import sees "é" as one character.
    if (startsWith(bytes, "\xFF\xFE", 2))
        return composedText(
            QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless).decode(bytes.mid(2)));
    if (startsWith(bytes, "\xFE\xFF", 2))
        return composedText(
            QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless).decode(bytes.mid(2)));
    const QByteArray body = startsWith(bytes, "\xEF\xBB\xBF", 3) ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return composedText(text);
    return fromWindows1252(body);
}

namespace {

// The cell's text with each line break (CR LF counts as one) as a space, and commas too when asked.
QString withSpaces(const QString& cell, bool commas)
{
    QString text;
    text.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c == u'\r' && i + 1 < cell.size() && cell[i + 1] == u'\n')
            continue;
        text.append((commas && c == u',') || isLineBreak(c) ? QChar(u' ') : c);
    }
    return text;
}

} // namespace

QString storableText(const QString& cell)
{
    return withSpaces(cell, false);
}

QString CsvRecord::line() const
{
    if (!quoted)
        return cells.join(u',');
    QStringList parts;
    parts.reserve(cells.size());
    for (const QString& cell : cells)
        parts << withSpaces(cell, true);
    return parts.join(u',');
}

CsvRecordRead readCsvRecord(QStringView text, qsizetype from)
{
    CsvRecordRead read;
    CsvRecord& record = read.record;
    const qsizetype n = text.size();
    qsizetype i = from;
    QString cell;
    bool inQuotes = false;
    bool atCellStart = true;
    while (i < n) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    cell.append(u'"');
                    i += 2;
                    continue;
                }
                inQuotes = false;
            } else {
                cell.append(c);
            }
            ++i;
        } else if (c == u'"' && atCellStart) {
            inQuotes = true;
            record.quoted = true;
            atCellStart = false;
            ++i;
        } else if (c == u',') {
            record.cells << cell;
            cell.clear();
            atCellStart = true;
            ++i;
        } else if (isLineBreak(c)) {
            break;
        } else {
            // A quote here did not open its cell: it is a character of it.
            cell.append(c);
            atCellStart = false;
            ++i;
        }
    }
    if (inQuotes) {
        // The quote never closed: this physical line alone, its quotes as plain characters.
        qsizetype end = from;
        while (end < n && !isLineBreak(text[end]))
            ++end;
        record.cells.clear();
        for (const QStringView part : text.mid(from, end - from).split(u','))
            record.cells << part.toString();
        record.quoted = false;
        read.next = end < n ? afterLineBreak(text, end) : n;
        return read; // not ended: more text could still close the quote
    }
    record.cells << cell;
    read.ended = i < n;
    read.next = read.ended ? afterLineBreak(text, i) : n;
    return read;
}

QVector<CsvRecord> splitCsvRecords(const QString& text)
{
    QVector<CsvRecord> records;
    for (qsizetype at = 0; at < text.size();) {
        CsvRecordRead read = readCsvRecord(text, at);
        records << std::move(read.record);
        at = read.next;
    }
    return records;
}
