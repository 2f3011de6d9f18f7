#pragma once

#include "contacts/Contact.h"

struct VCard;

// The working contact of one card (fields unpadded), its values through the contact windows'
// save rules (FieldCleanup::applyWindowSaveRules):
// - N: family, given, the first letter of the additional names; else FN read as the composer
//   reads a name line, unless the card is a company's (KIND:org, X-ABShowAs:COMPANY);
// - the first ADR of type home, else the first: street lines, extended address, PO box;
// - TEL by type to cell, work and home (an untyped one to home); faxes and pagers left out;
// - the preferred valid EMAIL; ORG's first part, IncludeCompany "0"; CATEGORIES joined by ';';
//   NOTE;
// - BDAY as 1980-01-13, 19800113 or a date-time; without a year (--0113, --01-13, Apple's
//   omitted year) the birth date stays empty and Notes begin with "Birthday 01/13 (no year).",
//   any other that is no date from 1900 to 2099 with "Birthday " and its text.
// A card of our own export (isOwnCard) comes back as it went out, as the own CSV layout does:
// the values the windows store kept (a "K1A 0B1", a "555-CALL"), Street 2 the street's second
// line, the include-company flag and a birth date that is no date in their own properties.
Contact contactFromVCard(const VCard& card);

// Its PRODID names our program.
bool isOwnCard(const VCard& card);

inline constexpr const char* kOwnProduct = "-//Tessaprint//Tessaprint//EN";
// The include-company flag, "1" or "0".
inline constexpr const char* kIncludeCompanyProperty = "X-TESSAPRINT-INCLUDE-COMPANY";
// A stored birth date that BDAY cannot carry (the windows store the digits unchecked).
inline constexpr const char* kBirthdateProperty = "X-TESSAPRINT-BIRTHDATE";
