#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The text of a CSV file. A UTF-16 or UTF-8 byte-order mark is dropped; text that is valid
// UTF-8 is read as UTF-8, anything else as Windows-1252. Unicode text comes composed (NFC).
QString decodeCsvText(const QByteArray& bytes);

// One record of a CSV file: its cells as the file holds them, quotes taken off.
struct CsvRecord {
    QStringList cells;
    bool quoted = false; // some cell was quoted

    // The record as one line for the rules that work on the line's text: each cell with
    // its commas and line breaks as spaces, the cells joined by ",". A record without
    // quotes gives back its line exactly.
    QString line() const;
};

struct CsvRecordRead {
    CsvRecord record;
    qsizetype next = 0; // where the following record starts
    bool ended = false; // at a line break; false when the text ran out first
};

// The cell rules, as RFC 4180 reads them: a cell that starts with a quote runs to its closing
// quote and may hold commas, line breaks and doubled quotes (one quote each); a quote in a cell
// that did not start with one is a character. The record that starts at `from` ends at CR LF,
// LF or CR outside quotes. A quote that opens a cell and never closes is taken as a plain
// character, so one stray quote costs no more than its own line.
CsvRecordRead readCsvRecord(QStringView text, qsizetype from);

// Every record of the text, by readCsvRecord.
QVector<CsvRecord> splitCsvRecords(const QString& text);

// A cell's text with its line breaks as spaces (commas are each field's own rule).
QString storableText(const QString& cell);
