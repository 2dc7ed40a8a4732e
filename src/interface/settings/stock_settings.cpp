#include "settings/stock_settings.h"

#include <string.h>

void ApplyLabelSettings(const LabelSettings& settings, DriverExtra* extra)
{
    if (settings.HasPrintSpeed)
        extra->PrintSpeed = settings.PrintSpeed;
    if (settings.HasHeadIntensity)
        for (int head = 0; head < PrintHeadCount; ++head)
            extra->HeadIntensity[head] = static_cast<uint16_t>(settings.HeadIntensity[head]);
    if (settings.HasTapeThrift)
        extra->TapeThriftEnabled = static_cast<uint32_t>(settings.TapeThrift);
    if (settings.HasCutter)
        extra->CutterEnabled = static_cast<uint32_t>(settings.Cutter);
    if (settings.HasCutEvery)
        extra->CutEvery = settings.CutEvery;
    if (settings.HasCutOffset)
        extra->CutOffset = settings.CutOffset;
    if (settings.HasPullback)
        extra->PullbackEnabled = static_cast<uint32_t>(settings.Pullback);
}

LabelSettings CaptureLabelSettings(const DriverExtra& extra)
{
    LabelSettings settings;
    memset(&settings, 0, sizeof settings);
    settings.PrintSpeed = extra.PrintSpeed;
    settings.HasPrintSpeed = IsInSettingRange(StockPrintSpeedRange, extra.PrintSpeed);
    settings.HasHeadIntensity = true;
    for (int head = 0; head < PrintHeadCount; ++head) {
        settings.HeadIntensity[head] = extra.HeadIntensity[head];
        settings.HasHeadIntensity =
            settings.HasHeadIntensity && IsInSettingRange(StockHeadIntensityRange, extra.HeadIntensity[head]);
    }
    settings.TapeThrift = static_cast<int32_t>(extra.TapeThriftEnabled);
    settings.HasTapeThrift = IsInSettingRange(StockSwitchRange, extra.TapeThriftEnabled);
    settings.Cutter = static_cast<int32_t>(extra.CutterEnabled);
    settings.HasCutter = IsInSettingRange(StockSwitchRange, extra.CutterEnabled);
    settings.CutEvery = extra.CutEvery;
    settings.HasCutEvery = IsInSettingRange(StockCutEveryRange, extra.CutEvery);
    settings.CutOffset = extra.CutOffset;
    settings.HasCutOffset = IsInSettingRange(StockCutOffsetRange, extra.CutOffset);
    settings.Pullback = static_cast<int32_t>(extra.PullbackEnabled);
    settings.HasPullback = IsInSettingRange(StockSwitchRange, extra.PullbackEnabled);
    return settings;
}
