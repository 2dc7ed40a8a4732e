/* The Color page's model: the choice's trip through the record, slider
 * steps, which slider, channel or head a control or point belongs to, and
 * the texts the page writes. */
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "pages/color_model.h"
#include "resources/resource_ids.h"

namespace {

/* Every colour field away from its default, and the bytes around them. */
DriverExtra SampleExtra()
{
    DriverExtra extra;
    memset(&extra, 0x3C, sizeof(extra));
    extra.ColorMode = 1;
    extra.ProcessColorSet = 1;
    extra.CmyOnBack3Heads = 1;
    extra.RedLevel = 0;
    extra.GreenLevel = 37;
    extra.BlueLevel = 200;
    extra.Brightness = 150;
    extra.Contrast = 3;
    for (int head = 0; head < SpotHeadCount; ++head) {
        extra.SpotHeadEnabled[head] = head % 2 == 0 ? 1u : 0u;
        extra.SpotHeadColor[head] = 0x00102030u * static_cast<uint32_t>(head + 1);
    }
    extra.ExactRgbMatch = 1;
    extra.Option212 = -2;
    for (int i = 0; i < CustomColorCount; ++i)
        extra.CustomColors[i] = 0x00010203u * static_cast<uint32_t>(i + 1);
    return extra;
}

TEST(ColorChoiceRecord, StoringWhatWasReadLeavesEveryByte)
{
    const DriverExtra before = SampleExtra();
    const ColorChoice choice = ColorChoiceFromRecord(before);
    EXPECT_EQ(ColorModeSpot, choice.Mode);
    EXPECT_EQ(37, choice.Green);
    EXPECT_EQ(150, choice.Brightness);
    EXPECT_EQ(0, choice.HeadOn[1]);

    uint32_t spot[SpotHeadCount];
    uint32_t custom[CustomColorCount];
    LoadWorkColors(before, spot, custom);
    EXPECT_EQ(before.SpotHeadColor[3], spot[3]);
    EXPECT_EQ(before.CustomColors[15], custom[15]);

    DriverExtra after = before;
    StoreColorChoice(choice, &after);
    StoreWorkColors(spot, custom, &after);
    EXPECT_EQ(0, memcmp(&before, &after, sizeof(before)));
}

TEST(ColorChoiceRecord, StoresEveryChoiceAndOnlyThose)
{
    DriverExtra extra = SampleExtra();
    DriverExtra expected = extra;
    ColorChoice choice = {ColorModeProcess, 0, 0, 95, 101, 42, 105, 99, {0, 1, 1, 0}, 0};
    StoreColorChoice(choice, &extra);
    expected.ColorMode = 0;
    expected.ProcessColorSet = 0;
    expected.CmyOnBack3Heads = 0;
    expected.RedLevel = 95;
    expected.GreenLevel = 101;
    expected.BlueLevel = 42;
    expected.Brightness = 105;
    expected.Contrast = 99;
    expected.SpotHeadEnabled[0] = 0;
    expected.SpotHeadEnabled[1] = 1;
    expected.SpotHeadEnabled[2] = 1;
    expected.SpotHeadEnabled[3] = 0;
    expected.ExactRgbMatch = 0;
    EXPECT_EQ(0, memcmp(&expected, &extra, sizeof(extra)));

    uint32_t spot[SpotHeadCount] = {1, 2, 3, 4};
    uint32_t custom[CustomColorCount] = {};
    custom[5] = 0x00ABCDEF;
    StoreWorkColors(spot, custom, &extra);
    EXPECT_EQ(0, memcmp(spot, extra.SpotHeadColor, sizeof(spot)));
    EXPECT_EQ(0, memcmp(custom, extra.CustomColors, sizeof(custom)));
    EXPECT_EQ(-2, extra.Option212);
}

TEST(ColorSliders, StepWithinTheLevelRangeAndFollowTheThumb)
{
    EXPECT_EQ(101, NextSliderPosition(ScrollLineRight, 100, 0));
    EXPECT_EQ(99, NextSliderPosition(ScrollLineLeft, 100, 0));
    EXPECT_EQ(105, NextSliderPosition(ScrollPageRight, 100, 0));
    EXPECT_EQ(95, NextSliderPosition(ScrollPageLeft, 100, 0));
    EXPECT_EQ(200, NextSliderPosition(ScrollPageRight, 198, 0));
    EXPECT_EQ(200, NextSliderPosition(ScrollLineRight, 200, 0));
    EXPECT_EQ(0, NextSliderPosition(ScrollPageLeft, 3, 0));
    EXPECT_EQ(0, NextSliderPosition(ScrollLineLeft, 0, 0));
    EXPECT_EQ(42, NextSliderPosition(ScrollThumbTrack, 100, 42));
    const int otherRequests[] = {4, 6, 7, 8};  // thumb position, left end, right end, end of scroll
    for (int request : otherRequests)
        EXPECT_EQ(17, NextSliderPosition(request, 17, 90)) << request;

    const ColorChoice choice = {0, 0, 0, 1, 2, 3, 4, 5, {1, 1, 1, 1}, 0};
    for (int slider = 0; slider < ColorSliderCount; ++slider)
        EXPECT_EQ(slider + 1, SliderLevel(choice, slider));
}

TEST(ColorControls, ScrollBarsBoxesAndButtonsAreFoundByTheirIds)
{
    EXPECT_EQ(0, SliderOfScrollBar(IDC_COLOR_RED_SCROLL));
    EXPECT_EQ(3, SliderOfScrollBar(IDC_COLOR_BRIGHTNESS_SCROLL));
    EXPECT_EQ(4, SliderOfScrollBar(IDC_COLOR_CONTRAST_SCROLL));
    EXPECT_EQ(-1, SliderOfScrollBar(IDC_COLOR_RED_VALUE));
    EXPECT_EQ(2, ChannelOfScrollBar(IDC_COLOR_BLUE_SCROLL));
    EXPECT_EQ(-1, ChannelOfScrollBar(IDC_COLOR_BRIGHTNESS_SCROLL));
    EXPECT_EQ(-1, ChannelOfScrollBar(IDC_COLOR_CONTRAST_SCROLL));
    EXPECT_EQ(IDS_BRIGHTNESS, ColorSliders[SliderOfScrollBar(IDC_COLOR_BRIGHTNESS_SCROLL)].NameString);
    EXPECT_EQ(0, ColorSliders[SliderOfScrollBar(IDC_COLOR_GREEN_SCROLL)].NameString);

    const int boxes[SpotHeadCount] = {IDC_COLOR_HEAD1, IDC_COLOR_HEAD2, IDC_COLOR_HEAD3, IDC_COLOR_HEAD4};
    const int buttons[SpotHeadCount] = {IDC_COLOR_HEAD1_CHANGE, IDC_COLOR_HEAD2_CHANGE,
                                        IDC_COLOR_HEAD3_CHANGE, IDC_COLOR_HEAD4_CHANGE};
    for (int head = 0; head < SpotHeadCount; ++head) {
        EXPECT_EQ(head, HeadOfBox(boxes[head]));
        EXPECT_EQ(head, HeadOfChangeButton(buttons[head]));
        EXPECT_EQ(-1, HeadOfBox(buttons[head]));
        EXPECT_EQ(-1, HeadOfChangeButton(boxes[head]));
    }
    EXPECT_EQ(-1, HeadOfBox(IDC_COLOR_EXACT_MATCH));
}

TEST(ColorSwatches, LeftAndTopEdgesAreInsideRightAndBottomOutside)
{
    const ColorRect swatches[SpotHeadCount] = {
        {10, 10, 38, 32}, {10, 50, 38, 72}, {10, 90, 38, 112}, {10, 130, 38, 152}};
    EXPECT_EQ(0, HeadUnderPoint(swatches, ColorPoint{10, 10}));
    EXPECT_EQ(0, HeadUnderPoint(swatches, ColorPoint{37, 31}));
    EXPECT_EQ(-1, HeadUnderPoint(swatches, ColorPoint{38, 20}));
    EXPECT_EQ(-1, HeadUnderPoint(swatches, ColorPoint{20, 32}));
    EXPECT_EQ(2, HeadUnderPoint(swatches, ColorPoint{10, 90}));
    EXPECT_EQ(-1, HeadUnderPoint(swatches, ColorPoint{9, 95}));
    EXPECT_EQ(3, HeadUnderPoint(swatches, ColorPoint{20, 151}));

    // Overlapping swatches: the first head wins.  An empty one holds nothing.
    const ColorRect overlapping[SpotHeadCount] = {
        {0, 0, 0, 0}, {-5, -5, 5, 5}, {0, 0, 10, 10}, {0, 0, 10, 10}};
    EXPECT_EQ(1, HeadUnderPoint(overlapping, ColorPoint{0, 0}));
    EXPECT_EQ(2, HeadUnderPoint(overlapping, ColorPoint{5, 5}));
}

TEST(ColorTexts, LevelAndChannelTextsKeepTheirTwoForms)
{
    wchar_t text[ColorTextChars];
    EXPECT_TRUE(FormatLevelLabel(text, ColorTextChars, L"Brightness", 100));
    EXPECT_STREQ(L"Brightness (100%)", text);
    EXPECT_TRUE(FormatLevelLabel(text, ColorTextChars, L"Contrast", 0));
    EXPECT_STREQ(L"Contrast (0%)", text);

    const struct {
        int level;
        const wchar_t* initial;
        const wchar_t* scrolled;
    } cases[] = {{100, L"100%", L"100 %"}, {50, L" 50%", L" 50 %"},  {0, L"  0%", L"  0 %"},
                 {7, L"  7%", L"  7 %"},   {200, L"200%", L"200 %"}, {1234, L"1234%", L"1234 %"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(FormatChannelValueInitial(text, ColorTextChars, c.level));
        EXPECT_STREQ(c.initial, text);
        EXPECT_TRUE(FormatChannelValueScrolled(text, ColorTextChars, c.level));
        EXPECT_STREQ(c.scrolled, text);
    }
}

TEST(ColorTexts, ReadOutNamesRedGreenBlueInThatOrder)
{
    wchar_t text[ColorTextChars];
    EXPECT_TRUE(FormatColorReadout(text, ColorTextChars, 0x00336699u));
    EXPECT_STREQ(L"RGB = (153, 102, 51)", text);
    // The top byte is not part of the colour.
    EXPECT_TRUE(FormatColorReadout(text, ColorTextChars, 0xFF000000u));
    EXPECT_STREQ(L"RGB = (0, 0, 0)", text);
}

TEST(ColorTexts, ATextThatDoesNotFitIsEmptyNotCut)
{
    // The longest name the page loads fits with the largest level.
    const std::wstring longest(255, L'n');
    wchar_t text[ColorTextChars];
    EXPECT_TRUE(FormatLevelLabel(text, ColorTextChars, longest.c_str(), 200));
    EXPECT_EQ(longest + L" (200%)", text);

    wchar_t small[8];
    EXPECT_TRUE(FormatChannelValueScrolled(small, 6, 100));
    EXPECT_STREQ(L"100 %", small);
    EXPECT_FALSE(FormatChannelValueScrolled(small, 5, 100));
    EXPECT_STREQ(L"", small);
    EXPECT_FALSE(FormatChannelValueInitial(small, 4, 100));
    EXPECT_STREQ(L"", small);
    // A name that fits without its number is not shown alone.
    EXPECT_FALSE(FormatLevelLabel(small, 8, L"Bright", 5));
    EXPECT_STREQ(L"", small);
    EXPECT_FALSE(FormatLevelLabel(small, 8, L"Brightness", 5));
    EXPECT_STREQ(L"", small);
    EXPECT_FALSE(FormatColorReadout(small, 8, 0));
    EXPECT_STREQ(L"", small);
}

}  // namespace
