/* The Color page of the built library, driven through the printing-preferences
 * sheet as a user would. */
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "document_sheet_fixture.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_session.h"
#include "sheet_test_support.h"
#include "wine_test_support.h"

namespace {

const int ColorPageIndex = 3;

/* The colour chooser's own controls (its template's ids). */
const int ChooserRedEdit = 706;
const int ChooserGreenEdit = 707;
const int ChooserBlueEdit = 708;
const int ChooserAddCustom = 712;

class ColorPageSheet : public DocumentSheetFixture {
protected:
    /* Opens the sheet on the Color page. */
    std::unique_ptr<SheetSession> OpenColorPage()
    {
        auto opened = OpenDocumentSheet();
        if (opened != nullptr)
            opened->SelectPage(ColorPageIndex);
        return opened;
    }

    /* What the library makes of `in` without showing anything. */
    void MergedWithoutSheet(CallerRecord* merged)
    {
        DOCUMENTPROPERTYHEADER silent =
            DocumentHeader(printer.Handle(), reinterpret_cast<DEVMODEW*>(&in), merged->get(), DM_COPY);
        ASSERT_EQ(1, entry(nullptr, reinterpret_cast<LPARAM>(&silent)));
    }

    const DriverExtra& Written()
    {
        return out.record()->Extra;
    }
};

RECT PageRectOf(SheetSession& sheet, int id)
{
    RECT page;
    RECT control;
    GetWindowRect(sheet.CurrentPage(), &page);
    GetWindowRect(sheet.Control(id), &control);
    OffsetRect(&control, -page.left, -page.top);
    return control;
}

/* x and y in page coordinates, as the page receives them. */
void MoveMouse(SheetSession& sheet, int x, int y)
{
    sheet.SendToPage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

const int ProcessControls[] = {
    IDC_COLOR_PROCESS_GROUP,
    IDC_COLOR_CMY,
    IDC_COLOR_CMYK,
    IDC_COLOR_CMY_ON_BACK,
    IDC_COLOR_RED_LABEL,
    IDC_COLOR_RED_SCROLL,
    IDC_COLOR_RED_VALUE,
    IDC_COLOR_GREEN_LABEL,
    IDC_COLOR_GREEN_SCROLL,
    IDC_COLOR_GREEN_VALUE,
    IDC_COLOR_BLUE_LABEL,
    IDC_COLOR_BLUE_SCROLL,
    IDC_COLOR_BLUE_VALUE,
    IDC_COLOR_SEPARATOR,
    IDC_COLOR_BRIGHTNESS_SCROLL,
    IDC_COLOR_BRIGHTNESS_LABEL,
    IDC_COLOR_CONTRAST_SCROLL,
    IDC_COLOR_CONTRAST_LABEL,
};
const int SpotControls[] = {
    IDC_COLOR_SPOT_GROUP,   IDC_COLOR_HEAD1,        IDC_COLOR_HEAD2,        IDC_COLOR_HEAD3,
    IDC_COLOR_HEAD4,        IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD2_SWATCH, IDC_COLOR_HEAD3_SWATCH,
    IDC_COLOR_HEAD4_SWATCH, IDC_COLOR_READOUT,      IDC_COLOR_EXACT_MATCH,
};
const int ChangeButtons[] = {IDC_COLOR_HEAD1_CHANGE, IDC_COLOR_HEAD2_CHANGE, IDC_COLOR_HEAD3_CHANGE,
                             IDC_COLOR_HEAD4_CHANGE};

void ExpectGroup(SheetSession& sheet, const int* ids, size_t count, bool shown)
{
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(shown, sheet.IsVisible(ids[i])) << ids[i];
        EXPECT_EQ(shown, sheet.IsEnabled(ids[i])) << ids[i];
    }
}

TEST_F(ColorPageSheet, DefaultRecordOpensInProcessModeWithItsTexts)
{
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_PROCESS));
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_SPOT));
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_CMY));
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_CMYK));
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_CMY_ON_BACK));
    for (int bar : {IDC_COLOR_RED_SCROLL, IDC_COLOR_GREEN_SCROLL, IDC_COLOR_BLUE_SCROLL,
                    IDC_COLOR_BRIGHTNESS_SCROLL, IDC_COLOR_CONTRAST_SCROLL}) {
        EXPECT_EQ(100, sheet->ScrollPosition(bar)) << bar;
        int low = -1;
        int high = -1;
        GetScrollRange(sheet->Control(bar), SB_CTL, &low, &high);
        EXPECT_EQ(0, low);
        EXPECT_EQ(200, high);
    }
    EXPECT_EQ(L"100%", sheet->Text(IDC_COLOR_RED_VALUE));
    EXPECT_EQ(L"100%", sheet->Text(IDC_COLOR_GREEN_VALUE));
    EXPECT_EQ(L"100%", sheet->Text(IDC_COLOR_BLUE_VALUE));
    EXPECT_EQ(L"Brightness (100%)", sheet->Text(IDC_COLOR_BRIGHTNESS_LABEL));
    EXPECT_EQ(L"Contrast (100%)", sheet->Text(IDC_COLOR_CONTRAST_LABEL));
    ExpectGroup(*sheet, ProcessControls, sizeof(ProcessControls) / sizeof(int), true);
    ExpectGroup(*sheet, SpotControls, sizeof(SpotControls) / sizeof(int), false);
    ExpectGroup(*sheet, ChangeButtons, 4, false);
    // The frame only marks where the preview goes.
    EXPECT_FALSE(sheet->IsVisible(IDC_COLOR_PREVIEW_FRAME));
}

