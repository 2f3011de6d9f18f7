#include "platform/AppError.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

TEST(Numbers, LeadingNumberRule)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"38", 38}, {"  7", 7}, {"-5", -5}, {"+12x", 12}, {"4-9", 4}, {"x", 0}, {"", 0},
        {"   ", 0}, {"3.7", 3}, {"- 5", 0}, {"40000", 40000}, {"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, RoundsHalvesToEven)
{
    const struct {
        double in;
        double out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3}, {-0.4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, SixteenBitRangeOverflows)
{
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(readInt16(QStringLiteral(" 63 pad")), 63);
    for (double tooLarge : {32768.0, -32769.0, 40000.0, 1e30}) {
        try {
            toInt16(tooLarge);
            ADD_FAILURE() << tooLarge << " did not overflow";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
}
