/* The Halftone page's model: the choice read from the controls and the
 * record, the step bars, the enable rules, the sample pictures and the
 * value texts. */
#include <gtest/gtest.h>
#include <string.h>

#include "pages/halftone_model.h"
#include "resources/resource_ids.h"

namespace {

TEST(HalftoneSamplePicture, FollowsTheModeTheMethodAndThePhotographicIntensity)
{
    struct Case {
        uint32_t mode;
        uint32_t method;
        uint32_t quality;
        uint32_t intensity;
        int picture;
    };
    const Case cases[] = {
        {0, HalftoneFine, 1, 2, IDB_HALFTONE_FINE},
        {0, HalftoneMedium, 1, 0, IDB_HALFTONE_MEDIUM},
        {0, HalftoneCoarse, 1, 1, IDB_HALFTONE_COARSE},
        {0, HalftoneErrorDiffusion, DiffusionFast, 0, IDB_HALFTONE_DIFFUSION},
        {0, HalftoneErrorDiffusion, DiffusionBest, 0, IDB_HALFTONE_DIFFUSION},
        {0, HalftonePhotographic, 1, 0, IDB_HALFTONE_PHOTO_LOW},
        {0, HalftonePhotographic, 1, 1, IDB_HALFTONE_PHOTO_MED},
        {0, HalftonePhotographic, 1, 2, IDB_HALFTONE_PHOTO_HIGH},
        {0, HalftonePhotographic, 1, 7, IDB_HALFTONE_PHOTO_HIGH},
        {0, HalftoneOptimum, 1, 0, IDB_HALFTONE_OPTIMUM},
        {0, 6, 1, 0, IDB_HALFTONE_MEDIUM},
        {0, 0xFFFFFFFFu, 1, 0, IDB_HALFTONE_MEDIUM},
        {1, HalftoneFine, 1, 0, IDB_HALFTONE_SPOT_NOTICE},
        {1, HalftonePhotographic, 1, 0, IDB_HALFTONE_SPOT_NOTICE},
        {2, HalftoneOptimum, 1, 0, IDB_HALFTONE_SPOT_NOTICE},
    };
    for (const Case& c : cases) {
        HalftoneChoice choice = {c.method, c.quality, 0, 4, c.intensity};
        EXPECT_EQ(c.picture, HalftoneSamplePicture(choice, c.mode))
            << c.mode << "/" << c.method << "/" << c.intensity;
    }
}

TEST(HalftoneValueTexts, StepsBeyondTheTablesShowTheLastEntry)
{
    wchar_t text[16];
    FormatSharpnessText(0, text, 16);
    EXPECT_STREQ(L"1 %", text);
    FormatSharpnessText(5, text, 16);
    EXPECT_STREQ(L"100 %", text);
    FormatSharpnessText(0xFFFFFFFFu, text, 16);
    EXPECT_STREQ(L"100 %", text);
    FormatSharpnessText(4, text, 4);
    EXPECT_STREQ(L"", text);
    EXPECT_EQ(IDS_HALFTONE_INTENSITY_HIGH, HalftoneIntensityTextId(3));
}

TEST(HalftoneValueTexts, EveryStepHasItsTextAndAnExactFitIsWhole)
{
    const wchar_t* percents[] = {L"1 %", L"25 %", L"50 %", L"75 %", L"100 %"};
    wchar_t text[16];
    for (uint32_t step = 0; step <= static_cast<uint32_t>(SharpnessLastStep); ++step) {
        EXPECT_TRUE(FormatSharpnessText(step, text, 16));
        EXPECT_STREQ(percents[step], text);
    }
    EXPECT_TRUE(FormatSharpnessText(4, text, 6));
    EXPECT_STREQ(L"100 %", text);
    EXPECT_FALSE(FormatSharpnessText(4, text, 5));
    EXPECT_STREQ(L"", text);
    EXPECT_EQ(IDS_HALFTONE_INTENSITY_LOW, HalftoneIntensityTextId(0));
    EXPECT_EQ(IDS_HALFTONE_INTENSITY_MED, HalftoneIntensityTextId(1));
    EXPECT_EQ(IDS_HALFTONE_INTENSITY_HIGH, HalftoneIntensityTextId(2));
}

TEST(HalftoneChoiceRecord, TravelsThroughItsFiveFieldsOnly)
{
    DriverExtra extra;
    memset(&extra, 0xA5, sizeof(extra));
    extra.HalftoneMethod = HalftonePhotographic;
    extra.DiffusionQuality = DiffusionBest;
    extra.SmoothingFilter = 1;
    extra.Sharpness = 3;
    extra.HalftoneIntensity = 2;
    const HalftoneChoice choice = HalftoneChoiceFromRecord(extra);
    EXPECT_EQ(HalftonePhotographic, choice.Method);
    EXPECT_EQ(DiffusionBest, choice.Quality);
    EXPECT_EQ(1u, choice.Smoothing);
    EXPECT_EQ(3u, choice.Sharpness);
    EXPECT_EQ(2u, choice.Intensity);

    DriverExtra stored;
    memset(&stored, 0x5A, sizeof(stored));
    DriverExtra expected = stored;
    expected.HalftoneMethod = HalftonePhotographic;
    expected.DiffusionQuality = DiffusionBest;
    expected.SmoothingFilter = 1;
    expected.Sharpness = 3;
    expected.HalftoneIntensity = 2;
    StoreHalftoneChoice(choice, &stored);
    EXPECT_EQ(0, memcmp(&expected, &stored, sizeof(stored)));
}

TEST(HalftoneChoiceControls, UncheckedRadiosKeepTheRecordAndLaterRadiosWin)
{
    const HalftoneChoice stored = {HalftoneCoarse, DiffusionBest, 1, 2, 1};
    HalftoneControlStates controls = {};
    controls.SharpnessPosition = 4;
    controls.IntensityPosition = 0;
    // Nothing checked (a page opened in spot mode): method and quality stay,
    // smoothing and the steps come from the controls.
    HalftoneChoice choice = HalftoneChoiceFromControls(stored, controls);
    EXPECT_EQ(HalftoneCoarse, choice.Method);
    EXPECT_EQ(DiffusionBest, choice.Quality);
    EXPECT_EQ(0u, choice.Smoothing);
    EXPECT_EQ(4u, choice.Sharpness);
    EXPECT_EQ(0u, choice.Intensity);

    for (uint32_t method = 0; method < HalftoneMethodCount; ++method) {
        HalftoneControlStates one = controls;
        one.MethodChecked[method] = true;
        EXPECT_EQ(method, HalftoneChoiceFromControls(stored, one).Method) << method;
    }
    controls.MethodChecked[HalftoneFine] = true;
    controls.MethodChecked[HalftoneErrorDiffusion] = true;
    controls.MethodChecked[HalftonePhotographic] = true;
    controls.FastChecked = true;
    controls.BestChecked = true;
    controls.SmoothingChecked = true;
    choice = HalftoneChoiceFromControls(stored, controls);
    EXPECT_EQ(HalftonePhotographic, choice.Method);
    EXPECT_EQ(DiffusionBest, choice.Quality);
    EXPECT_EQ(1u, choice.Smoothing);

    controls.BestChecked = false;
    EXPECT_EQ(DiffusionFast, HalftoneChoiceFromControls(stored, controls).Quality);
}

TEST(HalftoneEnableRules, FollowTheMethodAndCorrectWhatThePageCannotShow)
{
    const HalftoneEnableRule medium = HalftoneEnableRuleFor(HalftoneMedium);
    for (uint32_t method : {6u, 0xFFFFFFFFu}) {
        const HalftoneEnableRule rule = HalftoneEnableRuleFor(method);
        EXPECT_EQ(medium.Smoothing, rule.Smoothing);
        EXPECT_EQ(medium.Quality, rule.Quality);
        EXPECT_EQ(medium.PhotoSteps, rule.PhotoSteps);
        EXPECT_EQ(HalftoneMedium, ShownHalftoneMethod(method));
    }
    EXPECT_TRUE(HalftoneEnableRuleFor(HalftoneErrorDiffusion).Quality);
    EXPECT_TRUE(HalftoneEnableRuleFor(HalftonePhotographic).PhotoSteps);
    const HalftoneEnableRule optimum = HalftoneEnableRuleFor(HalftoneOptimum);
    EXPECT_FALSE(optimum.Smoothing || optimum.Quality || optimum.PhotoSteps);
    EXPECT_EQ(HalftoneOptimum, ShownHalftoneMethod(HalftoneOptimum));
    EXPECT_EQ(DiffusionBest, ShownDiffusionQuality(DiffusionBest));
    EXPECT_EQ(DiffusionFast, ShownDiffusionQuality(2));

    for (int radio : HalftoneMethodRadios)
        EXPECT_TRUE(RepaintsSample(radio)) << radio;
    EXPECT_TRUE(RepaintsSample(IDC_HALFTONE_FAST));
    EXPECT_TRUE(RepaintsSample(IDC_HALFTONE_BEST));
    EXPECT_FALSE(RepaintsSample(IDC_HALFTONE_SMOOTHING));
}

TEST(HalftoneStepBars, MoveOneStepWithinTheirRangeAndFollowTheThumb)
{
    const int sharpness = HalftoneStepBarLastStep(IDC_HALFTONE_SHARPNESS_SCROLL);
    const int intensity = HalftoneStepBarLastStep(IDC_HALFTONE_INTENSITY_SCROLL);
    EXPECT_EQ(4, sharpness);
    EXPECT_EQ(2, intensity);
    EXPECT_EQ(-1, HalftoneStepBarLastStep(IDC_HALFTONE_SMOOTHING));

    // Page requests move by one step, as the line requests do.
    EXPECT_EQ(3, NextHalftoneStep(ScrollPageRight, 2, 0, sharpness));
    EXPECT_EQ(1, NextHalftoneStep(ScrollPageLeft, 2, 0, sharpness));
    EXPECT_EQ(4, NextHalftoneStep(ScrollLineRight, 4, 0, sharpness));
    EXPECT_EQ(2, NextHalftoneStep(ScrollPageRight, 2, 0, intensity));
    EXPECT_EQ(0, NextHalftoneStep(ScrollLineLeft, 0, 0, intensity));
    EXPECT_EQ(1, NextHalftoneStep(ScrollThumbTrack, 2, 1, intensity));
    const int otherRequests[] = {4, 6, 7, 8};  // thumb position, top, bottom, end of scroll
    for (int request : otherRequests)
        EXPECT_EQ(3, NextHalftoneStep(request, 3, 0, sharpness)) << request;
}

}  // namespace
