#pragma once

#include <QString>

// Field Birthdate: entered as MM/DD/YYYY, stored as YYYYMMDD.

// "04/10/1980" -> "19800410" (last four characters, first two, characters 4-5);
// an empty (or all-space) entry -> 8 spaces.
QString birthdateToStored(const QString& entered);

// "19800410" -> "04/10/1980"; empty when the field's leading number is 1 or less
// (spaces, non-digits, "0...").
QString birthdateToShown(const QString& stored);
