#include "labels/label_catalogue.h"

#include <gtest/gtest.h>
#include <string.h>

namespace {

TEST(LabelSizeLimitsTable, InchLimitsAreTheMillimetreLimitsDividedBy25_4)
{
    const LabelSizeLimits& inches = LabelSizeLimitsTable[Inches];
    EXPECT_EQ(inches.Width.Minimum, 10.0 / 25.4);
    EXPECT_EQ(inches.Width.Maximum, 128.7 / 25.4);
    EXPECT_EQ(inches.Length.Maximum, 3048.0 / 25.4);
    EXPECT_EQ(FindLabelSizeLimits(3), nullptr);
}

TEST(ConvertLabelUnits, ConvertsBetweenTheThreeUnits)
{
    EXPECT_EQ(ConvertLabelUnits(4.0, Inches, Millimetres), 101.6);
    EXPECT_EQ(ConvertLabelUnits(101.6, Millimetres, Inches), 4.0);
    EXPECT_EQ(ConvertLabelUnits(1016.0, TenthMillimetres, Inches), 4.0);
    EXPECT_EQ(ConvertLabelUnits(4.0, Inches, TenthMillimetres), 1016.0);
    EXPECT_EQ(ConvertLabelUnits(152.4, Millimetres, TenthMillimetres), 1524.0);
    EXPECT_EQ(ConvertLabelUnits(1524.0, TenthMillimetres, Millimetres), 152.4);
    EXPECT_EQ(ConvertLabelUnits(4.0, 3, Millimetres), 4.0);
    EXPECT_EQ(ConvertLabelUnits(4.0, Inches, -1), 4.0);
}

TEST(LabelSizeInTenthsMm, RoundsHalfUpInEachUnit)
{
    EXPECT_EQ(LabelSizeInTenthsMm("4.00", Inches), 1016);
    EXPECT_EQ(LabelSizeInTenthsMm("101.6", Millimetres), 1016);
    EXPECT_EQ(LabelSizeInTenthsMm("1016", TenthMillimetres), 1016);
    EXPECT_EQ(LabelSizeInTenthsMm("0.3937007874015748", Inches), 100);
    EXPECT_EQ(LabelSizeInTenthsMm("5.066929133858268", Inches), 1287);
    EXPECT_EQ(LabelSizeInTenthsMm("120", Inches), 30480);
    EXPECT_EQ(LabelSizeInTenthsMm("3048.0", Millimetres), 30480);
    EXPECT_EQ(LabelSizeInTenthsMm("100.04", TenthMillimetres), 100);
    EXPECT_EQ(LabelSizeInTenthsMm("100.5", TenthMillimetres), 101);
    EXPECT_EQ(LabelSizeInTenthsMm("12", 7), 12);
}

TEST(LabelSizeInTenthsMm, NoNumberIsZeroAndHugeValuesSaturate)
{
    EXPECT_EQ(LabelSizeInTenthsMm("", Inches), 0);
    EXPECT_EQ(LabelSizeInTenthsMm("abc", Millimetres), 0);
    EXPECT_EQ(LabelSizeInTenthsMm(nullptr, Millimetres), 0);
    EXPECT_EQ(LabelSizeInTenthsMm("200", Inches), 32767);
    EXPECT_EQ(LabelSizeInTenthsMm("1e400", Inches), 32767);
    EXPECT_EQ(LabelSizeInTenthsMm("-1e9", Millimetres), -32768);
    EXPECT_EQ(LabelSizeInTenthsMm("-3.7", TenthMillimetres), -3);
}

TEST(TrimSpaces, RemovesLeadingAndTrailingWhiteSpace)
{
    char name[LabelNameSize] = "  Shipping 4x6 \t";
    TrimSpaces(name);
    EXPECT_STREQ(name, "Shipping 4x6");
    char blanks[8] = "   ";
    TrimSpaces(blanks);
    EXPECT_STREQ(blanks, "");
    char inner[16] = "\r\n\v\fa  b\n";
    TrimSpaces(inner);
    EXPECT_STREQ(inner, "a  b");
    char high[8] = "\xA0x\xA0";
    TrimSpaces(high);
    EXPECT_STREQ(high, "\xA0x\xA0");
    char empty[1] = "";
    TrimSpaces(empty);
    EXPECT_STREQ(empty, "");
    TrimSpaces(nullptr);
}

}  // namespace
