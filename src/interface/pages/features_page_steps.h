/* The Features page's steps and decisions, callable on their own by the
 * page's tests. */
#ifndef PDR_PAGES_FEATURES_PAGE_STEPS_H
#define PDR_PAGES_FEATURES_PAGE_STEPS_H

#include "sheet_context/sheet_context.h"

enum : int { MinCutEvery = 1, MaxCutEvery = 25000, MinCutOffset = -1200, MaxCutOffset = 1200 };
enum : uint32_t { ManualPullback = 1, AutomaticPullback = 2 };

/* What the page shows and stores, in the record's order. */
struct FeatureChoice {
    uint32_t TapeThriftEnabled;
    uint32_t PullbackEnabled;
    uint32_t PullbackMode;
    uint32_t CutterEnabled;
    int32_t CutEvery;
    int32_t CutOffset;
};

FeatureChoice ChoiceFromRecord(const DriverExtra& extra);
void StoreFeatureChoice(const FeatureChoice& choice, DriverExtra* extra);

/* Which controls the user may touch.  An option that is not installed
 * locks its check box; an installed one that is switched off locks only
 * the controls that belong to it. */
struct FeatureEnables {
    bool CutterCheck;
    bool CutControls;
    bool PullbackCheck;
    bool PullbackModes;
};
FeatureEnables DecideFeatureEnables(const FeatureChoice& choice, const PrinterOptions& options);

/* The string after the cut interval: singular for exactly one label. */
int CutIntervalWordId(int cutEvery);

void ShowFeatureChoice(HWND page, const FeatureChoice& choice, const PrinterOptions& options);

/* Reads every control into `choice`.  With `checkRanges`, a number out of
 * range is told to the user, the focus goes to its edit and 0 comes back;
 * the interval is tested first, so only one failure is ever told. */
int ReadFeatureControls(HWND page, FeatureChoice* choice, bool checkRanges);

void ShowCutIntervalWord(HWND page);

#endif
