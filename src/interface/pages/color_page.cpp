#include "pages/color_page.h"

#include <commdlg.h>
#include <string.h>

#include "imaging/picture_draw_win32.h"
#include "imaging/preview_bitmap_win32.h"
#include "pages/dialog_controls.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/module_instance.h"
#include "resources/resource_ids.h"

static_assert(ColorChannelSliderCount == ColorChannelCount, "one brush per channel slider");
static_assert(sizeof(CHOOSECOLORW) == 72, "the chooser record of 64-bit Windows");
static_assert(sizeof(uint32_t) == sizeof(COLORREF), "work colours are COLORREF values");

namespace {

const COLORREF ChannelColors[ColorChannelCount] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

/* The buffer a slider's name is loaded into (longer names are cut). */
const int SliderNameChars = 256;

const int ProcessGroup[] = {
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

const int SpotGroup[] = {
    IDC_COLOR_SPOT_GROUP,   IDC_COLOR_HEAD1,        IDC_COLOR_HEAD2,        IDC_COLOR_HEAD3,
    IDC_COLOR_HEAD4,        IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD2_SWATCH, IDC_COLOR_HEAD3_SWATCH,
    IDC_COLOR_HEAD4_SWATCH, IDC_COLOR_HEAD1_CHANGE, IDC_COLOR_HEAD2_CHANGE, IDC_COLOR_HEAD3_CHANGE,
    IDC_COLOR_HEAD4_CHANGE, IDC_COLOR_READOUT,      IDC_COLOR_EXACT_MATCH,
};

/* A box or radio button as the choice holds it: 1 fully checked, else 0. */
int CheckedValue(HWND page, int id)
{
    return IsChecked(page, id) ? 1 : 0;
}

/* The channel texts read "100%" as the page opens and "100 %" once their
 * slider has moved. */
void WriteSliderText(HWND page, int slider, int level, bool scrolled)
{
    const ColorSlider& which = ColorSliders[slider];
    wchar_t text[ColorTextChars];
    if (which.NameString != 0) {
        wchar_t name[SliderNameChars];
        LoadPageString(which.NameString, name, SliderNameChars);
        FormatLevelLabel(text, ColorTextChars, name, level);
    } else if (scrolled) {
        FormatChannelValueScrolled(text, ColorTextChars, level);
    } else {
        FormatChannelValueInitial(text, ColorTextChars, level);
    }
    SetDlgItemTextW(page, which.Text, text);
}

void SetProcessControls(HWND page, const ColorChoice& choice)
{
    for (int slider = 0; slider < ColorSliderCount; ++slider) {
        SetScrollBar(page, ColorSliders[slider].ScrollBar, ColorLevelRange.Minimum, ColorLevelRange.Maximum,
                     SliderLevel(choice, slider), true);
        WriteSliderText(page, slider, SliderLevel(choice, slider), false);
    }
    CheckOneOfTwo(page, IDC_COLOR_CMY, IDC_COLOR_CMYK, choice.InkSet == 1);
    SetChecked(page, IDC_COLOR_CMY_ON_BACK, choice.OnBack == 1);
}

/* The preview source with its size; the caller deletes it. */
HBITMAP LoadPreviewPicture(SIZE* size)
{
    HBITMAP picture = LoadBitmapW(ModuleInstance(), MAKEINTRESOURCEW(IDB_PREVIEW_SOURCE));
    BITMAP info;
    if (picture == nullptr || GetObjectW(picture, sizeof(info), &info) == 0) {
        if (picture != nullptr)
            DeleteObject(picture);
        return nullptr;
    }
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    return picture;
}

/* The hidden frame marks the preview's top-left corner at 96 dpi and the
 * area it fills above that. */
PictureBox PreviewFrame(HWND page)
{
    return BoxOfRect(ControlPageRect(page, IDC_COLOR_PREVIEW_FRAME));
}

RECT PreviewRectOfSize(HWND page, SIZE size)
{
    return RectOfBox(
        PlacePicture(PreviewFrame(page), size.cx, size.cy, WindowDpi(page), PictureArtwork).Target);
}

void InvalidatePreview(HWND page, BOOL erase)
{
    const RECT preview = PreviewRect(page);
    InvalidateRect(page, &preview, erase);
}

void PaintPreview(HWND page, HDC dc, const ColorChoice& choice)
{
    SIZE size;
    HBITMAP picture = LoadPreviewPicture(&size);
    if (picture == nullptr)
        return;
    HBITMAP adjusted = AdjustPreviewBitmap(picture, size.cx, size.cy, choice.Brightness, choice.Contrast,
                                           choice.Red, choice.Green, choice.Blue);
    // The levels recolour the source's own pixels; only the result is stretched.
    if (adjusted != nullptr) {
        DrawPictureInFrame(dc, adjusted, PreviewFrame(page), PictureArtwork);
        DeleteObject(adjusted);
    }
    DeleteObject(picture);
}

/* Every swatch shows its colour, whether its head is on or not. */
void PaintSwatches(HWND page, HDC dc, const SheetContext* context)
{
    for (int head = 0; head < SpotHeadCount; ++head) {
        const RECT swatch = ControlPageRect(page, ColorHeads[head].Swatch);
        HBRUSH brush = CreateSolidBrush(context->WorkSpotColors[head]);
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
    }
}

/* The chooser for one head: starts from the head's colour, edits the custom
 * colours in place, and opens its custom half when exact matching is on. */
CHOOSECOLORW ColorChooserFor(HWND owner, uint32_t headColor, uint32_t custom[CustomColorCount],
                             const ColorChoice& choice)
{
    CHOOSECOLORW chooser;
    memset(&chooser, 0, sizeof(chooser));
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = headColor;
    chooser.lpCustColors = reinterpret_cast<COLORREF*>(custom);
    chooser.Flags = CC_RGBINIT;
    if (choice.ExactMatch == 1)
        chooser.Flags |= CC_FULLOPEN;
    return chooser;
}

void ChooseHeadColor(HWND page, SheetContext* context, int head)
{
    const ColorChoice choice = ReadColorControls(page);
    CHOOSECOLORW chooser =
        ColorChooserFor(page, context->WorkSpotColors[head], context->WorkCustomColors, choice);
    if (ChooseColorW(&chooser))
        context->WorkSpotColors[head] = chooser.rgbResult;
    InvalidateRect(page, nullptr, FALSE);
}

/* Switching groups uncovers areas the platform may not repaint by itself;
 * repainting the whole page brings back the preview or the swatches. */
void SwitchMode(HWND page, SheetContext* context, int mode)
{
    ColorChoice choice = ReadColorControls(page);
    choice.Mode = mode;
    context->LiveColorMode = static_cast<uint32_t>(mode);
    LayOutColorPage(page, choice);
    InvalidateRect(page, nullptr, TRUE);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    if (context == nullptr)
        return TRUE;
    const DriverExtra& extra = context->WorkingDevMode.Extra;
    const ColorChoice choice = ColorChoiceFromRecord(extra);
    LoadWorkColors(extra, context->WorkSpotColors, context->WorkCustomColors);
    SetProcessControls(page, choice);
    for (int head = 0; head < SpotHeadCount; ++head)
        SetChecked(page, ColorHeads[head].Box, choice.HeadOn[head] != 0);
    SetChecked(page, IDC_COLOR_EXACT_MATCH, choice.ExactMatch != 0);
    LayOutColorPage(page, choice);
    InvalidatePreview(page, TRUE);
    return TRUE;
}

INT_PTR OnCommand(HWND page, WPARAM wParam)
{
    SheetContext* context = PageContext(page);
    if (context == nullptr)
        return TRUE;
    const int id = LOWORD(wParam);
    const int changedHead = HeadOfChangeButton(id);
    if (id == IDC_COLOR_PROCESS)
        SwitchMode(page, context, ColorModeProcess);
    else if (id == IDC_COLOR_SPOT)
        SwitchMode(page, context, ColorModeSpot);
    else if (HeadOfBox(id) >= 0)
        LayOutColorPage(page, ReadColorControls(page));  // a head's button follows its box
    else if (changedHead >= 0)
        ChooseHeadColor(page, context, changedHead);
    return TRUE;
}

INT_PTR OnHScroll(HWND page, WPARAM wParam, LPARAM lParam)
{
    HWND scrollBar = reinterpret_cast<HWND>(lParam);
    const int slider = SliderOfScrollBar(GetDlgCtrlID(scrollBar));
    if (slider < 0)
        return TRUE;
    const int position = NextSliderPosition(LOWORD(wParam), GetScrollPos(scrollBar, SB_CTL), HIWORD(wParam));
    SetScrollPos(scrollBar, SB_CTL, position, TRUE);
    WriteSliderText(page, slider, position, true);
    // Without erasing, the picture is replaced in place while the thumb is dragged.
    InvalidatePreview(page, FALSE);
    return TRUE;
}

INT_PTR OnCtlColorScrollBar(HWND page, LPARAM lParam)
{
    const SheetContext* context = PageContext(page);
    const int channel = ChannelOfScrollBar(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    if (context == nullptr || channel < 0)
        return 0;
    return reinterpret_cast<INT_PTR>(context->ChannelBrush[channel]);
}

/* A control's window rectangle, in screen coordinates. */
ColorRect ScreenRectOf(HWND page, int controlId)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(GetDlgItem(page, controlId), &rect);
    return ColorRect{rect.left, rect.top, rect.right, rect.bottom};
}

INT_PTR OnMouseMove(HWND page, LPARAM lParam)
{
    const SheetContext* context = PageContext(page);
    if (context == nullptr)
        return FALSE;
    RECT pageRect;
    GetWindowRect(page, &pageRect);
    const ColorPoint point = {pageRect.left + static_cast<LONG>(LOWORD(lParam)),
                              pageRect.top + static_cast<LONG>(HIWORD(lParam))};
    ColorRect swatches[SpotHeadCount];
    for (int head = 0; head < SpotHeadCount; ++head)
        swatches[head] = ScreenRectOf(page, ColorHeads[head].Swatch);
    const int head = HeadUnderPoint(swatches, point);
    wchar_t text[ColorTextChars];
    text[0] = 0;
    if (head >= 0)
        FormatColorReadout(text, ColorTextChars, context->WorkSpotColors[head]);
    SetDlgItemTextW(page, IDC_COLOR_READOUT, text);
    return FALSE;
}

INT_PTR OnPaint(HWND page)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(page, &paint);
    const SheetContext* context = PageContext(page);
    const ColorChoice choice = ReadColorControls(page);
    if (context != nullptr && choice.Mode == ColorModeSpot)
        PaintSwatches(page, dc, context);
    else if (context != nullptr)
        PaintPreview(page, dc, choice);
    EndPaint(page, &paint);
    return FALSE;
}

void ApplyColorPage(HWND page, SheetContext* context)
{
    DriverExtra& extra = context->WorkingDevMode.Extra;
    StoreColorChoice(ReadColorControls(page), &extra);
    StoreWorkColors(context->WorkSpotColors, context->WorkCustomColors, &extra);
    FinishPageApply(page, context);
}

/* A cancel sends no PSN_KILLACTIVE, so the brushes of the active page are
 * deleted here as well as on leaving. */
INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    if (context == nullptr)
        return TRUE;
    switch (NotificationCode(lParam)) {
    case PSN_SETACTIVE:
        CreateChannelBrushes(context);
        break;
    case PSN_KILLACTIVE:
        DeleteChannelBrushes(context);
        SetPageResult(page, PageMayLeave);
        break;
    case PSN_APPLY:
        ApplyColorPage(page, context);
        break;
    case PSN_RESET:
        DeleteChannelBrushes(context);
        CancelPage(page, context);
        break;
    default:
        break;
    }
    return TRUE;
}

