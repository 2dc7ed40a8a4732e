/* pdr-labels' commands, run in-process over real files in a folder of
 * their own that stands for the machine's common application data. */
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common_app_data.h"
#include "labels/catalogue_json.h"
#include "labels/label_catalogue.h"
#include "text/path_utf8.h"
#include "tool_context.h"

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

std::string ReadAll(FILE* file)
{
    std::string bytes;
    rewind(file);
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    fclose(file);
    return bytes;
}

std::string FileText(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    return file != nullptr ? ReadAll(file) : "<missing>";
}

void WriteText(const std::string& path, const std::string& text)
{
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

std::string Rendered(const LabelEntry* labels, int count)
{
    char* text = RenderLabelCatalogue(labels, count);
    std::string result = text;
    ReleaseLabelCatalogueText(text);
    return result;
}

/* `count` labels "Stock 1" ... as a catalogue text, more than a catalogue
   holds if asked. */
std::string Labels(int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        text += (i == 0 ? "" : ", ") + std::string("{\"name\":\"Stock ") + std::to_string(i + 1) +
                "\",\"width\":\"4.00\",\"length\":\"6\",\"horzOffset\":\"0\",\"vertOffset\":\"0\","
                "\"units\":1,\"id\":" +
                std::to_string(FirstLabelId + i) + "}";
    }
    return text + "]";
}

class LabelsTool : public CommonAppDataTest {
protected:
    void SetUp() override
    {
        CommonAppDataTest::SetUp();
        catalogue_ = CataloguePath();
    }
    ToolRun Run(std::initializer_list<std::string> words)
    {
        return Run(std::vector<std::string>(words));
    }
    ToolRun Run(const std::vector<std::string>& words)
    {
        std::vector<ToolArgument> arguments;
        for (const std::string& word : words) {
            ToolArgument argument;
            argument.text = word;
            wchar_t* path = WidenPathUtf8(word.c_str());
            argument.pathUsable = path != nullptr;
            if (path != nullptr)
                argument.path = path;
            free(path);
            arguments.push_back(argument);
        }
        FILE* out = tmpfile();
        FILE* err = tmpfile();
        int status = RunLabelsTool(arguments, ToolOutput{out, err});
        return {status, ReadAll(out), ReadAll(err)};
    }
    std::string catalogue_;
};

