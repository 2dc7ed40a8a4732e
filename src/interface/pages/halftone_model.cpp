#include "pages/halftone_model.h"

#include "resources/resource_ids.h"
#include "text/bounded_text.h"

const int HalftoneMethodRadios[HalftoneMethodCount] = {
    IDC_HALFTONE_FINE,      IDC_HALFTONE_MEDIUM,       IDC_HALFTONE_COARSE,
    IDC_HALFTONE_DIFFUSION, IDC_HALFTONE_PHOTOGRAPHIC, IDC_HALFTONE_OPTIMUM,
};

const int SharpnessPercent[] = {1, 25, 50, 75, 100};
static_assert(sizeof(SharpnessPercent) / sizeof(SharpnessPercent[0]) == SharpnessLastStep + 1,
              "one percentage per sharpness step");

namespace {

const HalftoneEnableRule EnableRules[HalftoneMethodCount] = {
    /* Smoothing, Quality, PhotoSteps */
    {true, false, false},  /* Fine */
    {true, false, false},  /* Medium */
    {true, false, false},  /* Coarse */
    {false, true, false},  /* Error Diffusion */
    {false, false, true},  /* Photographic */
    {false, false, false}, /* Optimum */
};

/* Photographic has one picture per intensity step; it is resolved apart. */
const int MethodPictures[HalftoneMethodCount] = {
    IDB_HALFTONE_FINE,      IDB_HALFTONE_MEDIUM,     IDB_HALFTONE_COARSE,
    IDB_HALFTONE_DIFFUSION, IDB_HALFTONE_PHOTO_HIGH, IDB_HALFTONE_OPTIMUM,
};

const int PhotographicPictures[HalftoneIntensityLastStep + 1] = {
    IDB_HALFTONE_PHOTO_LOW,
    IDB_HALFTONE_PHOTO_MED,
    IDB_HALFTONE_PHOTO_HIGH,
};

/* A step the tables cannot show counts as the last one. */
uint32_t AtMostStep(uint32_t step, int lastStep)
{
    return step < static_cast<uint32_t>(lastStep) ? step : static_cast<uint32_t>(lastStep);
}

}  // namespace

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

HalftoneChoice HalftoneChoiceFromControls(const HalftoneChoice& stored, const HalftoneControlStates& controls)
{
    HalftoneChoice choice = stored;
    for (uint32_t method = 0; method < HalftoneMethodCount; ++method)
        if (controls.MethodChecked[method])
            choice.Method = method;
    choice.Smoothing = controls.SmoothingChecked ? 1 : 0;
    if (controls.FastChecked)
        choice.Quality = DiffusionFast;
    if (controls.BestChecked)
        choice.Quality = DiffusionBest;
    choice.Sharpness = static_cast<uint32_t>(controls.SharpnessPosition);
    choice.Intensity = static_cast<uint32_t>(controls.IntensityPosition);
    return choice;
}

uint32_t ShownHalftoneMethod(uint32_t method)
{
    return method < HalftoneMethodCount ? method : HalftoneMedium;
}

uint32_t ShownDiffusionQuality(uint32_t quality)
{
    return quality == DiffusionFast || quality == DiffusionBest ? quality : DiffusionFast;
}

HalftoneEnableRule HalftoneEnableRuleFor(uint32_t method)
{
    return EnableRules[ShownHalftoneMethod(method)];
}

bool RepaintsSample(int controlId)
{
    for (int radio : HalftoneMethodRadios)
        if (radio == controlId)
            return true;
    return controlId == IDC_HALFTONE_FAST || controlId == IDC_HALFTONE_BEST;
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

int HalftoneStepBarLastStep(int scrollBarId)
{
    if (scrollBarId == IDC_HALFTONE_SHARPNESS_SCROLL)
        return SharpnessLastStep;
    if (scrollBarId == IDC_HALFTONE_INTENSITY_SCROLL)
        return HalftoneIntensityLastStep;
    return -1;
}

int NextHalftoneStep(int request, int position, int thumbPosition, int lastStep)
{
    switch (request) {
    case ScrollLineLeft:
    case ScrollPageLeft:
        return position > 0 ? position - 1 : 0;
    case ScrollLineRight:
    case ScrollPageRight:
        return position < lastStep ? position + 1 : lastStep;
    case ScrollThumbTrack:
        return thumbPosition;
    default:
        return position;
    }
}

bool FormatSharpnessText(uint32_t step, wchar_t* text, size_t capacity)
{
    if (text == nullptr || capacity == 0)
        return false;
    text[0] = 0;
    const int percent = SharpnessPercent[AtMostStep(step, SharpnessLastStep)];
    return AppendFormatBounded(text, capacity, "%d %%", percent);
}

int HalftoneIntensityTextId(uint32_t step)
{
    if (step == 0)
        return IDS_HALFTONE_INTENSITY_LOW;
    if (step == 1)
        return IDS_HALFTONE_INTENSITY_MED;
    return IDS_HALFTONE_INTENSITY_HIGH;
}
