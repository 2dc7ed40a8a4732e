/*
 * The print settings a label stock may carry: a glossy stock wants a slower
 * speed and more heat, a tag stock a cut after every few labels.  Each
 * setting is optional; a stock carries only those someone gave it.
 *
 * The ranges are those of the settings record's fields.  This floor cannot
 * see the record's table of limits, so they are written out here and the
 * settings floor checks at compile time that both say the same
 * (settings/stock_settings.h).  Platform-neutral.
 */
#ifndef PDR_LABELS_LABEL_SETTINGS_H
#define PDR_LABELS_LABEL_SETTINGS_H

#include <stdint.h>

/* A setting's valid values, both ends included. */
struct LabelSettingRange {
    int32_t Minimum;
    int32_t Maximum;
};

inline constexpr LabelSettingRange StockPrintSpeedRange = {2, 7};
inline constexpr LabelSettingRange StockHeadIntensityRange = {1, 32};
inline constexpr LabelSettingRange StockCutEveryRange = {1, 25000};
inline constexpr LabelSettingRange StockCutOffsetRange = {-1200, 1200};
/* TapeThrift, cutter and pullback: 0 off, 1 on. */
inline constexpr LabelSettingRange StockSwitchRange = {0, 1};

/* The printer's print heads, each with its own intensity. */
constexpr int StockHeadCount = 4;

/* A plain record: a value means something only when its flag is set. */
struct LabelSettings {
    int32_t PrintSpeed;                    /* inches per second */
    int32_t HeadIntensity[StockHeadCount]; /* head 1 to head 4 */
    int32_t TapeThrift;                    /* ribbon saving: 0 off, 1 on */
    int32_t Cutter;                        /* 0 off, 1 on */
    int32_t CutEvery;                      /* labels between cuts */
    int32_t CutOffset;
    int32_t Pullback; /* 0 off, 1 on */
    bool HasPrintSpeed;
    bool HasHeadIntensity;
    bool HasTapeThrift;
    bool HasCutter;
    bool HasCutEvery;
    bool HasCutOffset;
    bool HasPullback;
};

/* How a setting is written in the catalogue file. */
enum class LabelSettingKind {
    Number,   /* a whole JSON number */
    Switch,   /* true or false */
    HeadList, /* an array of StockHeadCount whole numbers */
};

/* One setting: its key in the file's "settings" object, its kind and
 * range, and where LabelSettings keeps it (Value is null for the head
 * list, which is HeadIntensity). */
struct LabelSettingRule {
    const char* Key;
    LabelSettingKind Kind;
    LabelSettingRange Range;
    bool LabelSettings::*Present;
    int32_t LabelSettings::*Value;
};

constexpr int LabelSettingCount = 7;

/* The settings in the order the file writes them: "printSpeed",
 * "headIntensity", "tapeThrift", "cutter", "cutEvery", "cutOffset",
 * "pullback". */
extern const LabelSettingRule LabelSettingRules[LabelSettingCount];

/* True when at least one setting is present. */
bool HasLabelSettings(const LabelSettings& settings);

/* True when `value` lies within `range`, both ends included. */
bool IsInSettingRange(const LabelSettingRange& range, long long value);

/* Each setting present in `changes` replaces the same setting of
 * `settings`; the others stay as they were. */
void MergeLabelSettings(const LabelSettings& changes, LabelSettings* settings);

#endif
