/* The Windows pdr-labels.exe on the prefix's machine-wide catalogue. */
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "file_bytes.h"
#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "tool_process.h"

namespace {

/* What the console's text mode wrote, with plain line feeds. */
std::string Plain(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string Rendered(const LabelEntry* labels, int count)
{
    char* text = RenderLabelCatalogue(labels, count);
    std::string result = text != nullptr ? text : "<null>";
    ReleaseLabelCatalogueText(text);
    return result;
}

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

class WindowsLabelsTool : public ::testing::Test {
protected:
    DefaultCatalogueGuard guard_;
};

TEST_F(WindowsLabelsTool, ChangesTheMachineCatalogueWithTheDriversRules)
{
    ToolResult added = RunLabelsToolProcess({L"add", L"Shipping 4x6", L"4.00", L"6.00"});
    ASSERT_TRUE(added.started);
    EXPECT_EQ(added.exitCode, 0u) << added.err;
    ASSERT_EQ(
        RunLabelsToolProcess({L"add", L"Small", L"50", L"30", L"--units", L"mm", L"--offsets", L"5", L"-3"})
            .exitCode,
        0u);
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 2);
    EXPECT_EQ(FileBytes(guard_.Path()), Rendered(labels, 2));
    EXPECT_EQ(labels[1].id, 258);
    EXPECT_STREQ(labels[1].vertOffset, "-3");

    ToolResult listed = RunLabelsToolProcess({L"list"});
    EXPECT_EQ(listed.exitCode, 0u);
    EXPECT_NE(Plain(listed.out).find("258    Small         50       30       mm     5         -3\n"),
              std::string::npos)
        << listed.out;
    EXPECT_EQ(Plain(RunLabelsToolProcess({L"list", L"--json"}).out), Rendered(labels, 2) + "\n");
    EXPECT_EQ(RunLabelsToolProcess({L"check", guard_.Path()}).exitCode, 0u);

    // A refusal leaves the file's bytes alone and says why, as the dialog does.
    const std::string before = FileBytes(guard_.Path());
    ToolResult refused = RunLabelsToolProcess({L"add", L"small", L"4", L"6"});
    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_NE(refused.err.find("Name already used."), std::string::npos) << refused.err;
    refused = RunLabelsToolProcess({L"add", L"Wide", L"5.07", L"6"});
    EXPECT_NE(refused.err.find("Invalid Width. Valid range: 0.39 - 5.07 in"), std::string::npos);
    EXPECT_EQ(FileBytes(guard_.Path()), before);

    EXPECT_EQ(RunLabelsToolProcess({L"remove", L"SHIPPING 4X6"}).exitCode, 0u);
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 1);
    EXPECT_STREQ(labels[0].name, "Small");
}

/* The names the Manage Labels dialog takes, given on a Windows command line:
 * added with a warning, written as JSON escapes. */
TEST_F(WindowsLabelsTool, AddTakesNamesWithControlCharacters)
{
    const struct {
        const wchar_t* given;
        const char* name;
        const char* written;
    } names[] = {
        {L"Say \"hi\" \\ a\tb", "Say \"hi\" \\ a\tb", "\"name\":\t\"Say \\\"hi\\\" \\\\ a\\tb\","},
        {L"a\x01"
         L"b",
         "a\x01"
         "b",
         "\"name\":\t\"a\\u0001b\","},
    };
    for (const auto& n : names) {
        ToolResult added = RunLabelsToolProcess({L"add", n.given, L"4", L"6"});
        ASSERT_TRUE(added.started);
        EXPECT_EQ(added.exitCode, 0u) << added.err;
        EXPECT_NE(added.err.find("warning: the name holds control characters"), std::string::npos)
            << added.err;
        EXPECT_NE(FileBytes(guard_.Path()).find(n.written), std::string::npos) << FileBytes(guard_.Path());
    }
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 2);
    EXPECT_STREQ(labels[0].name, names[0].name);
    EXPECT_STREQ(labels[1].name, names[1].name);
}

TEST_F(WindowsLabelsTool, ImportAndExportKeepEveryByte)
{
    // A name in the 8-bit code page and texts the loader keeps as written.
    const std::string original = "[{\n\t\t\"name\":\t\"Gr\xF6\xDF"
                                 "e \\\"A\\\"\",\n\t\t\"width\":\t\"4\",\n\t\t\"length\":\t\"6.0\","
                                 "\n\t\t\"horzOffset\":\t\"12.5\",\n\t\t\"vertOffset\":\t\"\","
                                 "\n\t\t\"units\":\t1,\n\t\t\"id\":\t300\n\t}]";
    const std::wstring folder = FolderOf(guard_.Path());
    const std::wstring source = folder + L"\\incoming.kmr";
    const std::wstring exported = folder + L"\\exported.kmr";
    ASSERT_TRUE(WriteFileBytes(source, original));
    ToolResult imported = RunLabelsToolProcess({L"import", source, L"--replace"});
    EXPECT_EQ(imported.exitCode, 0u) << imported.err;
    EXPECT_EQ(FileBytes(guard_.Path()), original);
    EXPECT_EQ(RunLabelsToolProcess({L"export", exported}).exitCode, 0u);
    EXPECT_EQ(FileBytes(exported), original);
    EXPECT_EQ(RunLabelsToolProcess({L"check", exported}).exitCode, 0u);

    // A file that is not a catalogue is refused and the catalogue kept.
    ASSERT_TRUE(WriteFileBytes(source, "[{\"name\":\"x\"}] and more"));
    ToolResult refused = RunLabelsToolProcess({L"import", source});
    EXPECT_EQ(refused.exitCode, 1u);
    ToolResult checked = RunLabelsToolProcess({L"check", source});
    EXPECT_EQ(checked.exitCode, 1u);
    EXPECT_NE(checked.out.find("text after the label array"), std::string::npos) << checked.out;
    EXPECT_EQ(FileBytes(guard_.Path()), original);
    DeleteFileW(source.c_str());
    DeleteFileW(exported.c_str());
}

}  // namespace
