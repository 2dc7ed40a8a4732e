/*
 * The Color page's choices and the decisions taken on them, apart from its
 * controls: the thirteen values the page shows, their trip to and from the
 * settings record, the head and custom colours it edits until apply, slider
 * steps, which slider, channel or head a control or a mouse point belongs
 * to, and the texts the page writes.
 *
 * Control ids are those of resources/resource_ids.h; texts are wide texts
 * composed whole or not at all (text/bounded_text.h), with any string-table
 * text passed in by the caller.
 */
#ifndef PDR_PAGES_COLOR_MODEL_H
#define PDR_PAGES_COLOR_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "pages/scroll_model.h"
#include "settings/driver_devmode.h"
#include "settings/private_field_repairs.h"

/* The two colour modes, as the record's ColorMode holds them. */
enum { ColorModeProcess = 0, ColorModeSpot = 1 };

/* Every head of the printer can print a spot colour of its own. */
enum { SpotHeadCount = PrintHeadCount };

/* The five sliders run over the levels' valid range (ColorLevelRange, the
 * same for all five); a page request moves one this far. */
enum { LevelPageStep = 5 };

/* Between initialisation and apply the controls are the only copy of these
 * values; the page reads them back whenever it needs them.  Every value is
 * as the controls give it: 0 or 1 for the radio pairs and boxes, the scroll
 * position for the levels. */
struct ColorChoice {
    int Mode;   /* ColorModeProcess or ColorModeSpot */
    int InkSet; /* 0 CMY, 1 CMYK */
    int OnBack; /* 1: CMY on the back three heads */
    int Red;    /* the five levels, percent, 100 = unchanged */
    int Green;
    int Blue;
    int Brightness;
    int Contrast;
    int HeadOn[SpotHeadCount]; /* 1: the head prints its spot colour */
    int ExactMatch;            /* 1: exact RGB matching */
};
static_assert(sizeof(ColorChoice) == 13 * sizeof(int), "thirteen values, no more");

/* The controls of one spot head. */
struct ColorHeadControls {
    int Box;          /* its on/off check box */
    int Swatch;       /* the frame its colour is painted in */
    int ChangeButton; /* "Change...", which opens the colour chooser */
};

/* Head 1 first. */
extern const ColorHeadControls ColorHeads[SpotHeadCount];

/* The five sliders, red, green, blue first (the channels, whose scroll bars
 * are drawn in their colour), then brightness and contrast. */
constexpr int ColorSliderCount = 5;
constexpr int ColorChannelSliderCount = 3;

/* One slider: its scroll bar, the text rewritten from its position, and the
 * string-table name that text starts with (0 for the three channel value
 * texts, which show the number only). */
struct ColorSlider {
    int ScrollBar;
    int Text;
    int NameString;
};
extern const ColorSlider ColorSliders[ColorSliderCount];

/* The choice as the record holds it. */
ColorChoice ColorChoiceFromRecord(const DriverExtra& extra);

/* Writes the choice's fields into the record, the levels as 16-bit values;
 * the head colours and custom colours travel separately
 * (StoreWorkColors), and every other field is left alone. */
void StoreColorChoice(const ColorChoice& choice, DriverExtra* extra);

/* The page edits copies of the head and custom colours until apply: these
 * copy them out of the record and back into it, unchanged. */
void LoadWorkColors(const DriverExtra& extra, uint32_t spot[SpotHeadCount],
                    uint32_t custom[CustomColorCount]);
void StoreWorkColors(const uint32_t spot[SpotHeadCount], const uint32_t custom[CustomColorCount],
                     DriverExtra* extra);

/* The level slider `slider` (an index into ColorSliders) shows. */
int SliderLevel(const ColorChoice& choice, int slider);

/* A slider's position after scroll request `request`: one level per line,
 * LevelPageStep per page, kept within ColorLevelRange; the thumb's
 * `tracked` position as it is for ScrollThumbTrack; `current` for any
 * other request. */
int NextSliderPosition(int request, int current, int tracked);

/* Index into ColorSliders of the slider with this scroll bar, or -1 for a
 * control that is none of them. */
int SliderOfScrollBar(int scrollBarId);

/* 0 red, 1 green, 2 blue for the channel scroll bars, else -1. */
int ChannelOfScrollBar(int scrollBarId);

/* The head (0 to SpotHeadCount - 1) whose box or whose "Change..." button
 * this is, else -1. */
int HeadOfBox(int controlId);
int HeadOfChangeButton(int controlId);

/* A rectangle and a point in one coordinate system (the page's, or the
 * screen's): left and top edges inside, right and bottom edges outside. */
struct ColorRect {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
};
struct ColorPoint {
    int32_t X;
    int32_t Y;
};

/* The first head whose swatch rectangle holds the point, or -1 when none
 * does. */
int HeadUnderPoint(const ColorRect swatches[SpotHeadCount], ColorPoint point);

/* Text buffers large enough for any string-table name (255 characters as
 * the page loads them) plus a number. */
enum { ColorTextChars = 300 };

/* The texts below are written whole into `text` (`capacity` characters,
 * terminator included) or, when they do not fit, leave it empty and give
 * false. */

/* "%s (%d%%)": "Brightness (100%)" for the name "Brightness" and level 100. */
bool FormatLevelLabel(wchar_t* text, size_t capacity, const wchar_t* name, int level);

/* A channel's value text, the number right-aligned in three characters:
 * "100%" and " 50%" as the page starts, "100 %" and " 50 %" after a
 * scroll.  Both forms are kept as they have always been shown. */
bool FormatChannelValueInitial(wchar_t* text, size_t capacity, int level);
bool FormatChannelValueScrolled(wchar_t* text, size_t capacity, int level);

/* "RGB = (r, g, b)" of a colour value 0x00BBGGRR, each byte in decimal. */
bool FormatColorReadout(wchar_t* text, size_t capacity, uint32_t color);

#endif