TEST_F(LabelsTool, RoundTripsKeepEveryText)
{
    // Texts the loader keeps as they are, in every units system.
    const std::string original =
        "[{\"name\":\"R\\u00e9sum\\u00e9 \\\"A\\\"\\t\",\"width\":\"4\",\"length\":\"6.0\","
        "\"horzOffset\":\"12.5\",\"vertOffset\":\"\",\"units\":1,\"id\":300},"
        "{\"name\":\"mm\",\"width\":\"128.7\",\"length\":\"3048\",\"horzOffset\":\"-1200\","
        "\"vertOffset\":\"7\",\"units\":0,\"id\":257},"
        "{\"name\":\"tenths\",\"width\":\"1016.00\",\"length\":\"100\",\"horzOffset\":\"0\","
        "\"vertOffset\":\"0\",\"units\":2,\"id\":32767}]";
    const std::string source = folder_ + "/source.kmr";
    WriteText(source, original);
    ASSERT_EQ(Run({"import", source}).status, 0);
    const std::string saved = FileText(catalogue_);
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(ParseLabelCatalogue(original.c_str(), labels, MaxLabels), 3);
    EXPECT_EQ(saved, Rendered(labels, 3));

    const std::string exported = folder_ + "/exported.kmr";
    ASSERT_EQ(Run({"export", exported}).status, 0);
    EXPECT_EQ(FileText(exported), saved);
    EXPECT_EQ(Run({"list", "--json"}).out, saved + "\n");
    ASSERT_EQ(Run({"import", exported, "--merge"}).status, 0);
    EXPECT_EQ(FileText(catalogue_), saved);
    EXPECT_EQ(Run({"check", exported}).status, 0);

    ToolRun table = Run({"list"});
    EXPECT_NE(table.out.find("300    R\xC3\xA9sum\xC3\xA9 \"A\"\t  4        6.0      in     12.5"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("32767  tenths"), std::string::npos);
}

TEST_F(LabelsTool, CheckFindsEachKindOfRepair)
{
    const std::string file = folder_ + "/repairs.kmr";
    WriteText(file, "[{\"name\":\"" + std::string(64, 'n') +
                        "\",\"width\":\"200\",\"length\":\"6\","
                        "\"horzOffset\":\"0\",\"vertOffset\":\"0\",\"units\":0,\"id\":257}, {}] junk");
    ToolRun run = Run({"check", file});
    EXPECT_EQ(run.status, 1);
    const char* expected[] = {
        "label 1: \"name\" \"nnnn",
        "is longer than 63 bytes; the driver uses \"\"",
        "label 1: \"width\" \"200\" is outside 10.00 - 128.70 mm; the driver uses \"101.60\"",
        "label 2: no \"name\"; the driver uses \"No Name 2\"",
        "label 2: no \"id\"; the driver uses 258",
        "text after the label array (from byte",
        "2 labels, 11 repairs needed"};
    for (const char* line : expected)
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;

    WriteText(file, Labels(130));
    EXPECT_NE(Run({"check", file}).out.find("holds 130 labels; labels 129 to 130 are ignored"),
              std::string::npos);
    WriteText(file, Labels(2) + std::string(MaxLabelCatalogueBytes, ' '));
    EXPECT_NE(Run({"check", file}).out.find("too large"), std::string::npos);

    WriteText(file, Labels(128));
    run = Run({"check", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("128 labels, no repairs needed"), std::string::npos);
    EXPECT_EQ(Run({"check", folder_ + "/none.kmr"}).status, 3);
    EXPECT_EQ(Run({"check", folder_}).status, 3);
}

TEST_F(LabelsTool, AddFollowsTheDialogsRules)
{
    EXPECT_EQ(Run({"add", "  Label A \t", "4", "6"}).status, 0);
    EXPECT_EQ(Run({"add", "B", "101.6", "152.4", "--units", "mm", "--offsets", "+5", "-12.9"}).status, 0);
    EXPECT_EQ(Run({"add", "C", "1016", "1524", "--units", "0.1mm"}).status, 0);
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 3);
    EXPECT_STREQ(labels[0].name, "Label A");
    EXPECT_STREQ(labels[0].width, "4");
    EXPECT_STREQ(labels[1].horzOffset, "5");
    EXPECT_STREQ(labels[1].vertOffset, "-12");
    EXPECT_EQ(labels[1].units, Millimetres);
    EXPECT_EQ(labels[2].units, TenthMillimetres);
    EXPECT_EQ(labels[2].id, 259);

    // Ids follow the last label's, or take the first free one.
    labels[2].id = 300;
    ASSERT_TRUE(SaveLabelCatalogue(labels, 3, nullptr));
    ASSERT_EQ(Run({"add", "D", "4", "6"}).status, 0);
    ASSERT_EQ(Run({"remove", "--id", "258"}).status, 0);
    ASSERT_EQ(Run({"remove", "label a"}).status, 0);
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 2);
    EXPECT_EQ(labels[1].id, 301);
}

/* Names with a tab or another control character are added as the dialog
 * adds them, with a warning; the file writes them as JSON escapes. */
