#pragma once

#include "exchange/CsvText.h"

#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <optional>

// The records of a CSV file read a piece at a time, so that a long file never lies in memory
// whole: record for record what splitCsvRecords(decodeCsvText(all its bytes)) gives, the cells
// read by readCsvRecord. The device must be open and seekable: whether the file is UTF-8 is
// known only from all of it, so its bytes are read once for that before the records.
//
//   CsvStream stream(file);
//   while (std::optional<CsvRecord> record = stream.next()) ...
class CsvStream {
public:
    explicit CsvStream(QIODevice& device, qsizetype pieceBytes = 256 * 1024);

    // The next record, or nullopt after the last. A failed read throws the file error.
    std::optional<CsvRecord> next();

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };
    // Adds the text of the next piece of at least `atLeast` bytes; at the end of the file, the
    // text still held back.
    void readPiece(qsizetype atLeast);
    QByteArray readBytes(qsizetype count);

    QIODevice& m_device;
    qsizetype m_pieceBytes;
    Encoding m_encoding = Encoding::Utf8;
    QStringDecoder m_decoder; // kept from piece to piece: a character may straddle two
    qint64 m_bodyBytes = 0;
    QString m_held;         // decoded, not composed yet: what follows the last line break
    QString m_text;         // the text records are read from
    qsizetype m_at = 0;     // where the next record starts in m_text
    bool m_end = false;     // every byte is in m_text
};
