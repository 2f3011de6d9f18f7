#pragma once

#include "contacts/Contact.h"

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

// The field's commas as the contact windows save them: a space in Category and Notes, kept
// in the birth date (whose text the windows do not check), dropped from every other field.
QString windowCommas(QString Contact::*field, QString text);
void applyWindowCommas(Contact& contact);

} // namespace FieldCleanup
