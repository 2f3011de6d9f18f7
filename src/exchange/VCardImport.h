#pragma once

#include "contacts/Contact.h"

struct VCard;

// The working contact of one card (fields unpadded), its values through the save rules as an
// address book's CSV line goes (FieldCleanup::applySaveRules):
// - N: family, given, the first letter of the additional names; else FN read as the composer
//   reads a name line;
// - the first ADR of type home, else the first: street lines, extended address, PO box;
// - TEL by type to cell, work and home (an untyped one to home); faxes and pagers left out;
// - the preferred valid EMAIL; ORG's first part, IncludeCompany "0" (our own export's
//   X-TESSAPRINT-INCLUDE-COMPANY:1 keeps "1"); CATEGORIES joined by ';'; NOTE;
// - BDAY as 1980-01-13, 19800113 or a date-time; without a year (--0113, --01-13, Apple's
//   omitted year) the birth date stays empty and Notes begin with "Birthday 01/13 (no year)."
Contact contactFromVCard(const VCard& card);

// The vCard property that carries the include-company flag through an export and back.
inline constexpr const char* kIncludeCompanyProperty = "X-TESSAPRINT-INCLUDE-COMPANY";
