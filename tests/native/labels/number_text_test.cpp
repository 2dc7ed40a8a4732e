#include "text/number_text.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <math.h>
#include <stdlib.h>
#include <string>

namespace {

TEST(ReadLeadingDouble, ReadsTheLongestLeadingDecimalNumber)
{
    EXPECT_EQ(ReadLeadingDouble("4.00"), 4.0);
    EXPECT_EQ(ReadLeadingDouble(" \t\n-12.5mm"), -12.5);
    EXPECT_EQ(ReadLeadingDouble("+.5"), 0.5);
    EXPECT_EQ(ReadLeadingDouble("7."), 7.0);
    EXPECT_EQ(ReadLeadingDouble("1e3"), 1000.0);
    EXPECT_EQ(ReadLeadingDouble("2.5E-1x"), 0.25);
    EXPECT_EQ(ReadLeadingDouble("0.000123"), 0.000123);
    EXPECT_EQ(ReadLeadingDouble("101.6"), 101.6);
    EXPECT_EQ(ReadLeadingDouble("3e+"), 3.0);
    EXPECT_EQ(ReadLeadingDouble("3.e2"), 300.0);
    EXPECT_EQ(ReadLeadingDouble("1,5"), 1.0);
    EXPECT_EQ(ReadLeadingDouble("0x10"), 0.0);
}

TEST(ReadLeadingDouble, TextWithoutDigitsIsZeroAndSaysSo)
{
    const char* texts[] = {"", "   ", ".", "-", "+.", "-.e5", "e5", "\2405", "inf", "nan"};
    for (const char* text : texts) {
        bool had = true;
        EXPECT_EQ(ReadLeadingDouble(text, &had), 0.0) << text;
        EXPECT_FALSE(had) << text;
    }
    bool had = false;
    ReadLeadingDouble("0", &had);
    EXPECT_TRUE(had);
    EXPECT_EQ(ReadLeadingDouble(nullptr), 0.0);
}

TEST(ReadLeadingDouble, ExtremeMagnitudesOverflowAndUnderflowLikeStrtod)
{
    EXPECT_EQ(ReadLeadingDouble("1e400"), HUGE_VAL);
    EXPECT_EQ(ReadLeadingDouble("-1e99999999999999999999"), -HUGE_VAL);
    EXPECT_EQ(ReadLeadingDouble("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(ReadLeadingDouble("0.0000000000000000000000000000001e31"), 1.0);
}

TEST(ReadLeadingDouble, LongDigitStringsRoundAsTheFullTextWould)
{
    // Past the kept digits only a sticky digit remains; these texts sit
    // right next to halfway points between neighbouring doubles.
    std::string halfway = "9007199254740993";  // 2^53 + 1: exactly halfway
    EXPECT_EQ(ReadLeadingDouble(halfway.c_str()), 9007199254740992.0);
    std::string above = halfway + "." + std::string(900, '0') + "1";
    EXPECT_EQ(ReadLeadingDouble(above.c_str()), 9007199254740994.0);
    std::string many = std::string(1000, '1');
    EXPECT_EQ(ReadLeadingDouble(many.c_str()), strtod(many.c_str(), nullptr));
    std::string fraction = "0." + std::string(1200, '3');
    EXPECT_EQ(ReadLeadingDouble(fraction.c_str()), strtod(fraction.c_str(), nullptr));
}

/* Short texts take a quicker way than long ones; both must round as a
 * correct strtod does, digit counts and exponents on either side of it. */
TEST(ReadLeadingDouble, ShortAndLongTextsRoundAsStrtod)
{
    unsigned state = 12345;
    auto next = [&state](unsigned range) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % range;
    };
    for (int i = 0; i < 200000; ++i) {
        std::string text = next(4) == 0 ? "-" : "";
        const unsigned digits = 1 + next(18);
        const unsigned point = next(digits + 1);
        for (unsigned d = 0; d < digits; ++d) {
            if (d == point && d > 0)
                text += '.';
            text += static_cast<char>('0' + next(10));
        }
        if (next(3) == 0)
            text += "e" + std::to_string(static_cast<int>(next(60)) - 30);
        const double expected = strtod(text.c_str(), nullptr);
        ASSERT_EQ(ReadLeadingDouble(text.c_str()), expected) << text;
    }
}

TEST(ReadLeadingInteger, FollowsTheLeadingIntegerRule)
{
    EXPECT_EQ(ReadLeadingInteger("  -42abc"), -42);
    EXPECT_EQ(ReadLeadingInteger("+7"), 7);
    EXPECT_EQ(ReadLeadingInteger("12.9"), 12);
    EXPECT_EQ(ReadLeadingInteger("1e3"), 1);
    bool had = true;
    EXPECT_EQ(ReadLeadingInteger("- 5", &had), 0);
    EXPECT_FALSE(had);
    EXPECT_EQ(ReadLeadingInteger(" 0", &had), 0);
    EXPECT_TRUE(had);
}

TEST(ReadLeadingInteger, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(ReadLeadingInteger("2147483648"), INT_MAX);
    EXPECT_EQ(ReadLeadingInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(ReadLeadingInteger("-2147483649"), INT_MIN);
    EXPECT_EQ(ReadLeadingInteger("-9999999999999999999"), INT_MIN);
    EXPECT_EQ(ReadLeadingInteger(std::string(500, '9').c_str()), INT_MAX);
}

TEST(FormatFixed2, RendersTwoDecimalsLikePrintf)
{
    char text[16];
    ASSERT_TRUE(FormatFixed2(text, sizeof text, 4.0));
    EXPECT_STREQ(text, "4.00");
    FormatFixed2(text, sizeof text, 101.6);
    EXPECT_STREQ(text, "101.60");
    FormatFixed2(text, sizeof text, -0.004);
    EXPECT_STREQ(text, "-0.00");
    FormatFixed2(text, sizeof text, 2.675);  // just below 2.675 in binary
    EXPECT_STREQ(text, "2.67");
}

TEST(FormatFixed2, TextThatDoesNotFitLeavesTheDestinationEmpty)
{
    char text[8] = "xxxxxxx";
    EXPECT_TRUE(FormatFixed2(text, sizeof text, 1016.0));  // "1016.00" fits exactly
    EXPECT_STREQ(text, "1016.00");
    EXPECT_FALSE(FormatFixed2(text, sizeof text, 10160.0));
    EXPECT_STREQ(text, "");
    char big[400];
    EXPECT_TRUE(FormatFixed2(big, sizeof big, 1e308));
    EXPECT_EQ(strlen(big), 312u);
}

}  // namespace
