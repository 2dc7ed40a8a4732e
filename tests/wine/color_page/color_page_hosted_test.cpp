/* The Color page hosted by the test itself in a modeless sheet, so that the
 * sheet context, the brushes and the painted pixels can be looked at. */
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "imaging/preview_bitmap_win32.h"
#include "pages/color_page.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"
#include "sheet_test_support.h"

namespace {

class HostedColorPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseProgramAsModule();
        BuildDefaultDevMode(&context.WorkingDevMode, nullptr);
        context.HostCallback = RecordResult;
        context.HostHandle = this;
    }
    void TearDown() override
    {
        if (sheet != nullptr && IsWindow(sheet))
            DestroyWindow(sheet);
    }

    static LONG_PTR CALLBACK RecordResult(HANDLE host, UINT function, LPARAM, LPARAM result)
    {
        if (function == CPSFUNC_SET_RESULT)
            static_cast<HostedColorPage*>(host)->results.push_back(result);
        return 1;
    }

    void Open()
    {
        PROPSHEETPAGEW description = {};
        description.dwSize = sizeof(description);
        description.hInstance = GetModuleHandleW(nullptr);
        description.pszTemplate = MAKEINTRESOURCEW(IDD_COLOR_PAGE);
        description.pfnDlgProc = ColorPageProc;
        description.lParam = reinterpret_cast<LPARAM>(&context);
        PROPSHEETHEADERW header = {};
        header.dwSize = sizeof(header);
        header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
        header.pszCaption = L"Hosted";
        header.nPages = 1;
        header.ppsp = &description;
        sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
        ASSERT_NE(nullptr, sheet);
        Pump();
        page = PropSheet_GetCurrentPageHwnd(sheet);
        ASSERT_NE(nullptr, page);
    }

    void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!PropSheet_IsDialogMessage(sheet, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    /* Presses a sheet button; a modeless sheet that has ended is destroyed
     * here, as it never closes itself. */
    void Press(int button)
    {
        PropSheet_PressButton(sheet, button);
        Pump();
        if (PropSheet_GetCurrentPageHwnd(sheet) == nullptr) {
            DestroyWindow(sheet);
            sheet = nullptr;
        }
    }

    void Click(int id)
    {
        SendDlgItemMessageW(page, id, BM_CLICK, 0, 0);
        Pump();
    }

    void Notify(UINT code)
    {
        NMHDR header = {sheet, 0, code};
        SendMessageW(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }

    void Scroll(int id, WORD code, WORD position = 0)
    {
        SendMessageW(page, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    }

    /* Paints what is pending, the controls over the page included, and
     * reads one pixel of the page. */
    COLORREF PagePixel(int x, int y)
    {
        RedrawWindow(page, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
        HDC dc = GetDC(page);
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(page, dc);
        return pixel;
    }

    SheetContext context = {};
    std::vector<LPARAM> results;
    HWND sheet = nullptr;
    HWND page = nullptr;
};

bool AllDeleted(const HBRUSH* brushes)
{
    for (int channel = 0; channel < 3; ++channel)
        if (GetObjectType(brushes[channel]) != 0)
            return false;
    return true;
}

/* The page's own answer; for "none" the dialog manager then hands out the
 * platform's brush. */
HBRUSH ScrollBarBrush(HWND page, int id)
{
    return reinterpret_cast<HBRUSH>(
        ColorPageProc(page, WM_CTLCOLORSCROLLBAR, 0, reinterpret_cast<LPARAM>(GetDlgItem(page, id))));
}

/* One pixel of the preview source recoloured with the given levels. */
COLORREF AdjustedPixel(int x, int y, int brightness, int contrast, int red, int green, int blue)
{
    HBITMAP source = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PREVIEW_SOURCE));
    BITMAP info = {};
    GetObjectW(source, sizeof(info), &info);
    HBITMAP adjusted =
        AdjustPreviewBitmap(source, info.bmWidth, info.bmHeight, brightness, contrast, red, green, blue);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, adjusted);
    const COLORREF pixel = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(adjusted);
    DeleteObject(source);
    return pixel;
}

