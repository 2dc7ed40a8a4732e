/* The Features page's choice and what the installed options let the user
 * touch. */
#include <gtest/gtest.h>

#include <string.h>

#include "pages/features_model.h"
#include "resources/resource_ids.h"
#include "settings/devmode_ops.h"

namespace {

FeatureChoice Switches(uint32_t cutterOn, uint32_t pullbackOn)
{
    FeatureChoice choice = {};
    choice.CutterEnabled = cutterOn;
    choice.PullbackEnabled = pullbackOn;
    return choice;
}

TEST(FeatureEnableRules, AnOptionNotInstalledLocksItsCheckAndItsControls)
{
    for (uint32_t on : {0u, 1u}) {
        const FeatureEnables enables = DecideFeatureEnables(Switches(on, on), PrinterOptions{0, 0});
        EXPECT_FALSE(enables.CutterCheck) << on;
        EXPECT_FALSE(enables.CutControls) << on;
        EXPECT_FALSE(enables.PullbackCheck) << on;
        EXPECT_FALSE(enables.PullbackModes) << on;
    }
}

TEST(FeatureEnableRules, AnInstalledOptionLocksOnlyWhatItsSwitchTurnsOff)
{
    FeatureEnables enables = DecideFeatureEnables(Switches(0, 0), PrinterOptions{1, 1});
    EXPECT_TRUE(enables.CutterCheck);
    EXPECT_FALSE(enables.CutControls);
    EXPECT_TRUE(enables.PullbackCheck);
    EXPECT_FALSE(enables.PullbackModes);

    // Each option follows its own switch and its own installation.
    enables = DecideFeatureEnables(Switches(1, 1), PrinterOptions{0, 1});
    EXPECT_TRUE(enables.CutterCheck);
    EXPECT_TRUE(enables.CutControls);
    EXPECT_FALSE(enables.PullbackCheck);
    EXPECT_FALSE(enables.PullbackModes);

    enables = DecideFeatureEnables(Switches(1, 1), PrinterOptions{1, 0});
    EXPECT_FALSE(enables.CutterCheck);
    EXPECT_FALSE(enables.CutControls);
    EXPECT_TRUE(enables.PullbackCheck);
    EXPECT_TRUE(enables.PullbackModes);
}

TEST(FeatureCutWord, SingularOnlyForExactlyOne)
{
    EXPECT_EQ(IDS_CUT_WORD_ONE, CutIntervalWordId(1));
    for (int other : {0, 2, -1, 25000})
        EXPECT_EQ(IDS_CUT_WORD_MANY, CutIntervalWordId(other)) << other;
}

TEST(FeatureChoiceRecord, TheSixFieldsRoundTripAndNothingElseChanges)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    const DriverExtra before = record.Extra;
    const FeatureChoice choice = {0, 1, 2, 1, 25000, -1200};
    StoreFeatureChoice(choice, &record.Extra);
    const FeatureChoice back = FeatureChoiceFromRecord(record.Extra);
    EXPECT_EQ(0, memcmp(&choice, &back, sizeof(FeatureChoice)));

    DriverExtra expected = before;
    expected.TapeThriftEnabled = 0;
    expected.PullbackEnabled = 1;
    expected.PullbackMode = 2;
    expected.CutterEnabled = 1;
    expected.CutEvery = 25000;
    expected.CutOffset = -1200;
    EXPECT_EQ(0, memcmp(&expected, &record.Extra, sizeof(DriverExtra)));
}

}  // namespace