INT_PTR OnDestroy(HWND page)
{
    SheetContext* context = PageContext(page);
    if (context != nullptr)
        DeleteChannelBrushes(context);
    return FALSE;
}

}  // namespace

ColorChoice ReadColorControls(HWND page)
{
    ColorChoice choice = {};
    choice.Mode = CheckedValue(page, IDC_COLOR_SPOT);
    choice.InkSet = CheckedValue(page, IDC_COLOR_CMYK);
    choice.OnBack = CheckedValue(page, IDC_COLOR_CMY_ON_BACK);
    choice.Red = ScrollBarPosition(page, IDC_COLOR_RED_SCROLL);
    choice.Green = ScrollBarPosition(page, IDC_COLOR_GREEN_SCROLL);
    choice.Blue = ScrollBarPosition(page, IDC_COLOR_BLUE_SCROLL);
    choice.Brightness = ScrollBarPosition(page, IDC_COLOR_BRIGHTNESS_SCROLL);
    choice.Contrast = ScrollBarPosition(page, IDC_COLOR_CONTRAST_SCROLL);
    for (int head = 0; head < SpotHeadCount; ++head)
        choice.HeadOn[head] = CheckedValue(page, ColorHeads[head].Box);
    choice.ExactMatch = CheckedValue(page, IDC_COLOR_EXACT_MATCH);
    return choice;
}

