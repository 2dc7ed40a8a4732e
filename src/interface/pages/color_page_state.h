/*
 * The Color page's choices and the decisions taken on them: the thirteen
 * values read back from the controls, their trip to and from the settings
 * record, slider steps, the texts the page writes, which head a control or
 * a mouse point belongs to, and how the colour chooser is opened.
 */
#ifndef PDR_PAGES_COLOR_PAGE_STATE_H
#define PDR_PAGES_COLOR_PAGE_STATE_H

#include <windows.h>
#include <commdlg.h>

#include "settings/driver_devmode.h"

enum { ColorModeProcess = 0, ColorModeSpot = 1 };
enum { SpotHeadCount = PrintHeadCount };
enum { LevelMin = 0, LevelMax = 200, LevelPageStep = 5 };

/* Between initialisation and apply the controls are the only copy of these
 * values; the page reads them back whenever it needs them. */
struct ColorPageState {
    int Mode;        /* 0 process, 1 spot */
    int InkSet;      /* 0 CMY, 1 CMYK */
    int OnBack;      /* CMY on the back three heads */
    int Red;
    int Green;
    int Blue;
    int Brightness;
    int Contrast;
    int HeadOn[SpotHeadCount];
    int ExactMatch;
};
static_assert(sizeof(ColorPageState) == 13 * sizeof(int), "thirteen values, no more");

/* The controls of one spot head. */
struct ColorHeadControls {
    int Box;
    int Swatch;
    int ChangeButton;
};
extern const ColorHeadControls ColorHeads[SpotHeadCount];

/* The five sliders: scroll bar, the text rewritten from its position, and
 * for Brightness and Contrast the name string that text starts with (0 for
 * the three channel value texts). */
struct ColorSlider {
    int ScrollBar;
    int Text;
    int NameString;
};
extern const ColorSlider ColorSliders[5];

ColorPageState ColorStateFromRecord(const DriverExtra& extra);

/* Writes the state's fields; the head colours and custom colours travel
 * separately (StoreWorkColors). */
void StoreColorState(const ColorPageState& state, DriverExtra* extra);

/* The page edits copies of the head and custom colours until apply. */
void LoadWorkColors(const DriverExtra& extra, uint32_t spot[SpotHeadCount],
                    uint32_t custom[CustomColorCount]);
void StoreWorkColors(const uint32_t spot[SpotHeadCount], const uint32_t custom[CustomColorCount],
                     DriverExtra* extra);

/* A slider's position after a scroll code; tracked is the thumb's position
 * carried by SB_THUMBTRACK. */
int NextSliderPosition(int code, int current, int tracked);

/* Index into ColorSliders, or -1 for a control that is none of them. */
int SliderOfScrollBar(int scrollBarId);

/* 0 red, 1 green, 2 blue for the channel scroll bars, else -1. */
int ChannelOfScrollBar(int scrollBarId);

/* The head (0..3) whose box or whose "Change..." button this is, else -1. */
int HeadOfBox(int controlId);
int HeadOfChangeButton(int controlId);

/* The first head whose swatch rectangle holds the point, edges right and
 * bottom outside; -1 when none does. */
int HeadUnderPoint(const RECT swatches[SpotHeadCount], POINT point);

/* Text buffers large enough for any string-table name plus a number. */
enum { ColorTextChars = 300 };

/* "Brightness (100%)" and the like. */
void FormatLevelLabel(wchar_t* text, const wchar_t* name, int level);
/* "100%" as the page starts, "100 %" after a scroll: both kept as they were
 * always shown. */
void FormatChannelValueInitial(wchar_t* text, int level);
void FormatChannelValueScrolled(wchar_t* text, int level);
/* "RGB = (r, g, b)" of a colour value 0x00BBGGRR. */
void FormatColorReadout(wchar_t* text, uint32_t color);

/* The chooser for one head: starts from the head's colour, edits the custom
 * colours in place, and opens its custom half when exact matching is on. */
CHOOSECOLORW ColorChooserFor(HWND owner, uint32_t headColor, uint32_t custom[CustomColorCount],
                             const ColorPageState& state);

#endif
