#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// The leading-number rule for numbers typed into boxes or stored in fields: leading blanks
// are skipped, an optional sign and the digits after it are taken; no digits give 0.
double leadingNumber(QStringView text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// roundHalfEven into a 16-bit integer; a value outside -32768..32767 throws overflow (6).
int16_t toInt16(double value);

// The margin boxes and other numeric text boxes, read as a 16-bit integer.
int16_t readInt16(const QString& text);
