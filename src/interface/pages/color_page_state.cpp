#include "pages/color_page_state.h"

#include <string.h>

#include "resources/resource_ids.h"

static_assert(sizeof(CHOOSECOLORW) == 72, "the chooser record of 64-bit Windows");

const ColorHeadControls ColorHeads[SpotHeadCount] = {
    {IDC_COLOR_HEAD1, IDC_COLOR_HEAD1_SWATCH, IDC_COLOR_HEAD1_CHANGE},
    {IDC_COLOR_HEAD2, IDC_COLOR_HEAD2_SWATCH, IDC_COLOR_HEAD2_CHANGE},
    {IDC_COLOR_HEAD3, IDC_COLOR_HEAD3_SWATCH, IDC_COLOR_HEAD3_CHANGE},
    {IDC_COLOR_HEAD4, IDC_COLOR_HEAD4_SWATCH, IDC_COLOR_HEAD4_CHANGE},
};

const ColorSlider ColorSliders[5] = {
    {IDC_COLOR_RED_SCROLL, IDC_COLOR_RED_VALUE, 0},
    {IDC_COLOR_GREEN_SCROLL, IDC_COLOR_GREEN_VALUE, 0},
    {IDC_COLOR_BLUE_SCROLL, IDC_COLOR_BLUE_VALUE, 0},
    {IDC_COLOR_BRIGHTNESS_SCROLL, IDC_COLOR_BRIGHTNESS_LABEL, IDS_BRIGHTNESS},
    {IDC_COLOR_CONTRAST_SCROLL, IDC_COLOR_CONTRAST_LABEL, IDS_CONTRAST},
};

ColorPageState ColorStateFromRecord(const DriverExtra& extra)
{
    ColorPageState state = {};
    state.Mode = static_cast<int>(extra.ColorMode);
    state.InkSet = static_cast<int>(extra.ProcessColorSet);
    state.OnBack = static_cast<int>(extra.CmyOnBack3Heads);
    state.Red = extra.RedLevel;
    state.Green = extra.GreenLevel;
    state.Blue = extra.BlueLevel;
    state.Brightness = extra.Brightness;
    state.Contrast = extra.Contrast;
    for (int head = 0; head < SpotHeadCount; ++head)
        state.HeadOn[head] = static_cast<int>(extra.SpotHeadEnabled[head]);
    state.ExactMatch = static_cast<int>(extra.ExactRgbMatch);
    return state;
}

void StoreColorState(const ColorPageState& state, DriverExtra* extra)
{
    extra->ColorMode = static_cast<uint32_t>(state.Mode);
    extra->ProcessColorSet = static_cast<uint32_t>(state.InkSet);
    extra->CmyOnBack3Heads = static_cast<uint32_t>(state.OnBack);
    extra->RedLevel = static_cast<uint16_t>(state.Red);
    extra->GreenLevel = static_cast<uint16_t>(state.Green);
    extra->BlueLevel = static_cast<uint16_t>(state.Blue);
    extra->Brightness = static_cast<uint16_t>(state.Brightness);
    extra->Contrast = static_cast<uint16_t>(state.Contrast);
    for (int head = 0; head < SpotHeadCount; ++head)
        extra->SpotHeadEnabled[head] = static_cast<uint32_t>(state.HeadOn[head]);
    extra->ExactRgbMatch = static_cast<uint32_t>(state.ExactMatch);
}

void LoadWorkColors(const DriverExtra& extra, uint32_t spot[SpotHeadCount],
                    uint32_t custom[CustomColorCount])
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

int NextSliderPosition(int code, int current, int tracked)
{
    int next = current;
    switch (code) {
    case SB_LINELEFT: next = current - 1; break;
    case SB_LINERIGHT: next = current + 1; break;
    case SB_PAGELEFT: next = current - LevelPageStep; break;
    case SB_PAGERIGHT: next = current + LevelPageStep; break;
    case SB_THUMBTRACK: return tracked;
    default: return current;
    }
    if (next < LevelMin)
        return LevelMin;
    return next > LevelMax ? LevelMax : next;
}

int SliderOfScrollBar(int scrollBarId)
{
    for (int slider = 0; slider < 5; ++slider)
        if (ColorSliders[slider].ScrollBar == scrollBarId)
            return slider;
    return -1;
}

int ChannelOfScrollBar(int scrollBarId)
{
    const int slider = SliderOfScrollBar(scrollBarId);
    return slider >= 0 && slider < 3 ? slider : -1;
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

int HeadUnderPoint(const RECT swatches[SpotHeadCount], POINT point)
{
    for (int head = 0; head < SpotHeadCount; ++head)
        if (PtInRect(&swatches[head], point))
            return head;
    return -1;
}

/* The buffers hold ColorTextChars: a 255-character name and the longest
 * number fit, so wsprintfW never runs past them. */
void FormatLevelLabel(wchar_t* text, const wchar_t* name, int level)
{
    wsprintfW(text, L"%s (%d%%)", name, level);
}

void FormatChannelValueInitial(wchar_t* text, int level)
{
    wsprintfW(text, L"%3d%%", level);
}

void FormatChannelValueScrolled(wchar_t* text, int level)
{
    wsprintfW(text, L"%3d %%", level);
}

void FormatColorReadout(wchar_t* text, uint32_t color)
{
    wsprintfW(text, L"RGB = (%d, %d, %d)", static_cast<int>(GetRValue(color)),
              static_cast<int>(GetGValue(color)), static_cast<int>(GetBValue(color)));
}

CHOOSECOLORW ColorChooserFor(HWND owner, uint32_t headColor, uint32_t custom[CustomColorCount],
                             const ColorPageState& state)
{
    static_assert(sizeof(uint32_t) == sizeof(COLORREF), "custom colours are COLORREF values");
    CHOOSECOLORW chooser;
    memset(&chooser, 0, sizeof(chooser));
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = headColor;
    chooser.lpCustColors = reinterpret_cast<COLORREF*>(custom);
    chooser.Flags = CC_RGBINIT;
    if (state.ExactMatch == 1)
        chooser.Flags |= CC_FULLOPEN;
    return chooser;
}
