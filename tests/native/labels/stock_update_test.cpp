/* Bringing a machine's catalogue up to a newer package's stock file. */
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdio.h>
#include <stdlib.h>

#include <sstream>
#include <string>

#include "common_app_data.h"
#include "label_fixtures.h"
#include "labels/given_stocks.h"
#include "labels/stock_update.h"

namespace {

/*
 * Lists are written "NAME WIDTH SETTINGS ID|...": SETTINGS is "-" for none,
 * or "s<speed>" and/or "c<cut every>" (cutter on).  Length, offsets and
 * units are the same for every label.
 */
LabelList ParseList(const std::string& text)
{
    LabelList list = {};
    std::istringstream labels(text);
    std::string item;
    while (std::getline(labels, item, '|')) {
        std::istringstream fields(item);
        std::string name, width, settings;
        int id = 0;
        fields >> name >> width >> settings >> id;
        LabelEntry& label = list.Labels[list.Count++] =
            MakeLabel(name.c_str(), width.c_str(), "6.00", Inches, id);
        for (size_t at = 0; at < settings.size(); ++at) {
            int value = atoi(settings.c_str() + at + 1);
            if (settings[at] == 's') {
                label.settings.HasPrintSpeed = true;
                label.settings.PrintSpeed = value;
            } else if (settings[at] == 'c') {
                label.settings.HasCutter = label.settings.HasCutEvery = true;
                label.settings.Cutter = 1;
                label.settings.CutEvery = value;
            }
        }
    }
    return list;
}

std::string DescribeList(const LabelList& list)
{
    std::string text;
    for (int i = 0; i < list.Count; ++i) {
        const LabelEntry& label = list.Labels[i];
        std::string settings;
        if (label.settings.HasPrintSpeed)
            settings += "s" + std::to_string(label.settings.PrintSpeed);
        if (label.settings.HasCutter)
            settings += "c" + std::to_string(label.settings.CutEvery);
        text += std::string(i > 0 ? "|" : "") + label.name + " " + label.width + " " +
                (settings.empty() ? "-" : settings) + " " + std::to_string(label.id);
    }
    return text;
}

const char* const OutcomeWords[] = {"added", "updated", "removed", "changed", "deleted", "own", "left-out"};

std::string DescribeChanges(const StockUpdate& update)
{
    std::string text;
    for (int i = 0; i < update.ChangeCount; ++i) {
        const StockChange& change = update.Changes[i];
        text += std::string(i > 0 ? "; " : "") + OutcomeWords[static_cast<int>(change.Outcome)] + " " +
                change.Name + " " + std::to_string(change.Id);
    }
    return text;
}

/* `count` labels of the machine's own, "O1 2 - 257" on. */
std::string OwnLabels(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::string(i > 1 ? "|" : "") + "O" + std::to_string(i) + " 2 - " + std::to_string(256 + i);
    return text;
}

struct UpdateCase {
    const char* title;
    std::string machine;
    std::string package;
    std::string given;
    std::string catalogueAfter;
    std::string givenAfter;
    std::string changes;
};

const UpdateCase UpdateCases[] = {
    {"a new stock comes after the machine's own labels with the next id", "Own 2 - 300", "A 4 s3 257", "",
     "Own 2 - 300|A 4 s3 301", "A 4 s3 257", "added A 301"},
    {"a given stock unchanged here takes the new version, keeping id and place", "A 4 s3 262|Own 2 - 258",
     "A 5 s4c10 257", "A 4 s3 257", "A 5 s4c10 262|Own 2 - 258", "A 5 s4c10 257", "updated A 262"},
    {"a stock changed here keeps the change and the earlier gift stays remembered", "A 4 s5 257",
     "A 4 s3c10 257", "A 4 s3 257", "A 4 s5 257", "A 4 s3 257", "changed A 257"},
    {"a letter-case rename is a change made here", "a 4 - 300", "A 5 - 257", "A 4 - 257", "a 4 - 300",
     "A 4 - 257", "changed a 300"},
    {"a stock deleted here is not brought back", "Own 2 - 258", "B 5 - 257", "B 4 - 257", "Own 2 - 258",
     "B 4 - 257", "deleted B -1"},
    {"a dropped stock unchanged here is removed and forgotten", "C 4 - 257|Own 2 - 258", "", "C 4 - 257",
     "Own 2 - 258", "", "removed C 257"},
    {"a dropped stock changed here is kept as the machine's own", "C 9 - 257", "", "C 4 - 257", "C 9 - 257",
     "", "changed C 257"},
    {"a dropped stock deleted here is forgotten", "Own 2 - 258", "", "C 4 - 257", "Own 2 - 258", "", ""},
    {"without memory (an earlier release) every label is the machine's own", "A 4 s3 257|B 4 - 258",
     "A 5 s3 257|B 4 - 258|D 3 - 259", "", "A 4 s3 257|B 4 - 258|D 3 - 259", "D 3 - 259",
     "own A 257; added D 259"},
    {"a label already as the package gives it is remembered as given", "A 5 s4 257", "A 5 s4 257",
     "A 4 s3 257", "A 5 s4 257", "A 5 s4 257", ""},
    {"the same package again changes nothing", "A 4 s3 257|Own 2 - 258", "A 4 s3 257", "A 4 s3 257",
     "A 4 s3 257|Own 2 - 258", "A 4 s3 257", ""},
    {"a name repeated in the package counts once", "", "D 3 - 300|d 4 - 301", "", "D 3 - 257", "D 3 - 300",
     "added D 257"},
    {"a full catalogue leaves new stocks out and does not remember them", OwnLabels(127),
     "X 4 - 257|Y 4 - 258|Z 4 - 259", "", OwnLabels(127) + "|X 4 - 384", "X 4 - 257",
     "added X 384; left-out Y -1; left-out Z -1"},
    {"a removal makes room for a new stock first", OwnLabels(127) + "|C 4 - 400", "D 3 - 257", "C 4 - 257",
     OwnLabels(127) + "|D 3 - 384", "D 3 - 257", "removed C 400; added D 384"},
    /* The three packages of one machine: the user changed A's speed,
     * deleted B and added a label of their own after the first. */
    {"second package: D arrives, C follows, A keeps the user's speed", "A 4 s5 257|C 2 - 259|Mine 3 - 260",
     "A 4 s3c10 257|B 4 - 258|C 3 - 259|D 1 - 260", "A 4 s3 257|B 4 - 258|C 2 - 259",
     "A 4 s5 257|C 3 - 259|Mine 3 - 260|D 1 - 261", "A 4 s3 257|B 4 - 258|C 3 - 259|D 1 - 260",
     "changed A 257; deleted B -1; updated C 259; added D 261"},
    {"third package: C goes", "A 4 s5 257|C 3 - 259|Mine 3 - 260|D 1 - 261",
     "A 4 s3c10 257|B 4 - 258|D 1 - 260", "A 4 s3 257|B 4 - 258|C 3 - 259|D 1 - 260",
     "A 4 s5 257|Mine 3 - 260|D 1 - 261", "A 4 s3 257|B 4 - 258|D 1 - 260",
     "removed C 259; changed A 257; deleted B -1"},
};

TEST(UpdateStockLabels, FollowsThePackageWithoutUndoingChangesMadeHere)
{
    static StockUpdate update;
    for (const UpdateCase& test : UpdateCases) {
        const LabelList machine = ParseList(test.machine);
        const LabelList given = ParseList(test.given);
        UpdateStockLabels(machine, ParseList(test.package), given, &update);
        EXPECT_EQ(DescribeList(update.Catalogue), test.catalogueAfter) << test.title;
        EXPECT_EQ(DescribeList(update.Given), test.givenAfter) << test.title;
        EXPECT_EQ(DescribeChanges(update), test.changes) << test.title;
        EXPECT_EQ(update.CatalogueChanged, DescribeList(machine) != test.catalogueAfter) << test.title;
        EXPECT_EQ(update.GivenChanged, DescribeList(given) != test.givenAfter) << test.title;
    }
}

TEST(UpdateStockLabels, TellsGivenUnchangedLabelsFromTheOthers)
{
    const LabelList given = ParseList("A 4 s3 257|B 4 - 258");
    const LabelList machine = ParseList("A 4 s3 300|b 4 - 301|B 4 s2 302|C 4 - 303");
    const bool expected[] = {true, false, false, false};
    for (int i = 0; i < machine.Count; ++i)
        EXPECT_EQ(IsGivenUnchanged(machine.Labels[i], given), expected[i]) << machine.Labels[i].name;
}

/* The file's labels as DescribeList writes them; "<unread>" when the
 * loader could not read all of it. */
std::string SavedList(const std::string& path)
{
    LabelList list = {};
    FILE* file = fopen(path.c_str(), "rb");
    const bool whole = file != nullptr && ReadWholeLabelFile(file, &list);
    if (file != nullptr)
        fclose(file);
    return whole ? DescribeList(list) : "<unread>";
}

ino_t FileIdentity(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

using StockUpdateFiles = CommonAppDataTest;

TEST_F(StockUpdateFiles, SavesTheCatalogueThenTheGivenStocksAndNothingWhenUnchanged)
{
    const std::string catalogue = folder_ + "/label-list.kmr";
    const std::wstring path(catalogue.begin(), catalogue.end());
    static StockUpdate update;
    UpdateStockLabels(ParseList("Own 2 - 257"), ParseList("A 4 s3 257"), LabelList{}, &update);
    ASSERT_TRUE(SaveStockUpdate(update, path.c_str()));
    EXPECT_EQ(SavedList(catalogue), "Own 2 - 257|A 4 s3 258");
    EXPECT_EQ(SavedList(catalogue + ".given"), "A 4 s3 257");

    /* Every save renames a new file into place, so an unchanged identity
     * means the file was not written. */
    const ino_t catalogueBefore = FileIdentity(catalogue);
    const ino_t givenBefore = FileIdentity(catalogue + ".given");
    const LabelList machine = update.Catalogue;
    const LabelList given = update.Given;
    UpdateStockLabels(machine, ParseList("A 4 s3 257"), given, &update);
    ASSERT_TRUE(SaveStockUpdate(update, path.c_str()));
    EXPECT_EQ(FileIdentity(catalogue), catalogueBefore);
    EXPECT_EQ(FileIdentity(catalogue + ".given"), givenBefore);
}

}  // namespace