TEST_F(LabelsTool, AddTakesNamesWithControlCharactersAndWarns)
{
    const struct {
        const char* name;
        const char* written;
    } names[] = {
        {"Say \"hi\" \\ a\tb", "\"name\":\t\"Say \\\"hi\\\" \\\\ a\\tb\","},
        {"a\x01"
         "b",
         "\"name\":\t\"a\\u0001b\","},
    };
    for (const auto& n : names) {
        const ToolRun run = Run({"add", n.name, "4", "6"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("warning: the name holds control characters"), std::string::npos) << run.err;
        EXPECT_NE(FileText(catalogue_).find(n.written), std::string::npos) << FileText(catalogue_);
    }
    EXPECT_EQ(Run({"add", "Plain", "4", "6"}).err, "");
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 3);
    EXPECT_STREQ(labels[0].name, names[0].name);
    EXPECT_STREQ(labels[1].name, names[1].name);
    // Such names are compared like any other.
    const ToolRun twin = Run({"add",
                              "A\x01"
                              "B",
                              "4", "6"});
    EXPECT_EQ(twin.status, 1);
    EXPECT_NE(twin.err.find("Name already used."), std::string::npos) << twin.err;
}

TEST_F(LabelsTool, RefusalsChangeNothing)
{
    ASSERT_EQ(Run({"add", "Label A", "4", "6"}).status, 0);
    ASSERT_EQ(Run({"add", "Twin", "4", "6"}).status, 0);
    const std::string before = FileText(catalogue_);
    const std::string notCatalogue = folder_ + "/not.kmr";
    WriteText(notCatalogue, "hello");
    const std::string many = folder_ + "/many.kmr";
    WriteText(many, Labels(127));
    const std::string twice = folder_ + "/twice.kmr";
    WriteText(twice, "[{\"name\":\"x\"},{\"name\":\"X\"}]");
    const std::string empty = folder_ + "/empty.kmr";
    WriteText(empty, "");
    const struct {
        std::vector<std::string> words;
        int status;
        const char* message;
    } refusals[] = {
        {{"add", " ", "4", "6"}, 1, "You must enter a name."},
        {{"add", "label a", "4", "6"}, 1, "Name already used."},
        {{"add", "N", "0.39", "6"}, 1, "Invalid Width. Valid range: 0.39 - 5.07 in"},
        {{"add", "N", "4", "121", "--units", "in"}, 1, "Invalid Length. Valid range: 0.39 - 120.00 in"},
        {{"add", "N", "1016", "6", "--units", "mm"}, 1, "Invalid Width. Valid range: 10.00 - 128.70 mm"},
        {{"add", "N", "4.000000", "6"}, 1, "Invalid Width"},
        {{"add", "N", "4", "6", "--offsets", "1201", "0"},
         1,
         "Invalid Horizontal Offset. Valid range: -1200 - 1200"},
        {{"add", "N", "4", "6", "--offsets", "0", "-1201"}, 1, "Invalid Vertical Offset"},
        {{"add", std::string(64, 'n'), "4", "6"}, 1, "at most 63 bytes"},
        {{"add", "N", "4", "6", "--units", "cm"}, 2, "unknown units"},
        {{"add", "N", "4"}, 2, "missing operand"},
        {{"remove", "nobody"}, 1, "no label \"nobody\""},
        {{"remove", "--id", "abc"}, 2, "--id needs a label id"},
        {{"import", notCatalogue}, 1, "does not begin with a JSON value"},
        {{"import", empty}, 1, "the file is empty"},
        {{"import", folder_ + "/none.kmr"}, 3, "does not exist"},
        {{"import", many, "--merge"}, 1, "the merge would give 129 labels"},
        {{"import", twice, "--merge"}, 1, "are both named"},
        {{"import", many, "--merge", "--replace"}, 2, "only one of"},
        {{"list", "--units", "mm"}, 2, "does not take --units"},
    };
    for (const auto& refusal : refusals) {
        std::vector<ToolArgument> arguments;
        std::string shown;
        for (const std::string& word : refusal.words) {
            ToolArgument argument;
            argument.text = word;
            argument.path.assign(word.begin(), word.end());
            arguments.push_back(argument);
            shown += word + " ";
        }
        FILE* out = tmpfile();
        FILE* err = tmpfile();
        EXPECT_EQ(RunLabelsTool(arguments, ToolOutput{out, err}), refusal.status) << shown;
        ReadAll(out);
        EXPECT_NE(ReadAll(err).find(refusal.message), std::string::npos) << shown;
        EXPECT_EQ(FileText(catalogue_), before) << shown;
    }

    // A full catalogue refuses one more; a catalogue the driver reads only
    // in part is not rewritten from the part.
    WriteText(catalogue_, Labels(128));
    EXPECT_NE(Run({"add", "N", "4", "6"}).err.find("Too many labels"), std::string::npos);
    const std::string partly = Labels(2) + " trailing";
    WriteText(catalogue_, partly);
    EXPECT_EQ(Run({"add", "N", "4", "6"}).status, 1);
    EXPECT_EQ(Run({"remove", "Stock 1"}).status, 1);
    EXPECT_EQ(Run({"export", folder_ + "/copy.kmr"}).status, 1);
    EXPECT_EQ(FileText(catalogue_), partly);
    EXPECT_EQ(FileText(folder_ + "/copy.kmr"), "<missing>");
}

