#include "labels/catalogue_json.h"

#include <gtest/gtest.h>
#include <string.h>
#include <string>

namespace {

struct Parsed {
    LabelEntry entries[MaxLabels + 4];
    int count;
};

// Unused records carry a marker, so writes past the count show up.
Parsed Parse(const std::string& text, int capacity = MaxLabels)
{
    Parsed parsed;
    memset(parsed.entries, 0x5A, sizeof parsed.entries);
    parsed.count = ParseLabelCatalogue(text.c_str(), parsed.entries, capacity);
    return parsed;
}

LabelEntry ParseOne(const std::string& members)
{
    Parsed parsed = Parse("[{" + members + "}]");
    EXPECT_EQ(parsed.count, 1) << members;
    return parsed.entries[0];
}

std::string Objects(int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i)
        text += (i ? "," : "") + std::string("{\"name\":\"L") + std::to_string(i) + "\"}";
    return text + "]";
}

TEST(ParseLabelCatalogue, NothingToParseIsAnEmptyCatalogue)
{
    const char* texts[] = {"", " \t\r\n ", "[]", " \n[ ]", "{", "[{]", "nonsense", "\x01\x02"};
    for (const char* text : texts) {
        Parsed parsed = Parse(text);
        EXPECT_EQ(parsed.count, 0) << text;
        EXPECT_EQ(static_cast<unsigned char>(parsed.entries[0].name[0]), 0x5A) << text;
    }
}

TEST(ParseLabelCatalogue, EmptyObjectIsALabelOfDefaults)
{
    LabelEntry entry = ParseOne("");
    EXPECT_STREQ(entry.name, "No Name 1");
    EXPECT_EQ(entry.units, Inches);
    EXPECT_STREQ(entry.width, "4.00");
    EXPECT_STREQ(entry.length, "6.00");
    EXPECT_STREQ(entry.horzOffset, "0");
    EXPECT_STREQ(entry.vertOffset, "0");
    EXPECT_EQ(entry.id, 257);
}

TEST(ParseLabelCatalogue, ChildrenThatAreNotObjectsBecomeLabelsOfDefaults)
{
    Parsed parsed = Parse("[1, \"x\", [{\"name\":\"inner\"}], null, {\"name\":\"real\"}]");
    ASSERT_EQ(parsed.count, 5);
    EXPECT_STREQ(parsed.entries[1].name, "No Name 2");
    EXPECT_STREQ(parsed.entries[2].name, "No Name 3");
    EXPECT_EQ(parsed.entries[3].id, 260);
    EXPECT_STREQ(parsed.entries[4].name, "real");
    // A top-level object's members are walked as children too.
    Parsed object = Parse("{\"a\":{\"name\":\"A\"},\"b\":7}");
    ASSERT_EQ(object.count, 2);
    EXPECT_STREQ(object.entries[0].name, "A");
    EXPECT_STREQ(object.entries[1].name, "No Name 2");
}

TEST(ParseLabelCatalogue, ReadsAtMostMaxLabelsAndTheCapacity)
{
    Parsed parsed = Parse(Objects(130));
    EXPECT_EQ(parsed.count, MaxLabels);
    EXPECT_STREQ(parsed.entries[127].name, "L127");
    EXPECT_EQ(static_cast<unsigned char>(parsed.entries[128].name[0]), 0x5A);

    Parsed small = Parse(Objects(10), 3);
    EXPECT_EQ(small.count, 3);
    EXPECT_EQ(static_cast<unsigned char>(small.entries[3].name[0]), 0x5A);
    EXPECT_EQ(Parse(Objects(10), 0).count, 0);
    EXPECT_EQ(Parse(Objects(10), -1).count, 0);
}

TEST(ParseLabelCatalogue, TextAfterTheFirstValueIsIgnored)
{
    Parsed parsed = Parse("  [{\"name\":\"A\"}] trailing ] garbage {\"name\":\"B\"}");
    ASSERT_EQ(parsed.count, 1);
    EXPECT_STREQ(parsed.entries[0].name, "A");
}

TEST(ParseLabelCatalogue, KeysMatchInAnyLetterCaseFirstMemberWins)
{
    LabelEntry entry =
        ParseOne("\"NAME\":\"Upper\",\"Width\":\"2.5\",\"UNITS\":1,\"iD\":400,\"name\":\"second\","
                 "\"colour\":\"red\"");
    EXPECT_STREQ(entry.name, "Upper");
    EXPECT_STREQ(entry.width, "2.5");
    EXPECT_EQ(entry.id, 400);
}

