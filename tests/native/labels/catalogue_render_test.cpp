#include "label_fixtures.h"
#include "labels/catalogue_json.h"

#include <gtest/gtest.h>
#include <string.h>
#include <string>

namespace {

std::string Render(const LabelEntry* entries, int count)
{
    char* text = RenderLabelCatalogue(entries, count);
    if (text == nullptr)
        return "<null>";
    std::string result = text;
    ReleaseLabelCatalogueText(text);
    return result;
}

void ExpectSameLabel(const LabelEntry& a, const LabelEntry& b)
{
    EXPECT_STREQ(a.name, b.name);
    EXPECT_STREQ(a.width, b.width);
    EXPECT_STREQ(a.length, b.length);
    EXPECT_STREQ(a.horzOffset, b.horzOffset);
    EXPECT_STREQ(a.vertOffset, b.vertOffset);
    EXPECT_EQ(a.units, b.units);
    EXPECT_EQ(a.id, b.id);
}

TEST(RenderLabelCatalogue, TwoLabelsGiveExactlyTheFileBytes)
{
    const LabelEntry labels[] = {
        MakeLabel("Shipping 4x6", "4.00", "6.00", Inches, 257),
        MakeLabel("Gr\xF6\xDF"
                  "e \"A\" \\ 1",
                  "101.6", "152.40", Millimetres, 300, "-12", "7"),
    };
    const std::string expected = "[{\n"
                                 "\t\t\"name\":\t\"Shipping 4x6\",\n"
                                 "\t\t\"width\":\t\"4.00\",\n"
                                 "\t\t\"length\":\t\"6.00\",\n"
                                 "\t\t\"horzOffset\":\t\"0\",\n"
                                 "\t\t\"vertOffset\":\t\"0\",\n"
                                 "\t\t\"units\":\t1,\n"
                                 "\t\t\"id\":\t257\n"
                                 "\t}, {\n"
                                 "\t\t\"name\":\t\"Gr\xF6\xDF"
                                 "e \\\"A\\\" \\\\ 1\",\n"
                                 "\t\t\"width\":\t\"101.6\",\n"
                                 "\t\t\"length\":\t\"152.40\",\n"
                                 "\t\t\"horzOffset\":\t\"-12\",\n"
                                 "\t\t\"vertOffset\":\t\"7\",\n"
                                 "\t\t\"units\":\t0,\n"
                                 "\t\t\"id\":\t300\n"
                                 "\t}]";
    EXPECT_EQ(Render(labels, 2), expected);
}

TEST(RenderLabelCatalogue, EmptyCatalogueIsTwoCharactersBadCountsNothing)
{
    EXPECT_EQ(Render(nullptr, 0), "[]");
    LabelEntry label = MakeLabel("A", "4", "6", 1, 257);
    EXPECT_EQ(Render(&label, -1), "<null>");
    EXPECT_EQ(Render(&label, MaxLabels + 1), "<null>");
}

TEST(RenderLabelCatalogue, EscapesControlCharactersAndKeepsThemOnReload)
{
    LabelEntry label = MakeLabel("a\tb\nc\x01"
                                 "d\x1F",
                                 "4", "6", 1, 257);
    std::string text = Render(&label, 1);
    EXPECT_NE(text.find("\"a\\tb\\nc\\u0001d\\u001f\""), std::string::npos) << text;
    LabelEntry back;
    ASSERT_EQ(ParseLabelCatalogue(text.c_str(), &back, 1), 1);
    EXPECT_STREQ(back.name, label.name);
}

TEST(RenderLabelCatalogue, FieldsWithoutTheirNulAreReadOnlyToTheFieldsEnd)
{
    LabelEntry label = MakeLabel("", "", "6", 1, 257);
    memset(label.name, 'n', sizeof label.name);
    memcpy(label.width, "12345678", sizeof label.width);
    std::string text = Render(&label, 1);
    EXPECT_NE(text.find("\"name\":\t\"" + std::string(64, 'n') + "\""), std::string::npos);
    EXPECT_NE(text.find("\"width\":\t\"12345678\""), std::string::npos);
}

TEST(RenderLabelCatalogue, SaveLoadRoundTripKeepsEveryTextField)
{
    LabelEntry labels[MaxLabels];
    const char* widths[] = {"4", "4.0", "4.00", " 5.06", "0.40"};
    for (int i = 0; i < MaxLabels; ++i) {
        char name[LabelNameSize];
        snprintf(name, sizeof name, "%c label \xE4\xFC %d ", 'A' + i % 26, i);
        labels[i] = MakeLabel(name, widths[i % 5], "120", Inches, FirstLabelId + (i * 7) % 300,
                              i % 2 ? "" : "-1200", "1200");
    }
    labels[5].units = TenthMillimetres;
    strcpy(labels[5].width, "1287");
    strcpy(labels[5].length, "30480.0");
    strcpy(labels[6].name, std::string(63, '~').c_str());
    std::string text = Render(labels, MaxLabels);
    LabelEntry back[MaxLabels];
    ASSERT_EQ(ParseLabelCatalogue(text.c_str(), back, MaxLabels), MaxLabels);
    for (int i = 0; i < MaxLabels; ++i)
        ExpectSameLabel(back[i], labels[i]);
    EXPECT_EQ(Render(back, MaxLabels), text);
}

}  // namespace
