#include "pages/features_model.h"

#include "resources/resource_ids.h"

FeatureChoice FeatureChoiceFromRecord(const DriverExtra& extra)
{
    return FeatureChoice{extra.TapeThriftEnabled, extra.PullbackEnabled, extra.PullbackMode,
                         extra.CutterEnabled,     extra.CutEvery,        extra.CutOffset};
}

void StoreFeatureChoice(const FeatureChoice& choice, DriverExtra* extra)
{
    extra->TapeThriftEnabled = choice.TapeThriftEnabled;
    extra->PullbackEnabled = choice.PullbackEnabled;
    extra->PullbackMode = choice.PullbackMode;
    extra->CutterEnabled = choice.CutterEnabled;
    extra->CutEvery = choice.CutEvery;
    extra->CutOffset = choice.CutOffset;
}

bool ShowsAutomaticPullback(uint32_t pullbackMode)
{
    return pullbackMode == AutomaticPullback;
}

uint32_t PullbackModeFor(bool automaticChecked)
{
    return automaticChecked ? AutomaticPullback : ManualPullback;
}

FeatureEnables DecideFeatureEnables(const FeatureChoice& choice, const PrinterOptions& options)
{
    FeatureEnables enables;
    enables.CutterCheck = options.Cutter != 0;
    enables.CutControls = options.Cutter != 0 && choice.CutterEnabled != 0;
    enables.PullbackCheck = options.Pullback != 0;
    enables.PullbackModes = options.Pullback != 0 && choice.PullbackEnabled != 0;
    return enables;
}

int CutIntervalWordId(int cutEvery)
{
    return cutEvery == 1 ? IDS_CUT_WORD_ONE : IDS_CUT_WORD_MANY;
}
