/* The Label page's model: what applying a label writes, and the Details
 * text of the longest and of non-ASCII texts. */
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "label_fixtures.h"
#include "labels/catalogue_json.h"
#include "pages/label_model.h"
#include "settings/devmode_ops.h"
#include "settings/stock_settings.h"
#include "text/path_utf8.h"

namespace {

std::wstring DetailsOf(const LabelEntry* label)
{
    wchar_t details[LabelDetailsChars];
    details[0] = L'x';
    ComposeLabelDetails(label, details);
    return details;
}

TEST(LabelPageRules, ApplyingALabelKeepsFormNameFieldsAndUnreadableOffsets)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    const DriverDevMode before = record;
    record.Extra.VerticalOffset = 44;
    std::string longest(LabelNameSize - 1, 'n');
    LabelEntry label = MakeLabel("", "1016", "1524", TenthMillimetres, 300, "2000e-1", "abc");
    memcpy(label.name, longest.c_str(), LabelNameSize);

    ApplyLabelToRecord(label, &record);
    EXPECT_EQ(longest, record.Extra.LabelName);
    EXPECT_EQ(1016, record.Public.dmPaperWidth);
    EXPECT_EQ(1524, record.Public.dmPaperLength);
    EXPECT_EQ(0, record.Extra.HorizontalOffset);
    EXPECT_EQ(44, record.Extra.VerticalOffset);
    EXPECT_EQ(0, memcmp(before.Public.dmFormName, record.Public.dmFormName, sizeof record.Public.dmFormName));
    EXPECT_EQ(before.Public.dmFields, record.Public.dmFields);
}

TEST(LabelModel, DetailsWidenTheLabelsTextsThroughTheCodePage)
{
    EXPECT_EQ(L"", DetailsOf(nullptr));
    // The longest texts a field holds, with bytes beyond ASCII.
    const LabelEntry label =
        MakeLabel("Odd", "1234567", "\xB5\xB5\xB5\xB5\xB5\xB5\xB5", 99, 257, "-1200.5", "\xE9");
    EXPECT_EQ(L"Width: 1234567 mm\r\nLength: \u00B5\u00B5\u00B5\u00B5\u00B5\u00B5\u00B5 mm\r\n"
              L"Horizontal Offset: -1200.5\r\nVertical Offset: \u00E9\r\n",
              DetailsOf(&label));
}

LabelSettings SpeedAndCutter(int speed, int cutter)
{
    LabelSettings settings = {};
    settings.PrintSpeed = speed;
    settings.HasPrintSpeed = true;
    settings.Cutter = cutter;
    settings.HasCutter = true;
    return settings;
}

TEST(LabelPageRules, ARecordsValueOutOfRangeIsNoSettingOfTheStock)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    record.Extra.HeadIntensity[2] = 33;
    const LabelSettings captured = CaptureLabelSettings(record.Extra);
    EXPECT_TRUE(captured.HasPrintSpeed && captured.HasTapeThrift && captured.HasCutter &&
                captured.HasCutEvery && captured.HasCutOffset && captured.HasPullback);
    EXPECT_FALSE(captured.HasHeadIntensity);
}

TEST(LabelModel, DetailsShowTheStocksSettingsAfterItsFourLines)
{
    const StockSettingWords words = {
        {L"Speed: ", L"Heads: ", L"Thrift: ", L"Cutter: ", L"Every: ", L"Offset: ", L"Pullback: "},
        L"ja",
        L"nein"};
    LabelEntry label = MakeLabel("S", "4.00", "6.00", Inches, 257);
    const std::wstring fourLines = DetailsOf(&label);
    wchar_t details[LabelDetailsChars];
    ComposeLabelDetails(&label, details);
    AppendStockSettingsDetails(label.settings, words, details);
    EXPECT_EQ(fourLines, details);

    label.settings = SpeedAndCutter(2, 0);
    label.settings.HeadIntensity[0] = 1;
    label.settings.HeadIntensity[1] = 2;
    label.settings.HeadIntensity[2] = 3;
    label.settings.HeadIntensity[3] = 32;
    label.settings.HasHeadIntensity = true;
    label.settings.CutOffset = -1200;
    label.settings.HasCutOffset = true;
    AppendStockSettingsDetails(label.settings, words, details);
    EXPECT_EQ(fourLines + L"Speed: 2\r\nHeads: 1, 2, 3, 32\r\nCutter: nein\r\nOffset: -1200\r\n", details);
}

TEST(LabelModel, SavingStoresIntoTheStockAloneAndRefusesWhatItCannotSaveWhole)
{
    char name[] = "/tmp/pdr-stock-XXXXXX";
    close(mkstemp(name));
    wchar_t* path = WidenPathUtf8(name);
    LabelEntry labels[] = {MakeLabel("Kept", "4.00", "6.00", Inches, 257),
                           MakeLabel("Target", "2.00", "1.00", Inches, 258)};
    labels[0].settings = SpeedAndCutter(7, 1);
    ASSERT_TRUE(SaveLabelCatalogue(labels, 2, path));
    const LabelEntry shown = labels[1];
    ASSERT_TRUE(SaveSettingsToStock(shown, SpeedAndCutter(2, 0), path));
    labels[1].settings = SpeedAndCutter(2, 0);
    std::vector<LabelEntry> saved(MaxLabels);
    ASSERT_EQ(2, LoadLabelCatalogue(saved.data(), MaxLabels, path));
    EXPECT_EQ(0, memcmp(labels, saved.data(), sizeof labels));

    // Renamed since the page read it, or a file read only in part: refused.
    LabelEntry renamed = shown;
    renamed.name[0] = 't';
    EXPECT_FALSE(SaveSettingsToStock(renamed, SpeedAndCutter(3, 1), path));
    FILE* file = fopen(name, "ab");
    fputs(" trailing", file);
    fclose(file);
    EXPECT_FALSE(SaveSettingsToStock(shown, SpeedAndCutter(3, 1), path));
    ASSERT_EQ(2, LoadLabelCatalogue(saved.data(), MaxLabels, path));
    EXPECT_EQ(0, memcmp(labels, saved.data(), sizeof labels));
    free(path);
    remove(name);
}

}  // namespace
