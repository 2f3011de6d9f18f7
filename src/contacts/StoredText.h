#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <QVector>

// The one rule for text on its way into the contact file, which holds one Windows-1252 byte
// per character: the text is composed first (NFC: "e" + U+0301 becomes "é"), and each character
// (code point) still without a byte is stored as '?'. Whoever writes typed or imported text asks
// this first, so that nothing becomes '?' without the user being told.
//
//   const StoredText t = storedText(typed);
//   if (!t.unstorable.isEmpty()) name t.unstorable and t.stored before writing t.composed;
//   if (t.length > width) refuse;   // what the field's width counts
struct StoredText {
    QString composed;              // NFC; what is written
    QString stored;                // what the file gives back: '?' for each unstorable character
    QVector<char32_t> unstorable;  // the characters stored as '?', each once, in order
    qsizetype length = 0;          // the bytes it takes: one per character of `composed`
};

// maxLength >= 0: only the first maxLength characters, as a field of that width keeps them.
StoredText storedText(const QString& text, qsizetype maxLength = -1);
QString composedText(const QString& text);
// The bytes `text` takes in a field: its characters once composed, an emoji counting once.
qsizetype storedLength(const QString& text);

// The title of every message that names such characters.
inline const QString unstorableTitle = QStringLiteral("Characters that cannot be stored");

// "李 (U+674E), 😀 (U+1F600)"; a combining mark is shown on a dotted circle.
QString describeCharacters(const QVector<char32_t>& characters);

struct UnstorableField {
    RecordField field;
    StoredText text;
};
// The fields of a record to be written that hold characters the file cannot, each taken as far
// as its width keeps it.
QVector<UnstorableField> unstorableFields(const Contact& record);