TEST_F(LabelsTool, MergeReplacesByNameAndKeepsIds)
{
    ASSERT_EQ(Run({"add", "Keep", "4", "6"}).status, 0);
    ASSERT_EQ(Run({"add", "Shared", "4", "6"}).status, 0);
    const std::string incoming = folder_ + "/incoming.kmr";
    WriteText(incoming, "[{\"name\":\"SHARED\",\"width\":\"2\",\"units\":1,\"id\":400},"
                        "{\"name\":\"Fresh\",\"id\":500},{\"name\":\"Clash\",\"id\":257}]");
    ToolRun run = Run({"import", incoming, "--merge"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("1 replaced, 2 added, 4 labels"), std::string::npos) << run.out;
    LabelEntry labels[MaxLabels];
    ASSERT_EQ(LoadLabelCatalogue(labels, MaxLabels, nullptr), 4);
    EXPECT_STREQ(labels[1].name, "SHARED");
    EXPECT_STREQ(labels[1].width, "2");
    EXPECT_EQ(labels[1].id, 258);
    EXPECT_EQ(labels[2].id, 500);
    EXPECT_EQ(labels[3].id, 501);
}

TEST_F(LabelsTool, EveryCommandHasHelp)
{
    for (const char* command : {"list", "check", "add", "remove", "import", "export"}) {
        ToolRun run = Run({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.find(std::string("Usage: pdr-labels ") + command), 0u) << run.out;
        EXPECT_EQ(Run({"help", command}).out, run.out);
    }
    EXPECT_EQ(Run({"--help"}).out.find("Usage: pdr-labels [--file PATH] COMMAND"), 0u);
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"frobnicate"}).status, 2);
}

TEST_F(LabelsTool, TheNativeStoreKeepsTheFilesModeAndTakesUtf8Paths)
{
    const std::string file = folder_ + "/\xC3\xA9tiquettes.kmr";
    ASSERT_EQ(Run({"add", "A", "4", "6", "--file", file}).status, 0);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(Run({"add", "B", "4", "6", "--file", file}).status, 0);
    struct stat status;
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_NE(Run({"list", "--file", file}).out.find("258    B"), std::string::npos);
    // Only the catalogue itself is left in the folder: no temporary files.
    ASSERT_EQ(system(("test $(ls -A '" + folder_ + "' | wc -l) -eq 1").c_str()), 0);
}

/* The "settings" member of the label named `name` in `text`, or "". */
std::string SettingsOf(const std::string& text, const char* name)
{
    LabelEntry labels[MaxLabels];
    const int count = ParseLabelCatalogue(text.c_str(), labels, MaxLabels);
    for (int i = 0; i < count; ++i) {
        if (strcmp(labels[i].name, name) != 0)
            continue;
        labels[i].id = FirstLabelId;
        const std::string rendered = Rendered(&labels[i], 1);
        const size_t from = rendered.find("\"settings\"");
        return from == std::string::npos ? "" : rendered.substr(from);
    }
    return "<no label>";
}