TEST(ParseLabelCatalogue, NamesAreCopiedByteForByteOrEmptiedWhenTooLong)
{
    EXPECT_STREQ(ParseOne("\"name\":\"Stra\xDF"
                          "e 4x6\"")
                     .name,
                 "Stra\xDF"
                 "e 4x6");
    EXPECT_STREQ(ParseOne("\"name\":\"\\u00e9\"").name, "\xC3\xA9");
    EXPECT_STREQ(ParseOne("\"name\":\"\"").name, "");
    std::string longest(63, 'n');
    EXPECT_EQ(std::string(ParseOne("\"name\":\"" + longest + "\"").name), longest);
    EXPECT_STREQ(ParseOne("\"name\":\"" + longest + "n\"").name, "");
    EXPECT_STREQ(ParseOne("\"name\":17").name, "No Name 1");
}

TEST(ParseLabelCatalogue, UnitsAreAWholeJsonNumberFromZeroToTwo)
{
    EXPECT_EQ(ParseOne("\"units\":\"0\"").units, Inches);
    EXPECT_EQ(ParseOne("\"units\":2.7").units, TenthMillimetres);
    EXPECT_EQ(ParseOne("\"units\":-0.5").units, Millimetres);
    EXPECT_EQ(ParseOne("\"units\":5").units, Inches);
    EXPECT_EQ(ParseOne("\"units\":-1").units, Inches);
    EXPECT_EQ(ParseOne("\"units\":true").units, Inches);
    EXPECT_EQ(ParseOne("\"units\":0").units, Millimetres);
}

TEST(ParseLabelCatalogue, OutOfRangeWidthTakesTheDefaultOfItsUnits)
{
    LabelEntry mm = ParseOne("\"units\":0,\"width\":\"200\",\"length\":\"9\"");
    EXPECT_STREQ(mm.width, "101.60");
    EXPECT_STREQ(mm.length, "152.40");
    LabelEntry tenths = ParseOne("\"units\":2,\"width\":\"99.9\",\"length\":\"30481\"");
    EXPECT_STREQ(tenths.width, "1016.00");
    EXPECT_STREQ(tenths.length, "1524.00");
    // The limits are the exact doubles: 0.39 lies below 10 mm in inches.
    EXPECT_STREQ(ParseOne("\"width\":\"0.39\"").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":\"0.40\"").width, "0.40");
    EXPECT_STREQ(ParseOne("\"width\":\"5.07\"").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":\"5.06\"").width, "5.06");
    EXPECT_STREQ(ParseOne("\"length\":\"120\"").length, "120");
    EXPECT_STREQ(ParseOne("\"length\":\"120.01\"").length, "6.00");
}

TEST(ParseLabelCatalogue, NumberTextsInRangeStandUnreformatted)
{
    LabelEntry entry = ParseOne("\"width\":\"4\",\"length\":\" 6.0x\",\"horzOffset\":\"12.5\","
                                "\"vertOffset\":\"-1200\"");
    EXPECT_STREQ(entry.width, "4");
    EXPECT_STREQ(entry.length, " 6.0x");
    EXPECT_STREQ(entry.horzOffset, "12.5");
    EXPECT_STREQ(entry.vertOffset, "-1200");
}

TEST(ParseLabelCatalogue, WrongTypedOrTooLongNumberTextsAreRepaired)
{
    EXPECT_STREQ(ParseOne("\"width\":4").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":null").width, "4.00");
    EXPECT_STREQ(ParseOne("\"units\":0,\"width\":\"101.6000\"").width, "101.60");
    EXPECT_STREQ(ParseOne("\"units\":0,\"width\":\"101.600\"").width, "101.600");
    EXPECT_STREQ(ParseOne("\"width\":\"abc\"").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":\"\"").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":\"inf\"").width, "4.00");
    EXPECT_STREQ(ParseOne("\"width\":\"1e400\"").width, "4.00");
}

TEST(ParseLabelCatalogue, OffsetsOutsideTheRangeBecomeZeroTooLongStaysEmpty)
{
    EXPECT_STREQ(ParseOne("\"horzOffset\":\"1500\"").horzOffset, "0");
    EXPECT_STREQ(ParseOne("\"vertOffset\":\"-1200.1\"").vertOffset, "0");
    EXPECT_STREQ(ParseOne("\"horzOffset\":\"12345678\"").horzOffset, "");
    EXPECT_STREQ(ParseOne("\"horzOffset\":\"\"").horzOffset, "");
    EXPECT_STREQ(ParseOne("\"vertOffset\":\"abc\"").vertOffset, "abc");
    EXPECT_STREQ(ParseOne("\"vertOffset\":12").vertOffset, "0");
}

TEST(ParseLabelCatalogue, IdsOutOfRangeOrNotNumbersBecomePositionPlus257)
{
    Parsed parsed = Parse("[{\"id\":256},{\"id\":40000},{\"id\":\"300\"},{},"
                          "{\"id\":1e300},{\"id\":-1e300},{\"id\":32767.9},{\"id\":257},"
                          "{\"id\":300},{\"id\":300},{\"id\":259}]");
    ASSERT_EQ(parsed.count, 11);
    int expected[] = {257, 258, 259, 260, 261, 262, 32767, 257, 300, 300, 259};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(parsed.entries[i].id, expected[i]) << i;
}

}  // namespace
