#pragma once

#include "contacts/Contact.h"

#include <QByteArray>

enum class VCardVersion { V3, V4 };

// One card of the record's fields (trimmed), UTF-8, CR LF line ends, lines folded at 75 bytes:
// PRODID (our own, so the import knows the card, isOwnCard), N and FN (FN the name as shown, else the company or the e-mail; a card of a company alone is
// KIND:org in 4.0, X-ABShowAs:COMPANY in 3.0), ORG, the include-company flag, one home ADR
// with Street2 as the street's second line, TEL of type home, cell and work, EMAIL, BDAY
// (19800113 in 4.0, 1980-01-13 in 3.0; only a real date; X-TESSAPRINT-BIRTHDATE for what
// else the field holds), CATEGORIES (the ';'-parts of Category), NOTE. Read back by
// contactFromVCard it gives the record's fields again.
QByteArray vCardOf(const Contact& contact, VCardVersion version);