TEST_F(ColorPageSheet, SpotRecordOpensInSpotLayoutWithButtonsFollowingTheirHeads)
{
    in.Extra.ColorMode = 1;
    in.Extra.SpotHeadEnabled[1] = 0;
    in.Extra.ExactRgbMatch = 1;
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_SPOT));
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_PROCESS));
    ExpectGroup(*sheet, ProcessControls, sizeof(ProcessControls) / sizeof(int), false);
    ExpectGroup(*sheet, SpotControls, sizeof(SpotControls) / sizeof(int), true);
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_HEAD1));
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_HEAD2));
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_EXACT_MATCH));
    for (int head = 0; head < 4; ++head) {
        EXPECT_TRUE(sheet->IsVisible(ChangeButtons[head])) << head;
        EXPECT_EQ(head != 1, sheet->IsEnabled(ChangeButtons[head])) << head;
    }

    // And back: the process group returns whole, the spot group goes.
    sheet->Click(IDC_COLOR_PROCESS);
    ExpectGroup(*sheet, ProcessControls, sizeof(ProcessControls) / sizeof(int), true);
    ExpectGroup(*sheet, SpotControls, sizeof(SpotControls) / sizeof(int), false);
    ExpectGroup(*sheet, ChangeButtons, 4, false);
}

