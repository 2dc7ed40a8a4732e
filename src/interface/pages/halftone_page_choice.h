/*
 * The Halftone page's choice and the decisions the page takes about it:
 * which controls a method uses, which sample picture shows it, how the two
 * step bars move.  The decisions are plain functions so that they can be
 * checked without a sheet.
 */
#ifndef PDR_PAGES_HALFTONE_PAGE_CHOICE_H
#define PDR_PAGES_HALFTONE_PAGE_CHOICE_H

#include <windows.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

enum : uint32_t {
    HalftoneFine = 0,
    HalftoneMedium = 1,
    HalftoneCoarse = 2,
    HalftoneErrorDiffusion = 3,
    HalftonePhotographic = 4,
    HalftoneOptimum = 5,
    HalftoneMethodCount = 6,
};

enum : uint32_t { DiffusionFast = 0, DiffusionBest = 1 };

/* Highest step of each bar; both start at 0. */
enum : int { SharpnessLastStep = 4, HalftoneIntensityLastStep = 2 };

/* The five halftone fields of the record, in the record's order. */
struct HalftoneChoice {
    uint32_t Method;
    uint32_t Quality;
    uint32_t Smoothing;
    uint32_t Sharpness;
    uint32_t Intensity;
};

/* The percentage shown for each sharpness step. */
extern const int SharpnessPercent[SharpnessLastStep + 1];

/* Which of the method-dependent controls a method leaves usable. */
struct HalftoneEnableRule {
    bool Smoothing;   /* "&Smoothing filter" */
    bool Quality;     /* "Fa&st" and "&Best" */
    bool PhotoSteps;  /* the sharpness and intensity bars with their texts */
};

/* The rule of a method; a method outside the six gets Medium's. */
HalftoneEnableRule HalftoneEnableRuleFor(uint32_t method);

/* The bitmap that shows a choice: the spot notice whenever the sheet is in
 * spot colour mode, otherwise by method and, for Photographic, by the
 * intensity step. */
int HalftoneSamplePicture(const HalftoneChoice& choice, uint32_t liveColorMode);

/* The new position of a step bar after a WM_HSCROLL request: arrows and
 * page requests move by one step within 0..lastStep, tracking follows the
 * thumb, anything else leaves it. */
int NextHalftoneStep(int request, int position, int thumbPosition, int lastStep);

/* The sharpness text, "%d %%" of the step's percentage.  A step beyond the
 * table shows the last entry. */
void FormatSharpnessText(uint32_t step, wchar_t* text, int capacity);

/* The string id of an intensity step's text: Low, Med, High for the rest. */
int HalftoneIntensityTextId(uint32_t step);

HalftoneChoice HalftoneChoiceFromRecord(const DriverExtra& extra);
void StoreHalftoneChoice(const HalftoneChoice& choice, DriverExtra* extra);

/* The page's steps, each on the page's window. */
HalftoneChoice ReadHalftoneControls(HWND page);
void ShowHalftoneChoice(HWND page, HalftoneChoice* choice, uint32_t colorMode);
void ShowHalftoneValueTexts(HWND page, uint32_t sharpnessStep, uint32_t intensityStep);
void InvalidateSamplePicture(HWND page, bool erase);

#endif
