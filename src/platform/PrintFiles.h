#pragma once

#include <QString>

// Where copy `copy` (1-based) of a printout into the file `first` goes: the first copy into the
// file itself, later ones beside it ("Club.pdf" -> "Club-2.pdf", "out" -> "out-2").
QString copyFileName(const QString& first, int copy);
