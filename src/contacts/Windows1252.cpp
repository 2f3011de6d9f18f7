#include "contacts/Windows1252.h"

#include <QStringView>

namespace {

// Unicode of the bytes 0x80-0x9F.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char encodeOne(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            bytes.append('?'); // outside the BMP: nothing in 1252
            ++i;
            continue;
        }
        bytes.append(encodeOne(ch.unicode()));
    }
    return bytes;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    fromWindows1252(QByteArrayView(bytes), text);
    return text;
}

void fromWindows1252(QByteArrayView bytes, QString& text)
{
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u <= 0x9F) ? QChar(high[u - 0x80]) : QChar(char16_t(u));
    }
}
