/*
 * The Halftone page's choice and the decisions the page takes about it,
 * apart from its controls: the five halftone fields and their trip to and
 * from the settings record, reading a choice from the states of the
 * controls, which controls a method uses, which sample picture shows it,
 * how the two step bars move, and the texts of the two steps.
 *
 * Control, picture and string ids are those of resources/resource_ids.h.
 */
#ifndef PDR_PAGES_HALFTONE_MODEL_H
#define PDR_PAGES_HALFTONE_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "pages/scroll_model.h"
#include "settings/driver_devmode.h"
#include "settings/private_field_repairs.h"

/* The screening methods, as the record's HalftoneMethod holds them. */
enum : uint32_t {
    HalftoneFine = 0,
    HalftoneMedium = 1,
    HalftoneCoarse = 2,
    HalftoneErrorDiffusion = 3,
    HalftonePhotographic = 4,
    HalftoneOptimum = 5,
    HalftoneMethodCount = 6,
};

/* The speed or quality of error diffusion (DiffusionQuality). */
enum : uint32_t { DiffusionFast = 0, DiffusionBest = 1 };

/* Highest step of each bar: the largest valid value of its field.  Both
 * bars start at step 0. */
inline constexpr int SharpnessLastStep = PrivateFieldRange(offsetof(DriverExtra, Sharpness)).Maximum;
inline constexpr int HalftoneIntensityLastStep =
    PrivateFieldRange(offsetof(DriverExtra, HalftoneIntensity)).Maximum;
static_assert(PrivateFieldRange(offsetof(DriverExtra, Sharpness)).Minimum == 0 &&
                  PrivateFieldRange(offsetof(DriverExtra, HalftoneIntensity)).Minimum == 0,
              "the step bars start at 0");

/* The five halftone fields of the record, in the record's order. */
struct HalftoneChoice {
    uint32_t Method;    /* HalftoneFine .. HalftoneOptimum */
    uint32_t Quality;   /* DiffusionFast or DiffusionBest, for error diffusion */
    uint32_t Smoothing; /* 1: smoothing filter on, for the three ordered screens */
    uint32_t Sharpness; /* step 0 .. SharpnessLastStep, for photographic */
    uint32_t Intensity; /* step 0 .. HalftoneIntensityLastStep, for photographic */
};

/* The choice as the record holds it. */
HalftoneChoice HalftoneChoiceFromRecord(const DriverExtra& extra);

/* Writes the five fields into the record; every other field is left alone. */
void StoreHalftoneChoice(const HalftoneChoice& choice, DriverExtra* extra);

/* The method radio buttons, indexed by method. */
extern const int HalftoneMethodRadios[HalftoneMethodCount];

/* What the page's controls show: the check of each method radio (indexed
 * by method), of the smoothing box and of the two quality radios, and the
 * two bars' positions. */
struct HalftoneControlStates {
    bool MethodChecked[HalftoneMethodCount];
    bool SmoothingChecked;
    bool FastChecked;
    bool BestChecked;
    int SharpnessPosition;
    int IntensityPosition;
};

/* The choice the controls show, starting from `stored` (the record's): a
 * value whose radio buttons are all unchecked keeps the stored value (a
 * page opened in spot mode has no method checked), and of two checked radio
 * buttons the later one wins (methods in their order, Best over Fast).  The
 * smoothing value and both steps always come from the controls. */
HalftoneChoice HalftoneChoiceFromControls(const HalftoneChoice& stored,
                                          const HalftoneControlStates& controls);

/* The method the page checks for `method`: Medium for one outside the six. */
uint32_t ShownHalftoneMethod(uint32_t method);

/* The quality the page checks for `quality`: Fast for one that is neither
 * Fast nor Best. */
uint32_t ShownDiffusionQuality(uint32_t quality);

/* Which of the method-dependent controls a method leaves usable. */
struct HalftoneEnableRule {
    bool Smoothing;  /* "&Smoothing filter" */
    bool Quality;    /* "Fa&st" and "&Best" */
    bool PhotoSteps; /* the sharpness and intensity bars with their texts */
};

/* The rule of a method; a method outside the six gets Medium's. */
HalftoneEnableRule HalftoneEnableRuleFor(uint32_t method);

/* True for the controls whose click changes the sample picture: the six
 * method radios and the two quality radios (not the smoothing box). */
bool RepaintsSample(int controlId);

/* The bitmap that shows a choice: the spot notice whenever the sheet is in
 * spot colour mode (any live mode but 0), otherwise by method (Medium's for
 * one outside the six) and, for Photographic, by the intensity step (a step
 * beyond the last shows the last). */
int HalftoneSamplePicture(const HalftoneChoice& choice, uint32_t liveColorMode);

/* The last step of the bar with this scroll bar id (the sharpness or the
 * intensity bar), or -1 for any other control. */
int HalftoneStepBarLastStep(int scrollBarId);

/* The new position of a step bar after scroll request `request`: line and
 * page requests alike move by one step within 0..lastStep, tracking gives
 * the thumb's position as it is, anything else leaves the position. */
int NextHalftoneStep(int request, int position, int thumbPosition, int lastStep);

/* The percentage shown for each sharpness step. */
extern const int SharpnessPercent[SharpnessLastStep + 1];

/* The sharpness text, "%d %%" of the step's percentage ("50 %"); a step
 * beyond the table shows the last entry.  Written whole into `text`
 * (`capacity` characters, terminator included) or, when it does not fit,
 * left empty with false. */
bool FormatSharpnessText(uint32_t step, wchar_t* text, size_t capacity);

/* The string id of an intensity step's text: Low, Med, and High for every
 * later step. */
int HalftoneIntensityTextId(uint32_t step);

#endif
