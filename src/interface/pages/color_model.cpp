#include "pages/color_model.h"

#include <string.h>

#include "resources/resource_ids.h"
#include "text/bounded_text.h"

namespace {

/* Empties a text buffer for a text composed whole or not at all; false when
 * there is no room for even the terminator. */
bool StartText(wchar_t* text, size_t capacity)
{
    if (text == nullptr || capacity == 0)
        return false;
    text[0] = 0;
    return true;
}

}  // namespace

const ColorHeadControls ColorHeads[SpotHeadCount] = {
    {IDC_COLOR_HEAD1, IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD1_CHANGE},
    {IDC_COLOR_HEAD2, IDC_COLOR_HEAD2_SWATCH, IDC_COLOR_HEAD2_CHANGE},
    {IDC_COLOR_HEAD3, IDC_COLOR_HEAD3_SWATCH, IDC_COLOR_HEAD3_CHANGE},
    {IDC_COLOR_HEAD4, IDC_COLOR_HEAD4_SWATCH, IDC_COLOR_HEAD4_CHANGE},
};

const ColorSlider ColorSliders[ColorSliderCount] = {
    {IDC_COLOR_RED_SCROLL, IDC_COLOR_RED_VALUE, 0},
    {IDC_COLOR_GREEN_SCROLL, IDC_COLOR_GREEN_VALUE, 0},
    {IDC_COLOR_BLUE_SCROLL, IDC_COLOR_BLUE_VALUE, 0},
    {IDC_COLOR_BRIGHTNESS_SCROLL, IDC_COLOR_BRIGHTNESS_LABEL, IDS_BRIGHTNESS},
    {IDC_COLOR_CONTRAST_SCROLL, IDC_COLOR_CONTRAST_LABEL, IDS_CONTRAST},
};

ColorChoice ColorChoiceFromRecord(const DriverExtra& extra)
{
    ColorChoice choice = {};
    choice.Mode = static_cast<int>(extra.ColorMode);
    choice.InkSet = static_cast<int>(extra.ProcessColorSet);
    choice.OnBack = static_cast<int>(extra.CmyOnBack3Heads);
    choice.Red = extra.RedLevel;
    choice.Green = extra.GreenLevel;
    choice.Blue = extra.BlueLevel;
    choice.Brightness = extra.Brightness;
    choice.Contrast = extra.Contrast;
    for (int head = 0; head < SpotHeadCount; ++head)
        choice.HeadOn[head] = static_cast<int>(extra.SpotHeadEnabled[head]);
    choice.ExactMatch = static_cast<int>(extra.ExactRgbMatch);
    return choice;
}

void StoreColorChoice(const ColorChoice& choice, DriverExtra* extra)
{
    extra->ColorMode = static_cast<uint32_t>(choice.Mode);
    extra->ProcessColorSet = static_cast<uint32_t>(choice.InkSet);
    extra->CmyOnBack3Heads = static_cast<uint32_t>(choice.OnBack);
    extra->RedLevel = static_cast<uint16_t>(choice.Red);
    extra->GreenLevel = static_cast<uint16_t>(choice.Green);
    extra->BlueLevel = static_cast<uint16_t>(choice.Blue);
    extra->Brightness = static_cast<uint16_t>(choice.Brightness);
    extra->Contrast = static_cast<uint16_t>(choice.Contrast);
    for (int head = 0; head < SpotHeadCount; ++head)
        extra->SpotHeadEnabled[head] = static_cast<uint32_t>(choice.HeadOn[head]);
    extra->ExactRgbMatch = static_cast<uint32_t>(choice.ExactMatch);
}

void LoadWorkColors(const DriverExtra& extra, uint32_t spot[SpotHeadCount], uint32_t custom[CustomColorCount])
{
    memcpy(spot, extra.SpotHeadColor, sizeof(extra.SpotHeadColor));
    memcpy(custom, extra.CustomColors, sizeof(extra.CustomColors));
}

void StoreWorkColors(const uint32_t spot[SpotHeadCount], const uint32_t custom[CustomColorCount],
                     DriverExtra* extra)
{
    memcpy(extra->SpotHeadColor, spot, sizeof(extra->SpotHeadColor));
    memcpy(extra->CustomColors, custom, sizeof(extra->CustomColors));
}

int SliderLevel(const ColorChoice& choice, int slider)
{
    const int levels[ColorSliderCount] = {choice.Red, choice.Green, choice.Blue, choice.Brightness,
                                          choice.Contrast};
    return levels[slider];
}

int NextSliderPosition(int request, int current, int tracked)
{
    int next = current;
    switch (request) {
    case ScrollLineLeft:
        next = current - 1;
        break;
    case ScrollLineRight:
        next = current + 1;
        break;
    case ScrollPageLeft:
        next = current - LevelPageStep;
        break;
    case ScrollPageRight:
        next = current + LevelPageStep;
        break;
    case ScrollThumbTrack:
        return tracked;
    default:
        return current;
    }
    if (next < ColorLevelRange.Minimum)
        return ColorLevelRange.Minimum;
    return next > ColorLevelRange.Maximum ? ColorLevelRange.Maximum : next;
}

int SliderOfScrollBar(int scrollBarId)
{
    for (int slider = 0; slider < ColorSliderCount; ++slider)
        if (ColorSliders[slider].ScrollBar == scrollBarId)
            return slider;
    return -1;
}

int ChannelOfScrollBar(int scrollBarId)
{
    const int slider = SliderOfScrollBar(scrollBarId);
    return slider >= 0 && slider < ColorChannelSliderCount ? slider : -1;
}

int HeadOfBox(int controlId)
{
    for (int head = 0; head < SpotHeadCount; ++head)
        if (ColorHeads[head].Box == controlId)
            return head;
    return -1;
}

int HeadOfChangeButton(int controlId)
{
    for (int head = 0; head < SpotHeadCount; ++head)
        if (ColorHeads[head].ChangeButton == controlId)
            return head;
    return -1;
}

int HeadUnderPoint(const ColorRect swatches[SpotHeadCount], ColorPoint point)
{
    for (int head = 0; head < SpotHeadCount; ++head) {
        const ColorRect& swatch = swatches[head];
        if (point.X >= swatch.Left && point.X < swatch.Right && point.Y >= swatch.Top &&
            point.Y < swatch.Bottom)
            return head;
    }
    return -1;
}

bool FormatLevelLabel(wchar_t* text, size_t capacity, const wchar_t* name, int level)
{
    if (!StartText(text, capacity))
        return false;
    // A name that does not fit leaves the text empty; no number is added to it.
    return AppendTextBounded(text, capacity, name) && AppendFormatBounded(text, capacity, " (%d%%)", level);
}

bool FormatChannelValueInitial(wchar_t* text, size_t capacity, int level)
{
    return StartText(text, capacity) && AppendFormatBounded(text, capacity, "%3d%%", level);
}

bool FormatChannelValueScrolled(wchar_t* text, size_t capacity, int level)
{
    return StartText(text, capacity) && AppendFormatBounded(text, capacity, "%3d %%", level);
}

bool FormatColorReadout(wchar_t* text, size_t capacity, uint32_t color)
{
    if (!StartText(text, capacity))
        return false;
    const int red = static_cast<int>(color & 0xFFu);
    const int green = static_cast<int>((color >> 8) & 0xFFu);
    const int blue = static_cast<int>((color >> 16) & 0xFFu);
    return AppendFormatBounded(text, capacity, "RGB = (%d, %d, %d)", red, green, blue);
}