TEST_F(HostedColorPage, ChannelBrushesLiveFromActivationToLeaving)
{
    Open();
    const COLORREF colors[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    const int bars[3] = {IDC_COLOR_RED_SCROLL, IDC_COLOR_GREEN_SCROLL, IDC_COLOR_BLUE_SCROLL};
    for (int channel = 0; channel < 3; ++channel) {
        LOGBRUSH brush = {};
        ASSERT_NE(0, GetObjectW(context.ChannelBrush[channel], sizeof(brush), &brush)) << channel;
        EXPECT_EQ(colors[channel], brush.lbColor);
        EXPECT_EQ(context.ChannelBrush[channel], ScrollBarBrush(page, bars[channel]));
    }
    EXPECT_EQ(nullptr, ScrollBarBrush(page, IDC_COLOR_BRIGHTNESS_SCROLL));
    EXPECT_EQ(nullptr, ScrollBarBrush(page, IDC_COLOR_CONTRAST_SCROLL));

    HBRUSH first[3];
    memcpy(first, context.ChannelBrush, sizeof(first));
    Notify(PSN_KILLACTIVE);
    EXPECT_TRUE(AllDeleted(first));
    EXPECT_EQ(nullptr, ScrollBarBrush(page, IDC_COLOR_RED_SCROLL));
    // A second activation without a leave must not orphan the first set.
    Notify(PSN_SETACTIVE);
    memcpy(first, context.ChannelBrush, sizeof(first));
    Notify(PSN_SETACTIVE);
    EXPECT_TRUE(AllDeleted(first));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(context.ChannelBrush[0]));
}

TEST_F(HostedColorPage, CancelAndDestructionDeleteTheBrushesNoLeaveDeleted)
{
    Open();
    HBRUSH brushes[3];
    memcpy(brushes, context.ChannelBrush, sizeof(brushes));
    // The page window outlives the cancel notification for a while.
    Notify(PSN_RESET);
    EXPECT_TRUE(AllDeleted(brushes));
    EXPECT_EQ(nullptr, context.ChannelBrush[0]);
    ASSERT_EQ(1u, results.size());
    EXPECT_EQ(2, results[0]);

    Notify(PSN_SETACTIVE);
    memcpy(brushes, context.ChannelBrush, sizeof(brushes));
    DestroyWindow(sheet);
    sheet = nullptr;
    EXPECT_TRUE(AllDeleted(brushes));
    EXPECT_EQ(nullptr, context.ChannelBrush[2]);
}

TEST_F(HostedColorPage, ModeClicksSetTheLiveModeAndCancelKeepsTheRecord)
{
    context.LiveColorMode = 1;
    Open();
    EXPECT_EQ(1u, context.LiveColorMode);  // initialisation leaves it alone
    const DriverDevMode before = context.WorkingDevMode;
    Click(IDC_COLOR_PROCESS);
    EXPECT_EQ(0u, context.LiveColorMode);
    Click(IDC_COLOR_SPOT);
    EXPECT_EQ(1u, context.LiveColorMode);
    Press(PSBTN_CANCEL);
    EXPECT_EQ(0, memcmp(&before, &context.WorkingDevMode, sizeof(before)));
    EXPECT_EQ(1u, context.LiveColorMode);
}

TEST_F(HostedColorPage, ApplyWithoutChangesLeavesTheWholeRecordAsRead)
{
    DriverExtra& extra = context.WorkingDevMode.Extra;
    extra.ColorMode = 1;
    extra.ProcessColorSet = 1;
    extra.CmyOnBack3Heads = 1;
    extra.RedLevel = 0;
    extra.GreenLevel = 199;
    extra.Brightness = 200;
    extra.Contrast = 1;
    extra.SpotHeadEnabled[2] = 0;
    extra.SpotHeadColor[0] = RGB(153, 102, 51);
    extra.ExactRgbMatch = 1;
    extra.Option212 = -2;
    extra.CustomColors[15] = 0x00FEDCBA;
    const DriverDevMode before = context.WorkingDevMode;
    Open();
    Press(PSBTN_OK);
    EXPECT_EQ(0, memcmp(&before, &context.WorkingDevMode, sizeof(before)));
    ASSERT_EQ(1u, results.size());
    EXPECT_EQ(1, results[0]);
}

