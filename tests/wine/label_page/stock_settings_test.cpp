/* A stock's print settings on a real sheet: a pick brings them onto every
 * page, the user's later change wins, and "Save settings to label" stores
 * the sheet's values into the stock. */
#include <gtest/gtest.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include <windows.h>
#include <commctrl.h>

#include "label_test_support.h"
#include "resources/resource_ids.h"

namespace {

enum PageIndex { LabelPageIndex = 0, IntensityPageIndex = 2, FeaturesPageIndex = 5 };

class StockSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        LabelEntry glossy = MakeLabel("Glossy", "4.00", "6.00", Inches, 257);
        // Speed 2, heads 20 to 23, TapeThrift off, cutter on after every 10.
        glossy.settings = {2, {20, 21, 22, 23}, 0, 1, 10, 0, 0, true, true, true, true, true, false, false};
        WriteDefaultCatalogue({MakeLabel("Plain", "2.00", "1.00", Inches, 258), glossy,
                               MakeLabel("Other", "2.00", "3.00", Inches, 259)});
    }
    DefaultCatalogueGuard guard;
};

/* The text of a control on a page created earlier. */
std::string PageText(LabelSheet& sheet, int pageIndex, int id)
{
    HWND page = PropSheet_IndexToHwnd(sheet->Sheet(), pageIndex);
    char text[64] = "";
    GetWindowTextA(GetDlgItem(page, id), text, sizeof text);
    return text;
}

std::string SpeedShown(LabelSheet& sheet)
{
    HWND page = PropSheet_IndexToHwnd(sheet->Sheet(), IntensityPageIndex);
    const LRESULT index = SendDlgItemMessageW(page, IDC_INTENSITY_SPEED, CB_GETCURSEL, 0, 0);
    return std::to_string(index + 2);
}

TEST_F(StockSettings, APickShowsOnPagesVisitedBeforeAndAfterOkWritesThemAndALaterChangeWins)
{
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet->SelectPage(IntensityPageIndex);
    sheet->SelectPage(LabelPageIndex);
    sheet.ChooseLabel(1);
    EXPECT_EQ("2", SpeedShown(sheet));
    EXPECT_EQ("20", PageText(sheet, IntensityPageIndex, IDC_INTENSITY_HEAD1));
    EXPECT_EQ("23", PageText(sheet, IntensityPageIndex, IDC_INTENSITY_HEAD4));
    // The Details box adds the stock's settings in the interface's language.
    EXPECT_EQ("Width: 4.00 inches\r\nLength: 6.00 inches\r\nHorizontal Offset: 0\r\nVertical Offset: 0\r\n"
              "Print speed (in/s): 2\r\nHead intensity: 20, 21, 22, 23\r\nTapeThrift: off\r\nCutter: on\r\n"
              "Cut after every (labels): 10\r\n",
              sheet->TextA(IDC_LABEL_DETAILS));

    sheet->SelectPage(FeaturesPageIndex);
    EXPECT_FALSE(sheet->IsChecked(IDC_FEATURES_TAPETHRIFT));
    EXPECT_TRUE(sheet->IsChecked(IDC_FEATURES_CUTTER));
    EXPECT_EQ("10", sheet->TextA(IDC_FEATURES_CUT_EVERY));

    // What the user changes afterwards on a page wins.
    sheet->Click(IDC_FEATURES_TAPETHRIFT);
    sheet->SelectPage(IntensityPageIndex);
    sheet->SetText(IDC_INTENSITY_HEAD1, L"5");
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    const DriverExtra& out = sheet.Out()->Extra;
    EXPECT_STREQ("Glossy", out.LabelName);
    EXPECT_EQ(2, out.PrintSpeed);
    EXPECT_EQ(5, out.HeadIntensity[0]);
    EXPECT_EQ(21, out.HeadIntensity[1]);
    EXPECT_EQ(1u, out.TapeThriftEnabled);
    EXPECT_EQ(1u, out.CutterEnabled);
    EXPECT_EQ(10, out.CutEvery);
    // Not among the stock's settings: as the record had them.
    EXPECT_EQ(sheet.in.Extra.CutOffset, out.CutOffset);
}

