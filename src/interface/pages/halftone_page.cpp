/*
 * The Halftone page: the screening method of process colour with its
 * smoothing, diffusion quality, sharpness and intensity, and a sample
 * picture of the method.  Halftoning means nothing for spot colour, so the
 * page follows the colour mode clicked on the Color page (LiveColorMode)
 * every time it is shown, not only the stored one.
 */
#include <windows.h>

#include "imaging/picture_draw_win32.h"
#include "pages/dialog_controls.h"
#include "pages/halftone_model.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/module_instance.h"
#include "resources/resource_ids.h"

namespace {

const int QualityRadios[] = {IDC_HALFTONE_FAST, IDC_HALFTONE_BEST};

const int PhotoStepControls[] = {
    IDC_HALFTONE_SHARPNESS_SCROLL, IDC_HALFTONE_INTENSITY_SCROLL, IDC_HALFTONE_SHARPNESS_LABEL,
    IDC_HALFTONE_SHARPNESS_MINUS,  IDC_HALFTONE_SHARPNESS_PLUS,   IDC_HALFTONE_SHARPNESS_VALUE,
    IDC_HALFTONE_INTENSITY_LABEL,  IDC_HALFTONE_INTENSITY_MINUS,  IDC_HALFTONE_INTENSITY_PLUS,
    IDC_HALFTONE_INTENSITY_VALUE,
};

/* The group box and the pictures beside the choices: off in spot mode only. */
const int FrameControls[] = {
    IDC_HALFTONE_GROUP,
    IDC_HALFTONE_ICON,
    IDC_HALFTONE_SAMPLE_FRAME,
    IDC_HALFTONE_PICTURE,
};

/* The rectangle to repaint is that of the fine sample, which all samples
 * share within a pixel. */
const int SamplePictureWidth = 155;
const int SamplePictureHeight = 155;

/* The value texts' buffers: a percentage, and a step name of the string
 * table (longer names are cut). */
const int SharpnessTextChars = 16;
const int IntensityTextChars = 20;

/* The frame the sample is drawn in, in the page's window coordinates: at
 * 96 dpi only its top-left corner counts, above that the sample fills it. */
PictureBox SampleFrame(HWND page)
{
    RECT pageRect = {};
    RECT frameRect = {};
    GetWindowRect(page, &pageRect);
    GetWindowRect(GetDlgItem(page, IDC_HALFTONE_SAMPLE_FRAME), &frameRect);
    OffsetRect(&frameRect, -pageRect.left, -pageRect.top);
    return BoxOfRect(frameRect);
}

/* The two value texts, from the two steps. */
void ShowHalftoneValueTexts(HWND page, uint32_t sharpnessStep, uint32_t intensityStep)
{
    wchar_t sharpness[SharpnessTextChars];
    FormatSharpnessText(sharpnessStep, sharpness, SharpnessTextChars);
    SetDlgItemTextW(page, IDC_HALFTONE_SHARPNESS_VALUE, sharpness);
    wchar_t intensity[IntensityTextChars];
    LoadPageString(HalftoneIntensityTextId(intensityStep), intensity, IntensityTextChars);
    SetDlgItemTextW(page, IDC_HALFTONE_INTENSITY_VALUE, intensity);
}

void ShowCurrentValueTexts(HWND page)
{
    const int sharpness = ScrollBarPosition(page, IDC_HALFTONE_SHARPNESS_SCROLL);
    const int intensity = ScrollBarPosition(page, IDC_HALFTONE_INTENSITY_SCROLL);
    ShowHalftoneValueTexts(page, static_cast<uint32_t>(sharpness), static_cast<uint32_t>(intensity));
}

/* The choice the controls show; method and quality fall back on the
 * working record's while none of their radio buttons is checked. */
HalftoneChoice ReadHalftoneControls(HWND page)
{
    const SheetContext* context = PageContext(page);
    HalftoneChoice stored = {};
    if (context != nullptr)
        stored = HalftoneChoiceFromRecord(context->WorkingDevMode.Extra);
    HalftoneControlStates controls = {};
    for (uint32_t method = 0; method < HalftoneMethodCount; ++method)
        controls.MethodChecked[method] = IsChecked(page, HalftoneMethodRadios[method]);
    controls.SmoothingChecked = IsChecked(page, IDC_HALFTONE_SMOOTHING);
    controls.FastChecked = IsChecked(page, IDC_HALFTONE_FAST);
    controls.BestChecked = IsChecked(page, IDC_HALFTONE_BEST);
    controls.SharpnessPosition = ScrollBarPosition(page, IDC_HALFTONE_SHARPNESS_SCROLL);
    controls.IntensityPosition = ScrollBarPosition(page, IDC_HALFTONE_INTENSITY_SCROLL);
    return HalftoneChoiceFromControls(stored, controls);
}

/* Spot colour: every control is disabled.  The method radios keep their
 * checks, so that the choice comes back when the sheet returns to process
 * colour. */
void DisableForSpotColor(HWND page)
{
    EnableControls(page, FrameControls, false);
    EnableControls(page, HalftoneMethodRadios, false);
    EnableControls(page, QualityRadios, false);
    EnableControl(page, IDC_HALFTONE_SMOOTHING, false);
    EnableControls(page, PhotoStepControls, false);
}

/* Process colour: the method is checked and the controls it uses enabled.
 * Disabling keeps checks and positions, so each setting survives a change
 * of method and comes back with a method that uses it. */
void ShowMethod(HWND page, uint32_t method)
{
    EnableControls(page, FrameControls, true);
    EnableControls(page, HalftoneMethodRadios, true);
    for (uint32_t radio = 0; radio < HalftoneMethodCount; ++radio)
        SetChecked(page, HalftoneMethodRadios[radio], radio == method);
    const HalftoneEnableRule rule = HalftoneEnableRuleFor(method);
    EnableControl(page, IDC_HALFTONE_SMOOTHING, rule.Smoothing);
    EnableControls(page, QualityRadios, rule.Quality);
    EnableControls(page, PhotoStepControls, rule.PhotoSteps);
}

/* Shows a choice for a colour mode: spot disables the whole page, process
 * enables what the method uses.  A method or quality the page cannot show
 * is corrected in the choice. */
void ShowHalftoneChoice(HWND page, HalftoneChoice* choice, uint32_t colorMode)
{
    if (colorMode == 1) {
        DisableForSpotColor(page);
    } else {
        choice->Method = ShownHalftoneMethod(choice->Method);
        ShowMethod(page, choice->Method);
    }
    SetScrollBar(page, IDC_HALFTONE_SHARPNESS_SCROLL, 0, SharpnessLastStep,
                 static_cast<int>(choice->Sharpness), false);
    SetScrollBar(page, IDC_HALFTONE_INTENSITY_SCROLL, 0, HalftoneIntensityLastStep,
                 static_cast<int>(choice->Intensity), false);
    ShowHalftoneValueTexts(page, choice->Sharpness, choice->Intensity);
    choice->Quality = ShownDiffusionQuality(choice->Quality);
    CheckOneOfTwo(page, IDC_HALFTONE_FAST, IDC_HALFTONE_BEST, choice->Quality == DiffusionBest);
    SetChecked(page, IDC_HALFTONE_SMOOTHING, choice->Smoothing != 0);
}

/* Invalidates the sample's rectangle, with or without erasing. */
void InvalidateSamplePicture(HWND page, bool erase)
{
    const PicturePlacement placement = PlacePicture(SampleFrame(page), SamplePictureWidth,
                                                    SamplePictureHeight, WindowDpi(page), PictureScreened);
    const RECT area = RectOfBox(placement.Target);
    InvalidateRect(page, &area, erase ? TRUE : FALSE);
}

/* Shows the page for the colour mode now clicked on the Color page. */
void FollowLiveColorMode(HWND page, const SheetContext* context)
{
    HalftoneChoice choice = ReadHalftoneControls(page);
    ShowHalftoneChoice(page, &choice, context != nullptr ? context->LiveColorMode : 0);
}

INT_PTR OnInitDialog(HWND page, LPARAM lParam)
{
    FitPagePictures(page);
    SheetContext* context = AttachPageContext(page, lParam);
    if (context == nullptr)
        return TRUE;
    HalftoneChoice choice = HalftoneChoiceFromRecord(context->WorkingDevMode.Extra);
    // A Process/Spot click made before this page was first shown gives way
    // to the stored mode; from now on the Color page keeps it current.
    context->LiveColorMode = context->WorkingDevMode.Extra.ColorMode;
    ShowHalftoneChoice(page, &choice, context->LiveColorMode);
    InvalidateSamplePicture(page, false);
    return TRUE;
}

INT_PTR OnCommand(HWND page, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED)
        FollowLiveColorMode(page, PageContext(page));
    if (RepaintsSample(id))
        InvalidateSamplePicture(page, true);
    return TRUE;
}

