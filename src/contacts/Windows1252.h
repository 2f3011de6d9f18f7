#pragma once

#include <QByteArray>
#include <QString>

// The one codec at the file boundary: the contact file, CSV and text files are single-byte
// Windows-1252. Every character becomes exactly one byte and every byte one character.
//
// - 0x00-0x7F and 0xA0-0xFF map to U+0000-U+007F and U+00A0-U+00FF.
// - 0x80-0x9F map to the 1252 table (0x80 -> U+20AC euro sign, 0x99 -> U+2122 trade mark, ...).
//   The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls
//   U+0081 ... (as Windows' own conversion does), so any byte sequence survives a round trip.
// - A character with no 1252 byte (a code point, so a surrogate pair counts once) becomes '?'.
QByteArray toWindows1252(const QString& text);
// Whether the code point has a byte of its own (else it becomes '?').
bool isWindows1252(char32_t c);
QString fromWindows1252(const QByteArray& bytes);
// The same into `text`, whose storage is reused: for loops over many records.
void fromWindows1252(QByteArrayView bytes, QString& text);
// The same written at `out`, which must have room for every byte; returns the end.
QChar* decodeWindows1252(QByteArrayView bytes, QChar* out);
