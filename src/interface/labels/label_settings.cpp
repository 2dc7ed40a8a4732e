#include "labels/label_settings.h"

const LabelSettingRule LabelSettingRules[LabelSettingCount] = {
    {"printSpeed", LabelSettingKind::Number, StockPrintSpeedRange, &LabelSettings::HasPrintSpeed,
     &LabelSettings::PrintSpeed},
    {"headIntensity", LabelSettingKind::HeadList, StockHeadIntensityRange, &LabelSettings::HasHeadIntensity,
     nullptr},
    {"tapeThrift", LabelSettingKind::Switch, StockSwitchRange, &LabelSettings::HasTapeThrift,
     &LabelSettings::TapeThrift},
    {"cutter", LabelSettingKind::Switch, StockSwitchRange, &LabelSettings::HasCutter, &LabelSettings::Cutter},
    {"cutEvery", LabelSettingKind::Number, StockCutEveryRange, &LabelSettings::HasCutEvery,
     &LabelSettings::CutEvery},
    {"cutOffset", LabelSettingKind::Number, StockCutOffsetRange, &LabelSettings::HasCutOffset,
     &LabelSettings::CutOffset},
    {"pullback", LabelSettingKind::Switch, StockSwitchRange, &LabelSettings::HasPullback,
     &LabelSettings::Pullback},
};

bool HasLabelSettings(const LabelSettings& settings)
{
    for (const LabelSettingRule& rule : LabelSettingRules)
        if (settings.*rule.Present)
            return true;
    return false;
}

bool IsInSettingRange(const LabelSettingRange& range, long long value)
{
    return value >= range.Minimum && value <= range.Maximum;
}

void MergeLabelSettings(const LabelSettings& changes, LabelSettings* settings)
{
    for (const LabelSettingRule& rule : LabelSettingRules) {
        if (!(changes.*rule.Present))
            continue;
        settings->*rule.Present = true;
        if (rule.Value != nullptr) {
            settings->*rule.Value = changes.*rule.Value;
            continue;
        }
        for (int head = 0; head < StockHeadCount; ++head)
            settings->HeadIntensity[head] = changes.HeadIntensity[head];
    }
}