TEST_F(HostedColorPage, ApplyStoresEveryChoiceAndOnlyThose)
{
    Open();
    Click(IDC_COLOR_CMYK);
    Click(IDC_COLOR_CMY_ON_BACK);
    Scroll(IDC_COLOR_RED_SCROLL, SB_PAGELEFT);
    Scroll(IDC_COLOR_GREEN_SCROLL, SB_LINERIGHT);
    Scroll(IDC_COLOR_BLUE_SCROLL, SB_THUMBTRACK, 42);
    Scroll(IDC_COLOR_BRIGHTNESS_SCROLL, SB_PAGERIGHT);
    Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_LINELEFT);
    Click(IDC_COLOR_SPOT);
    Click(IDC_COLOR_HEAD3);
    Click(IDC_COLOR_EXACT_MATCH);
    context.WorkSpotColors[1] = RGB(9, 8, 7);
    context.WorkCustomColors[5] = 0x00ABCDEF;
    DriverDevMode expected = context.WorkingDevMode;
    Press(PSBTN_OK);

    DriverExtra& want = expected.Extra;
    want.ColorMode = 1;
    want.ProcessColorSet = 1;
    want.CmyOnBack3Heads = 1;
    want.RedLevel = 95;
    want.GreenLevel = 101;
    want.BlueLevel = 42;
    want.Brightness = 105;
    want.Contrast = 99;
    want.SpotHeadEnabled[2] = 0;
    want.SpotHeadColor[1] = RGB(9, 8, 7);
    want.ExactRgbMatch = 1;
    want.CustomColors[5] = 0x00ABCDEF;
    EXPECT_EQ(0, memcmp(&expected, &context.WorkingDevMode, sizeof(expected)));
}

TEST_F(HostedColorPage, EachModePaintsItsOwnPicture)
{
    const COLORREF colors[4] = {RGB(255, 0, 0), RGB(0, 128, 255), RGB(17, 34, 51), RGB(0, 200, 100)};
    for (int head = 0; head < 4; ++head)
        context.WorkingDevMode.Extra.SpotHeadColor[head] = colors[head];
    context.WorkingDevMode.Extra.SpotHeadEnabled[1] = 0;
    Open();
    const RECT preview = PreviewRect(page);
    const COLORREF background = PagePixel(preview.left - 3, preview.bottom + 3);
    // A pixel of the preview's lowest rows, which reach below the spot group.
    POINT probe = {-1, 105};
    COLORREF previewPixel = background;
    for (int x = 0; x < 116 && previewPixel == background; ++x) {
        probe.x = x;
        previewPixel = AdjustedPixel(x, probe.y, 100, 100, 100, 100, 100);
    }
    ASSERT_NE(background, previewPixel);
    EXPECT_EQ(previewPixel, PagePixel(preview.left + probe.x, preview.top + probe.y));

    // Switching modes repaints what the other group leaves behind.
    Click(IDC_COLOR_SPOT);
    const int swatches[4] = {IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD2_SWATCH, IDC_COLOR_HEAD3_SWATCH,
                             IDC_COLOR_HEAD4_SWATCH};
    for (int head = 0; head < 4; ++head) {
        const RECT swatch = ControlPageRect(page, swatches[head]);
        EXPECT_EQ(colors[head], PagePixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2))
            << head;
    }
    EXPECT_EQ(background, PagePixel(preview.left + probe.x, preview.top + probe.y));
    Click(IDC_COLOR_PROCESS);
    EXPECT_EQ(previewPixel, PagePixel(preview.left + probe.x, preview.top + probe.y));
}

TEST_F(HostedColorPage, PreviewSitsAtTheFrameWithThePicturesSizeAndFollowsTheSliders)
{
    Open();
    const RECT frame = ControlPageRect(page, IDC_COLOR_PREVIEW_FRAME);
    const RECT preview = PreviewRect(page);
    EXPECT_EQ(frame.left, preview.left);
    EXPECT_EQ(frame.top, preview.top);
    EXPECT_EQ(116, preview.right - preview.left);
    EXPECT_EQ(108, preview.bottom - preview.top);

    const POINT probes[3] = {{0, 0}, {58, 54}, {115, 107}};
    for (const POINT& probe : probes)
        EXPECT_EQ(AdjustedPixel(probe.x, probe.y, 100, 100, 100, 100, 100),
                  PagePixel(preview.left + probe.x, preview.top + probe.y));

    Scroll(IDC_COLOR_RED_SCROLL, SB_THUMBTRACK, 30);
    Scroll(IDC_COLOR_BRIGHTNESS_SCROLL, SB_THUMBTRACK, 160);
    Scroll(IDC_COLOR_CONTRAST_SCROLL, SB_THUMBTRACK, 40);
    int changed = 0;
    for (const POINT& probe : probes) {
        const COLORREF expected = AdjustedPixel(probe.x, probe.y, 160, 40, 30, 100, 100);
        EXPECT_EQ(expected, PagePixel(preview.left + probe.x, preview.top + probe.y));
        changed += expected != AdjustedPixel(probe.x, probe.y, 100, 100, 100, 100, 100);
    }
    EXPECT_GT(changed, 0);
}

}  // namespace