TEST_F(LabelsTool, SettingOptionsAreReadIntoTheStockAndListed)
{
    ToolRun run = Run({"add", "Tag", "2", "1", "--speed", "2", "--intensity", "20", "--tapethrift", "off",
                       "--cutter", "every:10", "--cut-offset", "-5", "--pullback", "on"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ("\"settings\":\t{\n\t\t\t\"printSpeed\":\t2,\n\t\t\t\"headIntensity\":\t[20, 20, 20, 20],\n"
              "\t\t\t\"tapeThrift\":\tfalse,\n\t\t\t\"cutter\":\ttrue,\n\t\t\t\"cutEvery\":\t10,\n"
              "\t\t\t\"cutOffset\":\t-5,\n\t\t\t\"pullback\":\ttrue\n\t\t}\n\t}]",
              SettingsOf(FileText(catalogue_), "Tag"));
    ASSERT_EQ(Run({"add", "Bare", "2", "1"}).status, 0);
    ASSERT_EQ(Run({"set", "--id", "258", "--intensity", "1,2,3,32", "--cutter", "off"}).status, 0);
    const std::string table = Run({"list"}).out;
    EXPECT_NE(table.find("  speed 2, intensity 20,20,20,20, tapethrift off, cutter every:10, cut-offset -5, "
                         "pullback on\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("  intensity 1,2,3,32, cutter off\n"), std::string::npos) << table;
    ASSERT_EQ(Run({"set", "tag", "--clear-settings", "--speed", "7"}).status, 0);
    EXPECT_NE(Run({"list"}).out.find("  speed 7\n"), std::string::npos);

    // A value out of range is refused, a malformed one is a wrong command line.
    const std::string before = FileText(catalogue_);
    EXPECT_EQ(1, Run({"add", "New", "2", "1", "--intensity", "1,2,3,33"}).status);
    EXPECT_EQ(2, Run({"set", "Tag", "--cutter", "on"}).status);
    EXPECT_EQ(2, Run({"set", "Tag"}).status);
    EXPECT_EQ(1, Run({"set", "Nobody", "--speed", "3"}).status);
    EXPECT_EQ(before, FileText(catalogue_));
}

TEST_F(LabelsTool, EveryCommandKeepsTheSettingsOfLabelsItDoesNotTouch)
{
    const std::string stock = folder_ + "/stock.kmr";
    WriteText(stock, "[{\"name\":\"Kept\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\","
                     "\"vertOffset\":\"0\",\"units\":1,\"id\":257,\"settings\":{\"printSpeed\":2,"
                     "\"headIntensity\":[9,9,9,9],\"cutter\":true,\"cutEvery\":3,\"pullback\":false}},"
                     "{\"name\":\"Other\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\","
                     "\"vertOffset\":\"0\",\"units\":1,\"id\":258,\"settings\":{\"tapeThrift\":false}}]");
    ASSERT_EQ(Run({"import", stock}).status, 0);
    const std::string kept = SettingsOf(FileText(catalogue_), "Kept");
    ASSERT_NE(std::string::npos, kept.find("\"cutEvery\":\t3"));
    const std::string merged = folder_ + "/merged.kmr";
    WriteText(merged, "[{\"name\":\"OTHER\",\"width\":\"2\",\"units\":1,\"settings\":{\"printSpeed\":5}},"
                      "{\"name\":\"Fresh\",\"id\":600}]");
    const std::string exported = folder_ + "/exported.kmr";
    const std::vector<std::vector<std::string>> commands = {
        {"add", "Added", "2", "1"},
        {"set", "Other", "--speed", "4"},
        {"import", merged, "--merge"},
        {"remove", "Added"},
        {"export", exported},
        {"import", exported},
        {"list"},
        {"check"},
        {"list", "--json"},
    };
    for (const std::vector<std::string>& command : commands) {
        ToolRun run = Run(command);
        ASSERT_LE(run.status, 1) << command[0] << ": " << run.err;
        EXPECT_EQ(kept, SettingsOf(FileText(catalogue_), "Kept")) << command[0];
    }
    // The merged stock takes the import's speed and keeps its own TapeThrift.
    EXPECT_EQ("\"settings\":\t{\n\t\t\t\"printSpeed\":\t5,\n\t\t\t\"tapeThrift\":\tfalse\n\t\t}\n\t}]",
              SettingsOf(FileText(catalogue_), "OTHER"));
    EXPECT_EQ(FileText(exported), FileText(catalogue_));
}

TEST_F(LabelsTool, CheckReportsBadSettingsAsRepairs)
{
    const std::string file = folder_ + "/bad.kmr";
    WriteText(file, "[{\"name\":\"A\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\","
                    "\"vertOffset\":\"0\",\"units\":1,\"id\":257,\"settings\":{\"printSpeed\":9,"
                    "\"pullback\":\"on\",\"cutOffset\":3}},"
                    "{\"name\":\"B\",\"width\":\"4\",\"length\":\"6\",\"horzOffset\":\"0\","
                    "\"vertOffset\":\"0\",\"units\":1,\"id\":258,\"settings\":7}]");
    ToolRun run = Run({"check", file});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(file +
                  ": label 1: setting \"printSpeed\" 9 is not a whole number from 2 to 7; the driver "
                  "leaves it out\n" +
                  file +
                  ": label 1: setting \"pullback\" \"on\" is not true or false; the driver leaves it out\n" +
                  file +
                  ": label 2: \"settings\" 7 is not an object; the driver reads the label without "
                  "settings\n" +
                  file + ": 2 labels, 3 repairs needed\n",
              run.out);
}

}  // namespace

TEST_F(LabelsTool, UpdateFromTakesThePackagesStocksAndMarksThemInTheList)
{
    const std::string stock = folder_ + "/stock.kmr";
    WriteText(stock, Labels(2));
    ASSERT_EQ(Run({"add", "Mine", "3", "1"}).status, 0);
    const std::string before = FileText(catalogue_);
    ToolRun dry = Run({"update-from", stock, "--dry-run"});
    EXPECT_EQ(dry.status, 0);
    EXPECT_NE(dry.out.find("would update"), std::string::npos) << dry.out;
    EXPECT_EQ(FileText(catalogue_), before);
    EXPECT_EQ(FileText(catalogue_ + ".given"), "<missing>");

    ToolRun run = Run({"update-from", stock});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("2 added, 0 updated, 0 removed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("added \"Stock 2\" (id 259)"), std::string::npos) << run.out;
    static LabelEntry given[MaxLabels];
    ASSERT_EQ(ParseLabelCatalogue(Labels(2).c_str(), given, MaxLabels), 2);
    EXPECT_EQ(FileText(catalogue_ + ".given"), Rendered(given, 2));
    ASSERT_EQ(Run({"set", "Stock 1", "--speed", "4"}).status, 0);
    ToolRun table = Run({"list"});
    EXPECT_NE(table.out.find("257    Mine"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("258    Stock 1"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("259*   Stock 2"), std::string::npos) << table.out;

    /* A stock file read in part is not used; a damaged memory makes every
     * label the machine's own, so nothing is overwritten. */
    const std::string updated = FileText(catalogue_);
    WriteText(stock, Labels(2) + " junk");
    EXPECT_EQ(Run({"update-from", stock}).status, 1);
    EXPECT_EQ(FileText(catalogue_), updated);
    WriteText(stock, "[{\"name\":\"Stock 2\",\"width\":\"5.00\"}]");
    WriteText(catalogue_ + ".given", "[] junk");
    run = Run({"update-from", stock});
    EXPECT_NE(run.err.find("read only in part"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("kept \"Stock 2\" (id 259): the machine's own"), std::string::npos) << run.out;
    EXPECT_EQ(FileText(catalogue_), updated);
}
