/*
 * A label stock's print settings and the settings record: putting a stock's
 * settings into a record when a user picks the stock, and taking a record's
 * values as the settings a stock is to carry.  Only a user's pick applies a
 * stock's settings: merges, capability answers and job checks never do.
 */
#ifndef PDR_SETTINGS_STOCK_SETTINGS_H
#define PDR_SETTINGS_STOCK_SETTINGS_H

#include "labels/label_settings.h"
#include "settings/driver_devmode.h"
#include "settings/private_field_repairs.h"

/* The catalogue keeps its own copy of the ranges; they must be the record's. */
constexpr bool SameRange(const LabelSettingRange& stock, const FieldRange& record)
{
    return stock.Minimum == record.Minimum && stock.Maximum == record.Maximum;
}

static_assert(SameRange(StockPrintSpeedRange, PrintSpeedRange), "a stock's speed is a record's speed");
static_assert(SameRange(StockHeadIntensityRange, HeadIntensityRange), "a stock's heat is a record's heat");
static_assert(SameRange(StockCutEveryRange, CutEveryRange), "a stock's cut interval is a record's");
static_assert(SameRange(StockCutOffsetRange, CutOffsetRange), "a stock's cut offset is a record's");
static_assert(SameRange(StockSwitchRange, PrivateFieldRange(offsetof(DriverExtra, TapeThriftEnabled))) &&
                  SameRange(StockSwitchRange, PrivateFieldRange(offsetof(DriverExtra, CutterEnabled))) &&
                  SameRange(StockSwitchRange, PrivateFieldRange(offsetof(DriverExtra, PullbackEnabled))),
              "a stock's switches are the record's");
static_assert(StockHeadCount == PrintHeadCount, "a stock sets every print head");

/* Writes each setting present in `settings` into its field of `extra`
 * (PrintSpeed, HeadIntensity, TapeThriftEnabled, CutterEnabled, CutEvery,
 * CutOffset, PullbackEnabled); every other field, PullbackMode included,
 * stays as it was. */
void ApplyLabelSettings(const LabelSettings& settings, DriverExtra* extra);

/* The seven settings as `extra` holds them, each present when its value
 * lies within its range (so what a stock keeps is always valid). */
LabelSettings CaptureLabelSettings(const DriverExtra& extra);

#endif
