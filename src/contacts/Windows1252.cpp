#include "contacts/Windows1252.h"

#include <QStringView>

#include <cstdint>
#include <cstring>

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

bool isWindows1252(char32_t c)
{
    return c == U'?' || encodeOne(c) != '?';
}

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
    decodeWindows1252(bytes, text.data());
}

QChar* decodeWindows1252(QByteArrayView bytes, QChar* out)
{
    const auto* __restrict in = reinterpret_cast<const unsigned char*>(bytes.data());
    auto* __restrict units = reinterpret_cast<char16_t*>(out);
    const qsizetype n = bytes.size();
    // Outside 0x80-0x9F the bytes are Latin-1: widened in loops the compiler vectorizes, and
    // only a text holding one of those bytes is looked up byte by byte.
    for (qsizetype i = 0; i < n; ++i)
        units[i] = in[i];
    // Eight bytes at a time: is any at 0x80 or above?
    bool high1252 = false;
    qsizetype i = 0;
    for (; i + 8 <= n && !high1252; i += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, in + i, 8);
        high1252 = (eight & 0x8080808080808080ull) != 0;
    }
    for (; i < n && !high1252; ++i)
        high1252 = in[i] >= 0x80;
    if (high1252) {
        for (qsizetype i = 0; i < n; ++i) {
            if (in[i] - 0x80u < 0x20u)
                units[i] = high[in[i] - 0x80];
        }
    }
    return out + n;
}
