#include "contacts/StoredText.h"
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

TEST(StoredText, ComposesThenNamesWhatStillHasNoByte)
{
    using namespace Qt::StringLiterals;
    const struct {
        QString typed;
        qsizetype width; // -1: the whole text
        QString composed, stored, named;
    } rows[] = {
        {u"Ann Lee?"_s, -1, u"Ann Lee?"_s, u"Ann Lee?"_s, {}},
        {u"Jos\u00e9 Pe\u00f1a \u00d8"_s, -1, u"Jos\u00e9 Pe\u00f1a \u00d8"_s, u"Jos\u00e9 Pe\u00f1a \u00d8"_s, {}},
        {u"Jose\u0301"_s, -1, u"Jos\u00e9"_s, u"Jos\u00e9"_s, {}},
        {u"Hi \U0001F600"_s, -1, u"Hi \U0001F600"_s, u"Hi ?"_s, u"\U0001F600 (U+1F600)"_s},
        {u"\u674e\u5c0f\u9f8d"_s, -1, u"\u674e\u5c0f\u9f8d"_s, u"???"_s, u"\u674e (U+674E), \u5c0f (U+5C0F), \u9f8d (U+9F8D)"_s},
        {u"\u05e9\u05dc\u05d5\u05dd"_s, -1, u"\u05e9\u05dc\u05d5\u05dd"_s, u"????"_s,
         u"\u05e9 (U+05E9), \u05dc (U+05DC), \u05d5 (U+05D5), \u05dd (U+05DD)"_s},
        {u"Zoe\u0308 \u674e\u674e \U0001F600"_s, -1, u"Zo\u00eb \u674e\u674e \U0001F600"_s, u"Zo\u00eb ?? ?"_s,
         u"\u674e (U+674E), \U0001F600 (U+1F600)"_s},
        {u"q\u0301"_s, -1, u"q\u0301"_s, u"q?"_s, u"\u25cc\u0301 (U+0301)"_s},
        {u"a\u0080\u0081"_s, -1, u"a\u0080\u0081"_s, u"a?\u0081"_s, u"\u0080 (U+0080)"_s}, // 0x81 is a byte of its own
        // At a field's width: composed first, an emoji counting once, what lies past it not stored.
        {u"Rene\u0301e\u0301s"_s, 5, u"Ren\u00e9\u00e9"_s, u"Ren\u00e9\u00e9"_s, {}},
        {u"ab\U0001F600cd"_s, 3, u"ab\U0001F600"_s, u"ab?"_s, u"\U0001F600 (U+1F600)"_s},
        {u"abc\U0001F600"_s, 3, u"abc"_s, u"abc"_s, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        const StoredText t = storedText(row.typed, row.width);
        EXPECT_EQ(t.composed, row.composed);
        EXPECT_EQ(t.stored, row.stored);
        EXPECT_EQ(describeCharacters(t.unstorable), row.named);
        // `stored` is what the file gives back, and `length` the bytes it takes.
        EXPECT_EQ(fromWindows1252(toWindows1252(t.composed)), t.stored);
        EXPECT_EQ(toWindows1252(t.composed).size(), t.length);
        EXPECT_EQ(storedLength(t.composed), t.length);
    }
}
