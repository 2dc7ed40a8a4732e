/*
 * The Features page's choice: ribbon saving, the label pullback and its
 * mode, and the cutter with its interval and offset; and which of the
 * page's controls the installed hardware options let the user touch.
 */
#ifndef PDR_PAGES_FEATURES_MODEL_H
#define PDR_PAGES_FEATURES_MODEL_H

#include <stdint.h>

#include "settings/driver_devmode.h"
#include "settings/printer_options.h"

/* The record's pullback modes. */
enum : uint32_t { ManualPullback = 1, AutomaticPullback = 2 };

/* What the page shows and stores, in the record's order. */
struct FeatureChoice {
    uint32_t TapeThriftEnabled; /* 0 off, 1 on */
    uint32_t PullbackEnabled;   /* 0 off, 1 on */
    uint32_t PullbackMode;      /* ManualPullback or AutomaticPullback; shown as Manual when other */
    uint32_t CutterEnabled;     /* 0 off, 1 on */
    int32_t CutEvery;           /* labels between cuts; CutEveryRange when checked */
    int32_t CutOffset;          /* CutOffsetRange when checked */
};

/* The six fields of the record's private part. */
FeatureChoice FeatureChoiceFromRecord(const DriverExtra& extra);

/* Writes the six fields into `extra`; nothing else of the record changes. */
void StoreFeatureChoice(const FeatureChoice& choice, DriverExtra* extra);

/* True when a stored mode shows as Automatic: only AutomaticPullback does. */
bool ShowsAutomaticPullback(uint32_t pullbackMode);

/* The mode the page stores for the state of its Automatic radio (a radio
 * the template lacks reads as unchecked, so such pages store Manual). */
uint32_t PullbackModeFor(bool automaticChecked);

/* Which controls the user may touch.  An option that is not installed
 * locks its check box; an installed one that is switched off locks only
 * the controls that belong to it.  Any option value but 0 counts as
 * installed here. */
struct FeatureEnables {
    bool CutterCheck;   /* "Enable Cutter" */
    bool CutControls;   /* the interval and offset with their texts and spins */
    bool PullbackCheck; /* "Enable Pullback" */
    bool PullbackModes; /* the Manual and Automatic radios */
};
FeatureEnables DecideFeatureEnables(const FeatureChoice& choice, const PrinterOptions& options);

/* The string id of the word after the cut interval: singular for exactly
 * one label, plural for every other number. */
int CutIntervalWordId(int cutEvery);

#endif
