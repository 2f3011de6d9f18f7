#include "contacts/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, AccentsAndEuroAreSingleBytes)
{
    const QByteArray bytes = toWindows1252(QString::fromUtf8("é ñ €"));
    EXPECT_EQ(bytes, QByteArray("\xE9 \xF1 \x80"));
    EXPECT_EQ(fromWindows1252(bytes), QString::fromUtf8("é ñ €"));
}

TEST(Windows1252, TheHighControlRangeUsesThe1252Table)
{
    EXPECT_EQ(fromWindows1252(QByteArray("\x99\x8A\x9F\x85")), QString::fromUtf8("™ŠŸ…"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("‘’“”–—")), QByteArray("\x91\x92\x93\x94\x96\x97"));
}

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromWindows1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(toWindows1252(text), all);
}

TEST(Windows1252, UnmappableCharactersBecomeOneQuestionMarkEach)
{
    // A CJK character, a Cyrillic one and an emoji (a surrogate pair in QString).
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a中Жb😀c")), QByteArray("a??b?c"));
}

TEST(Windows1252, AHighByteDecodesWhereverItStandsInAText)
{
    // Texts are checked for such bytes several at a time: one in any place must still be seen.
    for (const char high : {'\x80', '\x99', '\x9F', '\xE9'}) {
        const QString one = fromWindows1252(QByteArray(1, high));
        for (int length = 1; length <= 20; ++length) {
            for (int at = 0; at < length; ++at) {
                QByteArray bytes(length, 'a');
                bytes[at] = high;
                QString expected(length, u'a');
                expected[at] = one.at(0);
                EXPECT_EQ(fromWindows1252(bytes), expected) << "length " << length << ", at " << at;
            }
        }
    }
}
