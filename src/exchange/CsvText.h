#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The text of a CSV file. A UTF-16 or UTF-8 byte-order mark is dropped; text that is valid
// UTF-8 is read as UTF-8, anything else as Windows-1252. Unicode text comes composed (NFC).
QString decodeCsvText(const QByteArray& bytes);

// One record of a CSV file: its cells as the file holds them, quotes taken off. A quoted
// cell may hold commas, doubled quotes (one quote each) and line breaks; a record whose
// quoted cell spans lines is one record. A line ends at CR LF, LF or CR.
struct CsvRecord {
    QStringList cells;
    bool quoted = false; // some cell was quoted

    // The record as one line for the rules that work on the line's text: each cell with
    // its commas and line breaks as spaces, the cells joined by ",". A record without
    // quotes gives back its line exactly.
    QString line() const;
};

// A quote that opens a cell and never closes is taken as a plain character, so one stray
// quote costs no more than its own line.
QVector<CsvRecord> splitCsvRecords(const QString& text);

// A cell's text as a stored field may hold it: line breaks and commas as spaces.
QString storableText(const QString& cell);