TEST_F(StockSettings, AStockWithoutSettingsChangesNothingButTheLabel)
{
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet.ChooseLabel(2);
    EXPECT_EQ("Width: 2.00 inches\r\nLength: 3.00 inches\r\nHorizontal Offset: 0\r\nVertical Offset: 0\r\n",
              sheet->TextA(IDC_LABEL_DETAILS));
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    DriverDevMode expected = sheet.in;
    DriverDevMode out = *sheet.Out();
    // The label's own fields, and what the sheet's merge set, aside.
    memcpy(expected.Extra.LabelName, out.Extra.LabelName, sizeof out.Extra.LabelName);
    expected.Extra.HorizontalOffset = out.Extra.HorizontalOffset;
    expected.Extra.VerticalOffset = out.Extra.VerticalOffset;
    EXPECT_STREQ("Other", out.Extra.LabelName);
    EXPECT_EQ(0, memcmp(&expected.Extra.ProcessColorSet, &out.Extra.ProcessColorSet,
                        sizeof(DriverExtra) - offsetof(DriverExtra, ProcessColorSet)));
}

TEST_F(StockSettings, MovingThroughTheOpenListPicksNothing)
{
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    HWND combo = sheet->Control(IDC_LABEL_COMBO);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    sheet.ChooseLabel(1);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    sheet.ChooseLabel(2);
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_STREQ("Other", sheet.Out()->Extra.LabelName);
    EXPECT_EQ(sheet.in.Extra.PrintSpeed, sheet.Out()->Extra.PrintSpeed);
    EXPECT_EQ(sheet.in.Extra.CutterEnabled, sheet.Out()->Extra.CutterEnabled);
}

TEST_F(StockSettings, SaveStoresTheSheetsValuesAndAManageLabelsEditKeepsThem)
{
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    EXPECT_TRUE(sheet->IsEnabled(IDC_LABEL_SAVE_SETTINGS));
    sheet.ChooseLabel(0);
    sheet->SelectPage(IntensityPageIndex);
    sheet->SetText(IDC_INTENSITY_HEAD3, L"30");
    sheet->SelectPage(LabelPageIndex);
    sheet->Click(IDC_LABEL_SAVE_SETTINGS);
    EXPECT_TRUE(sheet->MessageBoxes().empty());
    std::vector<LabelEntry> saved = ReadCatalogue();
    ASSERT_EQ(3u, saved.size());
    EXPECT_TRUE(saved[0].settings.HasHeadIntensity && saved[0].settings.HasPrintSpeed &&
                saved[0].settings.HasCutOffset && saved[0].settings.HasPullback);
    EXPECT_EQ(30, saved[0].settings.HeadIntensity[2]);
    EXPECT_EQ(20, saved[1].settings.HeadIntensity[0]);
    EXPECT_NE(std::string::npos, sheet->TextA(IDC_LABEL_DETAILS).find("Head intensity: 10, 10, 30, 10\r\n"));
    const std::string afterSave = FileBytes(guard.Path());

    // Modifying another label in Manage Labels keeps both stocks' settings.
    HWND dialog = sheet.OpenManageLabels();
    ASSERT_NE(nullptr, dialog);
    SelectListEntry(dialog, 2);
    SetDialogText(dialog, IDC_MANAGE_NAME, "Renamed");
    PressButton(dialog, IDC_MANAGE_MODIFY);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitGone(dialog));
    Settle();
    std::string expected = afterSave;
    expected.replace(expected.find("\"Other\""), 7, "\"Renamed\"");
    EXPECT_EQ(expected, FileBytes(guard.Path()));
}

TEST_F(StockSettings, AFailedSaveSaysSoAndChangesNothing)
{
    LabelSheet sheet;
    ASSERT_TRUE(sheet.IsOpen());
    sheet.ChooseLabel(0);
    const std::string before = FileBytes(guard.Path());
    // A reader holding the file keeps the save from replacing it.
    FILE* reader = _wfopen(guard.Path().c_str(), L"rb");
    ASSERT_NE(nullptr, reader);
    sheet->Click(IDC_LABEL_SAVE_SETTINGS);
    const std::vector<CapturedMessageBox> boxes = sheet->WaitForMessageBoxes(1, 10000);
    fclose(reader);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Could not save the settings to the label. The label list is unchanged.", boxes[0].Text);
    EXPECT_EQ(before, FileBytes(guard.Path()));
    EXPECT_EQ("Width: 2.00 inches\r\nLength: 1.00 inches\r\nHorizontal Offset: 0\r\nVertical Offset: 0\r\n",
              sheet->TextA(IDC_LABEL_DETAILS));
}

}  // namespace