void LayOutColorPage(HWND page, const ColorChoice& choice)
{
    const bool spot = choice.Mode == ColorModeSpot;
    ShowControls(page, ProcessGroup, !spot);
    ShowControls(page, SpotGroup, spot);
    if (spot) {
        for (int head = 0; head < SpotHeadCount; ++head)
            EnableControl(page, ColorHeads[head].ChangeButton, choice.HeadOn[head] != 0);
    }
    CheckOneOfTwo(page, IDC_COLOR_PROCESS, IDC_COLOR_SPOT, spot);
}

RECT ControlPageRect(HWND page, int controlId)
{
    RECT pageRect;
    RECT control = {0, 0, 0, 0};
    GetWindowRect(page, &pageRect);
    GetWindowRect(GetDlgItem(page, controlId), &control);
    OffsetRect(&control, -pageRect.left, -pageRect.top);
    return control;
}

RECT PreviewRect(HWND page)
{
    SIZE size;
    HBITMAP picture = LoadPreviewPicture(&size);
    if (picture == nullptr)
        return RECT{0, 0, 0, 0};
    DeleteObject(picture);
    return PreviewRectOfSize(page, size);
}

void CreateChannelBrushes(SheetContext* context)
{
    // An activation without a leave in between must not orphan the brushes.
    DeleteChannelBrushes(context);
    for (int channel = 0; channel < ColorChannelCount; ++channel)
        context->ChannelBrush[channel] = CreateSolidBrush(ChannelColors[channel]);
}

void DeleteChannelBrushes(SheetContext* context)
{
    for (HBRUSH& brush : context->ChannelBrush) {
        if (brush != nullptr)
            DeleteObject(brush);
        brush = nullptr;
    }
}

INT_PTR CALLBACK ColorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, lParam);
    case WM_COMMAND:
        return OnCommand(page, wParam);
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    case WM_HSCROLL:
        return OnHScroll(page, wParam, lParam);
    case WM_CTLCOLORSCROLLBAR:
        return OnCtlColorScrollBar(page, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(page, lParam);
    case WM_PAINT:
        return OnPaint(page);
    case WM_DESTROY:
        return OnDestroy(page);
    default:
        return FALSE;
    }
}
