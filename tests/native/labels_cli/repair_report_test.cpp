#include "labels/catalogue_json.h"
#include "labels/catalogue_repairs.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

struct SeenRepair {
    LabelRepairKind kind;
    int position;
    std::string member;
};

void Collect(void* context, const LabelRepairNote& note)
{
    static_cast<std::vector<SeenRepair>*>(context)->push_back(
        {note.kind, note.position, note.member != nullptr ? note.member : ""});
}

std::vector<SeenRepair> RepairsOf(const std::string& text, LabelEntry* entries, int* count)
{
    std::vector<SeenRepair> seen;
    LabelRepairSink sink = {Collect, &seen};
    *count = ParseLabelCatalogueReporting(text.c_str(), text.size(), entries, MaxLabels, &sink);
    return seen;
}

std::string ManyObjects(int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i)
        text += i == 0 ? "{}" : ",{}";
    return text + "]";
}

TEST(LoaderRepairs, ReportingNeverChangesWhatIsLoaded)
{
    const std::string texts[] = {
        "",
        "  \n",
        "[]",
        "[{}]",
        "nonsense",
        "{\"a\":{\"name\":\"x\"}}",
        "[1,\"two\",[]]",
        "[{\"name\":\"A\",\"width\":\"200\",\"units\":0}] trailing",
        "[{\"NAME\":\"b\",\"Width\":\"0.40\",\"units\":2.7,\"id\":300.5,\"horzOffset\":\"12345678\"}]",
        "[{\"name\":\"" + std::string(64, 'n') + "\",\"length\":\"101.6000\",\"id\":40000}]",
        ManyObjects(130)};
    for (const std::string& text : texts) {
        LabelEntry plain[MaxLabels];
        LabelEntry reported[MaxLabels];
        memset(plain, 0xA5, sizeof plain);
        memset(reported, 0xA5, sizeof reported);
        int count = 0;
        RepairsOf(text, reported, &count);
        EXPECT_EQ(ParseLabelCatalogue(text.c_str(), plain, MaxLabels), count) << text;
        EXPECT_EQ(memcmp(plain, reported, sizeof plain), 0) << text;
    }
}

TEST(LoaderRepairs, EachRepairIsToldWithItsLabelAndMember)
{
    LabelEntry entries[MaxLabels];
    int count = 0;
    std::vector<SeenRepair> seen = RepairsOf(
        "[{\"name\":\"A\",\"width\":\"200\",\"length\":\"6\",\"horzOffset\":\"0\",\"vertOffset\":\"0\","
        "\"units\":0,\"id\":257},"
        " 5,"
        " {\"name\":7,\"width\":4,\"length\":\"101.6000\",\"horzOffset\":\"12345678\","
        "\"vertOffset\":\"1500\",\"units\":2.5,\"id\":\"300\"}] tail",
        entries, &count);
    ASSERT_EQ(count, 3);
    const std::vector<SeenRepair> expected = {
        {LabelRepairKind::OutOfRange, 0, "width"},      {LabelRepairKind::OutOfRange, 0, "length"},
        {LabelRepairKind::NotAnObject, 1, ""},          {LabelRepairKind::WrongType, 2, "name"},
        {LabelRepairKind::NotWholeNumber, 2, "units"},  {LabelRepairKind::WrongType, 2, "width"},
        {LabelRepairKind::TextTooLong, 2, "length"},    {LabelRepairKind::TextTooLong, 2, "horzOffset"},
        {LabelRepairKind::OutOfRange, 2, "vertOffset"}, {LabelRepairKind::WrongType, 2, "id"},
        {LabelRepairKind::TextAfterValue, -1, ""}};
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(seen[i].kind, expected[i].kind) << i;
        EXPECT_EQ(seen[i].position, expected[i].position) << i;
        EXPECT_EQ(seen[i].member, expected[i].member) << i;
    }
    // The long offset is emptied and, being 0, stays empty; the loader's
    // result is what the report describes.
    EXPECT_STREQ(entries[2].horzOffset, "");
    EXPECT_EQ(entries[2].units, TenthMillimetres);
}

TEST(LoaderRepairs, WholeFileProblemsAndCleanFiles)
{
    LabelEntry entries[MaxLabels];
    int count = 0;
    EXPECT_EQ(RepairsOf("  ", entries, &count)[0].kind, LabelRepairKind::EmptyText);
    EXPECT_EQ(RepairsOf("[{]", entries, &count)[0].kind, LabelRepairKind::NotJson);
    EXPECT_EQ(RepairsOf("{}", entries, &count)[0].kind, LabelRepairKind::NotAnArray);
    std::vector<SeenRepair> many = RepairsOf(ManyObjects(130), entries, &count);
    EXPECT_EQ(count, MaxLabels);
    EXPECT_EQ(many.back().kind, LabelRepairKind::TooManyLabels);
    EXPECT_EQ(many.back().position, MaxLabels);
    // A NUL inside the file ends the parsed text; what follows still counts.
    EXPECT_EQ(RepairsOf(std::string("[]\0[{}]", 7), entries, &count).back().kind,
              LabelRepairKind::TextAfterValue);

    // Whatever the library saves needs no repair when read back.
    ASSERT_EQ(ParseLabelCatalogue("[{},{\"units\":0},{\"units\":2,\"horzOffset\":\"\"}]", entries, MaxLabels),
              3);
    char* rendered = RenderLabelCatalogue(entries, 3);
    EXPECT_TRUE(RepairsOf(rendered, entries, &count).empty());
    ReleaseLabelCatalogueText(rendered);
    EXPECT_TRUE(RepairsOf("[]", entries, &count).empty());
}

TEST(LoaderRepairs, AnOversizedStreamIsToldAsTooLarge)
{
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fseek(file, MaxLabelCatalogueBytes, SEEK_SET), 0);
    fputc(' ', file);
    rewind(file);
    std::vector<SeenRepair> seen;
    LabelRepairSink sink = {Collect, &seen};
    LabelEntry entries[MaxLabels];
    EXPECT_EQ(ReadLabelCatalogueStream(file, entries, MaxLabels, &sink), 0);
    fclose(file);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, LabelRepairKind::FileTooLarge);
    EXPECT_TRUE(RepairIgnoresFileContent(seen[0].kind));
}

}  // namespace