INT_PTR OnHScroll(HWND page, WPARAM wParam, LPARAM lParam)
{
    HWND bar = reinterpret_cast<HWND>(lParam);
    const int lastStep = HalftoneStepBarLastStep(bar != nullptr ? GetDlgCtrlID(bar) : 0);
    if (lastStep >= 0) {
        const int position = GetScrollPos(bar, SB_CTL);
        const int next =
            NextHalftoneStep(LOWORD(wParam), position, static_cast<short>(HIWORD(wParam)), lastStep);
        if (next != position) {
            SetScrollPos(bar, SB_CTL, next, TRUE);
            // The photographic sample depends on the intensity step.
            InvalidateSamplePicture(page, false);
        }
    }
    ShowCurrentValueTexts(page);
    return TRUE;
}

INT_PTR OnPaint(HWND page)
{
    const SheetContext* context = PageContext(page);
    const HalftoneChoice choice = ReadHalftoneControls(page);
    PAINTSTRUCT paint;
    HDC target = BeginPaint(page, &paint);
    const int pictureId = HalftoneSamplePicture(choice, context != nullptr ? context->LiveColorMode : 0);
    HBITMAP picture = LoadBitmapW(ModuleInstance(), MAKEINTRESOURCEW(pictureId));
    // Stretched pixel by pixel, the sample keeps showing the method's dots.
    if (picture != nullptr && target != nullptr)
        DrawPictureInFrame(target, picture, SampleFrame(page), PictureScreened);
    if (picture != nullptr)
        DeleteObject(picture);
    EndPaint(page, &paint);
    // Nothing is left for the default processing to paint.
    return FALSE;
}

INT_PTR OnNotify(HWND page, LPARAM lParam)
{
    SheetContext* context = PageContext(page);
    const UINT code = NotificationCode(lParam);
    switch (code) {
    case PSN_SETACTIVE:
        FollowLiveColorMode(page, context);
        InvalidateSamplePicture(page, false);
        return TRUE;
    case PSN_APPLY: {
        const HalftoneChoice choice = ReadHalftoneControls(page);
        if (context != nullptr)
            StoreHalftoneChoice(choice, &context->WorkingDevMode.Extra);
        FinishPageApply(page, context);
        return TRUE;
    }
    default:
        return AnswerCommonNotify(page, context, code);
    }
}

}  // namespace

INT_PTR CALLBACK HalftonePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
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
    case WM_PAINT:
        return OnPaint(page);
    default:
        return FALSE;
    }
}
