#pragma once

#include <QString>

// The tests the import's clean-up rules are made of.
namespace FieldCleanup {

// The text, blanks around it ignored, is a decimal number: a sign, digits, one point.
bool formsNumber(const QString& text);
bool containsDigit(const QString& text);
// Emptied when it holds "#" or a digit, or is longer than 2 characters.
QString checkedState(const QString& state);
// Emptied unless its first 5 characters form a number.
QString checkedZip(const QString& zip);
// Emptied when it holds "#" or a digit.
QString checkedCountry(const QString& country);

} // namespace FieldCleanup
