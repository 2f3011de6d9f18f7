#include "contacts/Contact.h"
#include "contacts/Windows1252.h"
#include "exchange/ContactExport.h"

#include <gtest/gtest.h>

// The export builds its lines from the record bytes; they must be the bytes of exportLine's
// text, whatever the record holds.
TEST(ExportLineBytes, AreTheBytesOfTheDecodedLine)
{
    // Edges of white space and of bytes that only look like it (0x85 is an ellipsis, 0x81 unused).
    const char edges[] = {' ', '\t', '\n', '\v', '\f', '\r', char(0xA0), char(0x85), char(0x81), char(0x1F), 'x'};
    const int edgeCount = int(sizeof edges);
    for (int n = 0; n < 400; ++n) {
        QByteArray record(Contact::RecordLength, ' ');
        for (int i = 0; i < Contact::RecordLength; ++i)
            record[i] = char((n * 131 + i * 37 + (n * i) % 7) % 256);
        for (int f = 0; f < Contact::FieldCount; ++f) {
            const Contact::FieldInfo& info = Contact::fieldInfo(f);
            record[info.offset] = edges[(n + f) % edgeCount];
            record[info.offset + info.width - 1] = edges[(n * 3 + f) % edgeCount];
            if (n % 5 == 0) // all white space
                record.replace(info.offset, info.width, QByteArray(info.width, edges[n % 7]));
        }
        const char* const dates[] = {"        ", "  1976  ", "19760704", " 197607 "};
        if (n % 4 == 1) // birth dates: empty, short, padded, eight digits
            record.replace(Contact::fieldInfo(13).offset, 8, dates[(n / 4) % 4]);
        const Contact contact = Contact::fromRecord(record);
        for (const char separator : {',', '|'})
            ASSERT_EQ(exportLineBytes(record.constData(), separator), toWindows1252(exportLine(contact, QChar(separator))))
                << "record " << n << " separator " << separator;
    }
}

// As the program writes records: text, then spaces to the field's width. Every length of text
// in every field, some behind spaces, some ending in a tab or a no-break space, some holding one
// byte that makes every cell quoted.
TEST(ExportLineBytes, AreTheBytesOfTheDecodedLineForTextOfEveryLength)
{
    for (int length = 0; length <= 160; ++length) {
        for (const char last : {'x', '\t', char(0xA0), '"', ',', '\n'}) {
            QByteArray record = Contact::blank().toRecord();
            for (int f = 0; f < Contact::FieldCount; ++f) {
                const Contact::FieldInfo& info = Contact::fieldInfo(f);
                const int n = std::min(length, info.width);
                QByteArray text(n, 'x');
                if (n > 0)
                    text[last == '\n' ? n / 2 : n - 1] = last; // a line break at the end is trimmed
                if (length % 3 == 1 && n > 1)
                    text[0] = ' ';
                record.replace(info.offset, n, text);
            }
            const Contact contact = Contact::fromRecord(record);
            ASSERT_EQ(exportLineBytes(record.constData(), ','), toWindows1252(exportLine(contact, QChar(','))))
                << "length " << length;
        }
    }
}
