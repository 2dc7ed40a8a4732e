/*
 * The Halftone page: the screening method of process colour with its
 * smoothing, diffusion quality, sharpness and intensity, and a sample
 * picture of the method.  Halftoning means nothing for spot colour, so the
 * page follows the colour mode clicked on the Color page (LiveColorMode)
 * every time it is shown, not only the stored one.
 */
#include <stdio.h>

#include "imaging/picture_draw_win32.h"
#include "pages/halftone_page_choice.h"
#include "pages/dialog_controls.h"
#include "pages/page_frame.h"
#include "pages/page_pictures.h"
#include "pages/page_procedures.h"
#include "resources/resource_ids.h"
#include "resources/module_instance.h"

const int SharpnessPercent[SharpnessLastStep + 1] = {1, 25, 50, 75, 100};

namespace {

const int MethodRadios[HalftoneMethodCount] = {
    IDC_HALFTONE_FINE,      IDC_HALFTONE_MEDIUM,       IDC_HALFTONE_COARSE,
    IDC_HALFTONE_DIFFUSION, IDC_HALFTONE_PHOTOGRAPHIC, IDC_HALFTONE_OPTIMUM,
};

const HalftoneEnableRule EnableRules[HalftoneMethodCount] = {
    /* Smoothing, Quality, PhotoSteps */
    {true, false, false},   /* Fine */
    {true, false, false},   /* Medium */
    {true, false, false},   /* Coarse */
    {false, true, false},   /* Error Diffusion */
    {false, false, true},   /* Photographic */
    {false, false, false},  /* Optimum */
};

/* Photographic has one picture per intensity step; it is resolved apart. */
const int MethodPictures[HalftoneMethodCount] = {
    IDB_HALFTONE_FINE,      IDB_HALFTONE_MEDIUM,     IDB_HALFTONE_COARSE,
    IDB_HALFTONE_DIFFUSION, IDB_HALFTONE_PHOTO_HIGH, IDB_HALFTONE_OPTIMUM,
};

const int PhotographicPictures[HalftoneIntensityLastStep + 1] = {
    IDB_HALFTONE_PHOTO_LOW, IDB_HALFTONE_PHOTO_MED, IDB_HALFTONE_PHOTO_HIGH,
};

const int QualityRadios[] = {IDC_HALFTONE_FAST, IDC_HALFTONE_BEST};

const int PhotoStepControls[] = {
    IDC_HALFTONE_SHARPNESS_SCROLL, IDC_HALFTONE_INTENSITY_SCROLL,
    IDC_HALFTONE_SHARPNESS_LABEL,  IDC_HALFTONE_SHARPNESS_MINUS,
    IDC_HALFTONE_SHARPNESS_PLUS,   IDC_HALFTONE_SHARPNESS_VALUE,
    IDC_HALFTONE_INTENSITY_LABEL,  IDC_HALFTONE_INTENSITY_MINUS,
    IDC_HALFTONE_INTENSITY_PLUS,   IDC_HALFTONE_INTENSITY_VALUE,
};

/* The group box and the pictures beside the choices: off in spot mode only. */
const int FrameControls[] = {
    IDC_HALFTONE_GROUP, IDC_HALFTONE_ICON, IDC_HALFTONE_SAMPLE_FRAME, IDC_HALFTONE_PICTURE,
};

/* The rectangle to repaint is that of the fine sample, which all samples
 * share within a pixel. */
const int SamplePictureWidth = 155;
const int SamplePictureHeight = 155;

/* A step the tables cannot show counts as the last one. */
uint32_t AtMostStep(uint32_t step, int lastStep)
{
    return step < static_cast<uint32_t>(lastStep) ? step : static_cast<uint32_t>(lastStep);
}

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

void ShowStepBar(HWND page, int id, int lastStep, uint32_t step)
{
    HWND bar = GetDlgItem(page, id);
    SetScrollRange(bar, SB_CTL, 0, lastStep, FALSE);
    SetScrollPos(bar, SB_CTL, static_cast<int>(step), FALSE);
}

void ShowCurrentValueTexts(HWND page)
{
    int sharpness = GetScrollPos(GetDlgItem(page, IDC_HALFTONE_SHARPNESS_SCROLL), SB_CTL);
    int intensity = GetScrollPos(GetDlgItem(page, IDC_HALFTONE_INTENSITY_SCROLL), SB_CTL);
    ShowHalftoneValueTexts(page, static_cast<uint32_t>(sharpness), static_cast<uint32_t>(intensity));
}

bool IsMethodOrQualityRadio(int id)
{
    for (int radio : MethodRadios)
        if (radio == id)
            return true;
    return id == IDC_HALFTONE_FAST || id == IDC_HALFTONE_BEST;
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
    if (IsMethodOrQualityRadio(id))
        InvalidateSamplePicture(page, true);
    return TRUE;
}

INT_PTR OnHScroll(HWND page, WPARAM wParam, LPARAM lParam)
{
    HWND bar = reinterpret_cast<HWND>(lParam);
    const int id = bar != nullptr ? GetDlgCtrlID(bar) : 0;
    if (id == IDC_HALFTONE_SHARPNESS_SCROLL || id == IDC_HALFTONE_INTENSITY_SCROLL) {
        const int lastStep = id == IDC_HALFTONE_SHARPNESS_SCROLL ? SharpnessLastStep : HalftoneIntensityLastStep;
        const int position = GetScrollPos(bar, SB_CTL);
        const int next = NextHalftoneStep(LOWORD(wParam), position, static_cast<short>(HIWORD(wParam)), lastStep);
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

HalftoneEnableRule HalftoneEnableRuleFor(uint32_t method)
{
    return EnableRules[method < HalftoneMethodCount ? method : HalftoneMedium];
}

int HalftoneSamplePicture(const HalftoneChoice& choice, uint32_t liveColorMode)
{
    if (liveColorMode != 0)
        return IDB_HALFTONE_SPOT_NOTICE;
    if (choice.Method >= HalftoneMethodCount)
        return IDB_HALFTONE_MEDIUM;
    if (choice.Method == HalftonePhotographic)
        return PhotographicPictures[AtMostStep(choice.Intensity, HalftoneIntensityLastStep)];
    return MethodPictures[choice.Method];
}

int NextHalftoneStep(int request, int position, int thumbPosition, int lastStep)
{
    switch (request) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        return position > 0 ? position - 1 : 0;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        return position < lastStep ? position + 1 : lastStep;
    case SB_THUMBTRACK:
        return thumbPosition;
    default:
        return position;
    }
}

void FormatSharpnessText(uint32_t step, wchar_t* text, int capacity)
{
    const int percent = SharpnessPercent[AtMostStep(step, SharpnessLastStep)];
    const int written = _snwprintf(text, capacity, L"%d %%", percent);
    if (written < 0 || written >= capacity)
        text[0] = 0;
}

int HalftoneIntensityTextId(uint32_t step)
{
    if (step == 0)
        return IDS_HALFTONE_INTENSITY_LOW;
    if (step == 1)
        return IDS_HALFTONE_INTENSITY_MED;
    return IDS_HALFTONE_INTENSITY_HIGH;
}

HalftoneChoice HalftoneChoiceFromRecord(const DriverExtra& extra)
{
    HalftoneChoice choice = {extra.HalftoneMethod, extra.DiffusionQuality, extra.SmoothingFilter,
                             extra.Sharpness, extra.HalftoneIntensity};
    return choice;
}

void StoreHalftoneChoice(const HalftoneChoice& choice, DriverExtra* extra)
{
    extra->HalftoneMethod = choice.Method;
    extra->DiffusionQuality = choice.Quality;
    extra->SmoothingFilter = choice.Smoothing;
    extra->Sharpness = choice.Sharpness;
    extra->HalftoneIntensity = choice.Intensity;
}

HalftoneChoice ReadHalftoneControls(HWND page)
{
    const SheetContext* context = PageContext(page);
    HalftoneChoice choice = {};
    if (context != nullptr)
        choice = HalftoneChoiceFromRecord(context->WorkingDevMode.Extra);
    // Unchecked radios keep the record's value (a page opened in spot mode
    // has no method checked).  Later radios win over earlier ones.
    for (uint32_t method = HalftoneFine; method <= HalftoneCoarse; ++method)
        if (IsChecked(page, MethodRadios[method]))
            choice.Method = method;
    choice.Smoothing = IsChecked(page, IDC_HALFTONE_SMOOTHING) ? 1 : 0;
    if (IsChecked(page, IDC_HALFTONE_DIFFUSION))
        choice.Method = HalftoneErrorDiffusion;
    if (IsChecked(page, IDC_HALFTONE_FAST))
        choice.Quality = DiffusionFast;
    if (IsChecked(page, IDC_HALFTONE_BEST))
        choice.Quality = DiffusionBest;
    if (IsChecked(page, IDC_HALFTONE_PHOTOGRAPHIC))
        choice.Method = HalftonePhotographic;
    if (IsChecked(page, IDC_HALFTONE_OPTIMUM))
        choice.Method = HalftoneOptimum;
    choice.Sharpness = static_cast<uint32_t>(GetScrollPos(GetDlgItem(page, IDC_HALFTONE_SHARPNESS_SCROLL), SB_CTL));
    choice.Intensity = static_cast<uint32_t>(GetScrollPos(GetDlgItem(page, IDC_HALFTONE_INTENSITY_SCROLL), SB_CTL));
    return choice;
}

void ShowHalftoneChoice(HWND page, HalftoneChoice* choice, uint32_t colorMode)
{
    if (colorMode == 1) {
        // The method radios keep their checks, so that the choice comes back
        // when the sheet returns to process colour.
        EnableControls(page, FrameControls, false);
        EnableControls(page, MethodRadios, false);
        EnableControls(page, QualityRadios, false);
        EnableWindow(GetDlgItem(page, IDC_HALFTONE_SMOOTHING), FALSE);
        EnableControls(page, PhotoStepControls, false);
    } else {
        EnableControls(page, FrameControls, true);
        EnableControls(page, MethodRadios, true);
        if (choice->Method >= HalftoneMethodCount)
            choice->Method = HalftoneMedium;
        for (uint32_t method = 0; method < HalftoneMethodCount; ++method)
            CheckDlgButton(page, MethodRadios[method], method == choice->Method ? BST_CHECKED : BST_UNCHECKED);
        // Disabling keeps checks and positions, so each setting survives a
        // change of method and comes back with a method that uses it.
        const HalftoneEnableRule rule = HalftoneEnableRuleFor(choice->Method);
        EnableWindow(GetDlgItem(page, IDC_HALFTONE_SMOOTHING), rule.Smoothing ? TRUE : FALSE);
        EnableControls(page, QualityRadios, rule.Quality);
        EnableControls(page, PhotoStepControls, rule.PhotoSteps);
    }
    ShowStepBar(page, IDC_HALFTONE_SHARPNESS_SCROLL, SharpnessLastStep, choice->Sharpness);
    ShowStepBar(page, IDC_HALFTONE_INTENSITY_SCROLL, HalftoneIntensityLastStep, choice->Intensity);
    ShowHalftoneValueTexts(page, choice->Sharpness, choice->Intensity);
    if (choice->Quality != DiffusionFast && choice->Quality != DiffusionBest)
        choice->Quality = DiffusionFast;
    CheckOneOfTwo(page, IDC_HALFTONE_FAST, IDC_HALFTONE_BEST, choice->Quality == DiffusionBest);
    CheckDlgButton(page, IDC_HALFTONE_SMOOTHING, choice->Smoothing != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void ShowHalftoneValueTexts(HWND page, uint32_t sharpnessStep, uint32_t intensityStep)
{
    wchar_t sharpness[16];
    FormatSharpnessText(sharpnessStep, sharpness, 16);
    SetDlgItemTextW(page, IDC_HALFTONE_SHARPNESS_VALUE, sharpness);
    wchar_t intensity[20];
    LoadPageString(HalftoneIntensityTextId(intensityStep), intensity, 20);
    SetDlgItemTextW(page, IDC_HALFTONE_INTENSITY_VALUE, intensity);
}

void InvalidateSamplePicture(HWND page, bool erase)
{
    const PicturePlacement placement = PlacePicture(SampleFrame(page), SamplePictureWidth, SamplePictureHeight,
                                                    WindowDpi(page), PictureScreened);
    const RECT area = RectOfBox(placement.Target);
    InvalidateRect(page, &area, erase ? TRUE : FALSE);
}

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
