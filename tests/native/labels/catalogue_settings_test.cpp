/* A label's optional "settings": read, repaired, written back. */
#include <gtest/gtest.h>
#include <stddef.h>
#include <string.h>

#include <string>
#include <vector>

#include "labels/catalogue_json.h"

namespace {

/* A stock with every setting and one without, as the file holds them. */
const char WithSettings[] = "[{\n"
                            "\t\t\"name\":\t\"Glossy\",\n"
                            "\t\t\"width\":\t\"4.00\",\n"
                            "\t\t\"length\":\t\"6.00\",\n"
                            "\t\t\"horzOffset\":\t\"0\",\n"
                            "\t\t\"vertOffset\":\t\"-15\",\n"
                            "\t\t\"units\":\t1,\n"
                            "\t\t\"id\":\t257,\n"
                            "\t\t\"settings\":\t{\n"
                            "\t\t\t\"printSpeed\":\t2,\n"
                            "\t\t\t\"headIntensity\":\t[20, 20, 18, 32],\n"
                            "\t\t\t\"tapeThrift\":\tfalse,\n"
                            "\t\t\t\"cutter\":\ttrue,\n"
                            "\t\t\t\"cutEvery\":\t10,\n"
                            "\t\t\t\"cutOffset\":\t-1200,\n"
                            "\t\t\t\"pullback\":\ttrue\n"
                            "\t\t}\n"
                            "\t}, {\n"
                            "\t\t\"name\":\t\"Plain\",\n"
                            "\t\t\"width\":\t\"50\",\n"
                            "\t\t\"length\":\t\"25\",\n"
                            "\t\t\"horzOffset\":\t\"0\",\n"
                            "\t\t\"vertOffset\":\t\"0\",\n"
                            "\t\t\"units\":\t0,\n"
                            "\t\t\"id\":\t258\n"
                            "\t}]";

std::string Render(const LabelEntry* entries, int count)
{
    char* text = RenderLabelCatalogue(entries, count);
    std::string result = text != nullptr ? text : "<null>";
    ReleaseLabelCatalogueText(text);
    return result;
}

/* Labels parsed into zeroed records, so that records compare byte for byte. */
std::vector<LabelEntry> Parse(const std::string& text, const LabelRepairSink* repairs = nullptr)
{
    std::vector<LabelEntry> labels(MaxLabels);
    memset(labels.data(), 0, sizeof(LabelEntry) * labels.size());
    labels.resize(ParseLabelCatalogueReporting(text.c_str(), text.size(), labels.data(), MaxLabels, repairs));
    return labels;
}

void CollectKinds(void* context, const LabelRepairNote& note)
{
    static_cast<std::vector<std::string>*>(context)->push_back(
        std::to_string(static_cast<int>(note.kind)) + " " + (note.member != nullptr ? note.member : "-") +
        " " + (note.found != nullptr ? note.found : "-"));
}

std::string Kind(LabelRepairKind kind, const char* member, const char* found)
{
    return std::to_string(static_cast<int>(kind)) + " " + member + " " + found;
}

TEST(CatalogueSettings, ParseAndRenderRoundTripByteForByte)
{
    const std::vector<LabelEntry> labels = Parse(WithSettings);
    ASSERT_EQ(2u, labels.size());
    const LabelSettings& glossy = labels[0].settings;
    EXPECT_TRUE(glossy.HasPrintSpeed && glossy.HasHeadIntensity && glossy.HasTapeThrift && glossy.HasCutter &&
                glossy.HasCutEvery && glossy.HasCutOffset && glossy.HasPullback);
    EXPECT_EQ(2, glossy.PrintSpeed);
    EXPECT_EQ(32, glossy.HeadIntensity[3]);
    EXPECT_EQ(0, glossy.TapeThrift);
    EXPECT_EQ(10, glossy.CutEvery);
    EXPECT_EQ(-1200, glossy.CutOffset);
    EXPECT_FALSE(HasLabelSettings(labels[1].settings));
    EXPECT_EQ(WithSettings, Render(labels.data(), 2));
}

TEST(CatalogueSettings, LabelFieldsReadAsIfTheMemberWereNotThere)
{
    // A loader that does not know "settings" ignores it as any unknown
    // member: the label's own fields are the same bytes with or without it.
    std::string without = WithSettings;
    const size_t from = without.find(",\n\t\t\"settings\"");
    const size_t to = without.find("\t\t}\n", from) + 3;
    without.erase(from, to - from);
    const std::vector<LabelEntry> plain = Parse(without);
    const std::vector<LabelEntry> stocked = Parse(WithSettings);
    ASSERT_EQ(plain.size(), stocked.size());
    for (size_t i = 0; i < plain.size(); ++i)
        EXPECT_EQ(0, memcmp(&plain[i], &stocked[i], offsetof(LabelEntry, settings))) << "label " << i;
    EXPECT_FALSE(HasLabelSettings(plain[0].settings));
}

TEST(CatalogueSettings, BadSettingsAreDroppedAndReportedTheLabelStays)
{
    std::vector<std::string> repairs;
    const LabelRepairSink sink = {CollectKinds, &repairs};
    const std::vector<LabelEntry> labels =
        Parse("[{\"name\":\"A\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\",\"vertOffset\":\"0\","
              "\"units\":1,\"id\":300,\"settings\":{\"printSpeed\":8,\"headIntensity\":[1,2,3],"
              "\"tapeThrift\":1,\"cutEvery\":2.5,\"CUTOFFSET\":-5,\"pullback\":true,\"colour\":1}},"
              "{\"name\":\"B\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\",\"vertOffset\":\"0\","
              "\"units\":1,\"id\":301,\"settings\":[1]}]",
              &sink);
    ASSERT_EQ(2u, labels.size());
    EXPECT_EQ((std::vector<std::string>{
                  Kind(LabelRepairKind::SettingOutOfRange, "printSpeed", "8"),
                  Kind(LabelRepairKind::SettingWrongType, "headIntensity", "[1,2,3]"),
                  Kind(LabelRepairKind::SettingWrongType, "tapeThrift", "1"),
                  Kind(LabelRepairKind::SettingOutOfRange, "cutEvery", "2.5"),
                  Kind(LabelRepairKind::SettingsNotAnObject, "settings", "[1]"),
              }),
              repairs);
    // What was good is kept, keys in any letter case, unknown keys ignored.
    const LabelSettings& a = labels[0].settings;
    EXPECT_FALSE(a.HasPrintSpeed || a.HasHeadIntensity || a.HasTapeThrift || a.HasCutEvery || a.HasCutter);
    EXPECT_TRUE(a.HasCutOffset && a.HasPullback);
    EXPECT_EQ(-5, a.CutOffset);
    EXPECT_STREQ("A", labels[0].name);
    EXPECT_EQ(300, labels[0].id);
    EXPECT_FALSE(HasLabelSettings(labels[1].settings));
    EXPECT_EQ(301, labels[1].id);
    // Saved again, the file keeps the good settings only.
    EXPECT_NE(std::string::npos,
              Render(labels.data(), 1).find("\"settings\":\t{\n\t\t\t\"cutOffset\":\t-5,\n"));
}

}  // namespace