TEST_F(ColorPageSheet, SlidersStepWithinTheirRangeAndRewriteTheirTexts)
{
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    sheet->Scroll(IDC_COLOR_RED_SCROLL, SB_LINERIGHT);
    EXPECT_EQ(101, sheet->ScrollPosition(IDC_COLOR_RED_SCROLL));
    EXPECT_EQ(L"101 %", sheet->Text(IDC_COLOR_RED_VALUE));

    sheet->Scroll(IDC_COLOR_GREEN_SCROLL, SB_THUMBTRACK, 198);
    sheet->Scroll(IDC_COLOR_GREEN_SCROLL, SB_PAGERIGHT);
    EXPECT_EQ(200, sheet->ScrollPosition(IDC_COLOR_GREEN_SCROLL));
    sheet->Scroll(IDC_COLOR_GREEN_SCROLL, SB_LINERIGHT);
    EXPECT_EQ(200, sheet->ScrollPosition(IDC_COLOR_GREEN_SCROLL));
    EXPECT_EQ(L"200 %", sheet->Text(IDC_COLOR_GREEN_VALUE));

    sheet->Scroll(IDC_COLOR_BLUE_SCROLL, SB_THUMBTRACK, 3);
    sheet->Scroll(IDC_COLOR_BLUE_SCROLL, SB_PAGELEFT);
    EXPECT_EQ(0, sheet->ScrollPosition(IDC_COLOR_BLUE_SCROLL));
    sheet->Scroll(IDC_COLOR_BLUE_SCROLL, SB_LINELEFT);
    EXPECT_EQ(0, sheet->ScrollPosition(IDC_COLOR_BLUE_SCROLL));
    EXPECT_EQ(L"  0 %", sheet->Text(IDC_COLOR_BLUE_VALUE));

    sheet->Scroll(IDC_COLOR_BRIGHTNESS_SCROLL, SB_THUMBTRACK, 0);
    EXPECT_EQ(L"Brightness (0%)", sheet->Text(IDC_COLOR_BRIGHTNESS_LABEL));
    // Codes that carry no step leave the position but still rewrite the text.
    sheet->Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_THUMBPOSITION, 17);
    sheet->Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_RIGHT);
    sheet->Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_ENDSCROLL);
    EXPECT_EQ(100, sheet->ScrollPosition(IDC_COLOR_CONTRAST_SCROLL));
    EXPECT_EQ(L"Contrast (100%)", sheet->Text(IDC_COLOR_CONTRAST_LABEL));

    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(101, Written().RedLevel);
    EXPECT_EQ(200, Written().GreenLevel);
    EXPECT_EQ(0, Written().BlueLevel);
    EXPECT_EQ(0, Written().Brightness);
    EXPECT_EQ(100, Written().Contrast);
}

TEST_F(ColorPageSheet, ClearedHeadDisablesItsButtonAndKeepsItsColour)
{
    in.Extra.ColorMode = 1;
    in.Extra.SpotHeadColor[1] = RGB(10, 20, 30);
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    ASSERT_TRUE(sheet->IsEnabled(IDC_COLOR_HEAD2_CHANGE));
    sheet->Click(IDC_COLOR_HEAD2);
    EXPECT_FALSE(sheet->IsChecked(IDC_COLOR_HEAD2));
    EXPECT_FALSE(sheet->IsEnabled(IDC_COLOR_HEAD2_CHANGE));
    EXPECT_TRUE(sheet->IsEnabled(IDC_COLOR_HEAD1_CHANGE));
    EXPECT_TRUE(sheet->IsVisible(IDC_COLOR_HEAD2_SWATCH));
    const RECT swatch = PageRectOf(*sheet, IDC_COLOR_HEAD2_SWATCH);
    MoveMouse(*sheet, swatch.left + 2, swatch.top + 2);
    EXPECT_EQ(L"RGB = (10, 20, 30)", sheet->Text(IDC_COLOR_READOUT));

    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(0u, Written().SpotHeadEnabled[1]);
    EXPECT_EQ(static_cast<uint32_t>(RGB(10, 20, 30)), Written().SpotHeadColor[1]);
    EXPECT_EQ(1u, Written().SpotHeadEnabled[0]);
}

TEST_F(ColorPageSheet, ReadOutNamesTheSwatchUnderTheMouseAndEmptiesBetweenThem)
{
    in.Extra.ColorMode = 1;
    in.Extra.SpotHeadColor[0] = RGB(1, 2, 3);
    in.Extra.SpotHeadColor[2] = RGB(153, 102, 51);
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    const RECT third = PageRectOf(*sheet, IDC_COLOR_HEAD3_SWATCH);
    MoveMouse(*sheet, third.left, third.top);
    EXPECT_EQ(L"RGB = (153, 102, 51)", sheet->Text(IDC_COLOR_READOUT));

    // The right and bottom edges belong to the gap.
    MoveMouse(*sheet, third.right, third.top + 1);
    EXPECT_EQ(L"", sheet->Text(IDC_COLOR_READOUT));
    const RECT first = PageRectOf(*sheet, IDC_COLOR_HEAD1_SWATCH);
    MoveMouse(*sheet, first.right - 1, first.bottom - 1);
    EXPECT_EQ(L"RGB = (1, 2, 3)", sheet->Text(IDC_COLOR_READOUT));
    MoveMouse(*sheet, first.left + 1, first.bottom);
    EXPECT_EQ(L"", sheet->Text(IDC_COLOR_READOUT));
}

