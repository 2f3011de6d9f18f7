#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <QStringList>

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

// The first candidate the save rule takes for an e-mail: an "@" and a ".", no space or comma,
// 50 characters at most.
QString firstValidEmail(const QStringList& candidates);
// The save rule's clean-up, then the number test; a number longer than its field is no number.
QString cleanPhone(QString phone, int width);

// An address as an address book keeps it; `street` may hold several lines.
struct Address {
    QString street, street2, city, state, zip, country;
    bool isEmpty() const { return (street + street2 + city + state + zip + country).trimmed().isEmpty(); }
};
// The street's first line is Street1; its other lines and street2 go with Street2.
void setAddress(Contact& working, const Address& address);

// Many cards carry only the name as shown: with no first and last name, its last word is
// the last name, the rest the first name (an e-mail address shown as the name is no name).
void namesFromShownName(Contact& working, const QString& shown);

// What the save rules make of a contact read from an address book: the commas, the initial,
// the checks of city, state, ZIP code and country, the phone numbers, and IncludeCompany "1"
// when there is a company.
void applySaveRules(Contact& working);
// The contact windows' rules instead, for cards, which come from every country: a city, ZIP code
// or country is kept as the windows keep it; a state that is not two characters and a ZIP code
// over ten, which the windows would refuse, are left out.
void applyWindowSaveRules(Contact& working);

} // namespace FieldCleanup
