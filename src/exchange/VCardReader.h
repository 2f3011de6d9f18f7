#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One content line of a card, unfolded and decoded:
//   item1.EMAIL;TYPE=INTERNET,pref:ann@example.com
struct VCardProperty {
    QString group;     // "item1"; empty when none
    QString name;      // upper case: "EMAIL"
    // Every TYPE value in lower case, however spelt: TYPE=home,cell / type=home;type=cell /
    // bare HOME (2.1); also those in quotes (TYPE="home,cell").
    QStringList types;
    int pref = 0;      // PREF=n; 1 for TYPE=pref; 0 when not preferred
    QString valueType; // VALUE=..., lower case
    QString omitYear;  // X-APPLE-OMIT-YEAR=...: the year that stands for none
    bool binary = false; // base64: its value is left out
    // Quoted-printable and the charset decoded; the backslash escapes still in it.
    QString value;

    bool hasType(const char* type) const;
    // The whole value, its escapes resolved (\n \N \, \; \\).
    QString text() const;
    // The value's parts (split at ';' as in N and ADR), each a list (split at ',');
    // escaped separators stay in their part.
    QVector<QStringList> components() const;
};

struct VCard {
    QString version; // "2.1", "3.0", "4.0"; empty when the card names none
    QVector<VCardProperty> properties;

    QVector<const VCardProperty*> all(const char* name) const;
    const VCardProperty* first(const char* name) const;
};

// Reads the cards of a .vcf file one at a time, each BEGIN:VCARD to its END:VCARD (a card
// inside a card, 2.1's AGENT, is skipped; a card the file cuts short still counts). The text is
// UTF-8 with or without a byte-order mark, UTF-16 with one, or else Windows-1252; a 2.1
// CHARSET names a value's own. Lines end in CR LF, LF or CR.
class VCardReader {
public:
    explicit VCardReader(const QByteArray& bytes);
    std::optional<VCard> next();

    // Whether the bytes begin (after a byte-order mark and blank lines) with BEGIN:VCARD.
    static bool looksLikeVCard(const QByteArray& head);

private:
    std::optional<QByteArray> physicalLine();
    std::optional<QByteArray> logicalLine();
    std::optional<VCardProperty> property(QByteArray line);
    QString decoded(const QByteArray& bytes, const QByteArray& charset) const;

    QByteArray m_bytes;
    qsizetype m_at = 0;
    bool m_utf8 = true;
    std::optional<QByteArray> m_ahead; // a physical line read to see whether it continues the last
    std::optional<QByteArray> m_back;  // a logical line read too far, to be read again
};