/* Clicks a head's button and waits for the chooser it opens. */
HWND OpenChooser(SheetSession& sheet, int button)
{
    sheet.ClickLater(button);
    return sheet.WaitForDialog(L"Color");
}

void CloseChooser(HWND chooser, int button)
{
    PostMessageW(chooser, WM_COMMAND, button, 0);
    for (int waited = 0; waited < 3000 && IsWindow(chooser); waited += 20)
        Sleep(20);
    Settle();
}

int WindowWidth(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

TEST_F(ColorPageSheet, CancelledChooserKeepsTheColour)
{
    in.Extra.ColorMode = 1;
    in.Extra.SpotHeadColor[0] = RGB(200, 100, 50);
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    HWND chooser = OpenChooser(*sheet, IDC_COLOR_HEAD1_CHANGE);
    ASSERT_NE(nullptr, chooser);
    CloseChooser(chooser, IDCANCEL);
    ASSERT_FALSE(IsWindow(chooser));

    const RECT swatch = PageRectOf(*sheet, IDC_COLOR_HEAD1_SWATCH);
    MoveMouse(*sheet, swatch.left + 1, swatch.top + 1);
    EXPECT_EQ(L"RGB = (200, 100, 50)", sheet->Text(IDC_COLOR_READOUT));
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(static_cast<uint32_t>(RGB(200, 100, 50)), Written().SpotHeadColor[0]);
}

TEST_F(ColorPageSheet, ChooserOpensWholeOnlyForExactMatchAndItsChoiceIsStored)
{
    in.Extra.ColorMode = 1;
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    HWND folded = OpenChooser(*sheet, IDC_COLOR_HEAD4_CHANGE);
    ASSERT_NE(nullptr, folded);
    const int foldedWidth = WindowWidth(folded);
    CloseChooser(folded, IDCANCEL);

    sheet->Click(IDC_COLOR_EXACT_MATCH);
    HWND whole = OpenChooser(*sheet, IDC_COLOR_HEAD4_CHANGE);
    ASSERT_NE(nullptr, whole);
    EXPECT_GT(WindowWidth(whole), foldedWidth);
    SetDlgItemTextW(whole, ChooserRedEdit, L"153");
    SetDlgItemTextW(whole, ChooserGreenEdit, L"102");
    SetDlgItemTextW(whole, ChooserBlueEdit, L"51");
    // The chooser writes its custom colours straight into the page's copy.
    SendDlgItemMessageW(whole, ChooserAddCustom, BM_CLICK, 0, 0);
    CloseChooser(whole, IDOK);

    const RECT swatch = PageRectOf(*sheet, IDC_COLOR_HEAD4_SWATCH);
    MoveMouse(*sheet, swatch.left + 1, swatch.top + 1);
    EXPECT_EQ(L"RGB = (153, 102, 51)", sheet->Text(IDC_COLOR_READOUT));
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_EQ(static_cast<uint32_t>(RGB(153, 102, 51)), Written().SpotHeadColor[3]);
    EXPECT_EQ(static_cast<uint32_t>(RGB(153, 102, 51)), Written().CustomColors[0]);
    EXPECT_EQ(1u, Written().ExactRgbMatch);
}

void ExpectColorFieldsEqual(const DriverExtra& want, const DriverExtra& got)
{
    EXPECT_EQ(want.ColorMode, got.ColorMode);
    EXPECT_EQ(want.ProcessColorSet, got.ProcessColorSet);
    EXPECT_EQ(want.CmyOnBack3Heads, got.CmyOnBack3Heads);
    EXPECT_EQ(want.RedLevel, got.RedLevel);
    EXPECT_EQ(want.GreenLevel, got.GreenLevel);
    EXPECT_EQ(want.BlueLevel, got.BlueLevel);
    EXPECT_EQ(want.Brightness, got.Brightness);
    EXPECT_EQ(want.Contrast, got.Contrast);
    EXPECT_EQ(want.ExactRgbMatch, got.ExactRgbMatch);
    EXPECT_EQ(want.Option212, got.Option212);
    EXPECT_EQ(0, memcmp(want.SpotHeadEnabled, got.SpotHeadEnabled, sizeof(want.SpotHeadEnabled)));
    EXPECT_EQ(0, memcmp(want.SpotHeadColor, got.SpotHeadColor, sizeof(want.SpotHeadColor)));
    EXPECT_EQ(0, memcmp(want.CustomColors, got.CustomColors, sizeof(want.CustomColors)));
}

TEST_F(ColorPageSheet, ApplyWithoutChangesWritesBackWhatWasRead)
{
    // Every colour field away from its default, and values no page edits.
    in.Extra.ColorMode = 1;
    in.Extra.ProcessColorSet = 1;
    in.Extra.CmyOnBack3Heads = 1;
    in.Extra.RedLevel = 0;
    in.Extra.GreenLevel = 37;
    in.Extra.BlueLevel = 200;
    in.Extra.Brightness = 150;
    in.Extra.Contrast = 3;
    in.Extra.SpotHeadEnabled[0] = 0;
    in.Extra.SpotHeadEnabled[3] = 0;
    for (int head = 0; head < 4; ++head)
        in.Extra.SpotHeadColor[head] = RGB(head * 60, 255 - head, 7 * head);
    in.Extra.ExactRgbMatch = 1;
    in.Extra.Option212 = -2;
    for (int i = 0; i < 16; ++i)
        in.Extra.CustomColors[i] = 0x00010203u * static_cast<uint32_t>(i + 1);
    CallerRecord merged{508};
    MergedWithoutSheet(&merged);

    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(sheet->IsChecked(IDC_COLOR_CMYK));
    EXPECT_EQ(37, sheet->ScrollPosition(IDC_COLOR_GREEN_SCROLL));
    EXPECT_EQ(L" 37%", sheet->Text(IDC_COLOR_GREEN_VALUE));
    EXPECT_EQ(L"  0%", sheet->Text(IDC_COLOR_RED_VALUE));
    EXPECT_EQ(L"Contrast (3%)", sheet->Text(IDC_COLOR_CONTRAST_LABEL));
    sheet->PressOk();
    ASSERT_TRUE(sheet->WaitClosed());
    // The other pages write their own fields back; the whole record through
    // this page alone is compared by the hosted test.
    ExpectColorFieldsEqual(merged.record()->Extra, Written());
    EXPECT_EQ(-2, Written().Option212);
    EXPECT_EQ(0x00010203u * 16, Written().CustomColors[15]);
    EXPECT_TRUE(out.UntouchedFrom(508));
}

TEST_F(ColorPageSheet, CancelAfterSpotLeavesTheRecord)
{
    sheet = OpenColorPage();
    ASSERT_NE(nullptr, sheet);
    sheet->Click(IDC_COLOR_SPOT);
    EXPECT_TRUE(sheet->IsVisible(IDC_COLOR_SPOT_GROUP));
    sheet->PressCancel();
    ASSERT_TRUE(sheet->WaitClosed());
    EXPECT_TRUE(out.UntouchedFrom(0));
    EXPECT_EQ(static_cast<DWORD>(CPSUI_CANCEL), sheet->HostResult());
}

}  // namespace
