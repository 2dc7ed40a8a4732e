/* The Intensity & Speed page's choice: heads and speed between the record
 * and the page, and the speed list. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "pages/intensity_model.h"
#include "settings/devmode_ops.h"

namespace {

TEST(IntensitySpeed, NoSelectionKeepsTheCurrentSpeed)
{
    EXPECT_EQ(2, SpeedFromSelection(0, 3));
    EXPECT_EQ(7, SpeedFromSelection(5, 3));
    EXPECT_EQ(3, SpeedFromSelection(NoSpeedSelection, 3));
    EXPECT_EQ(4, SpeedFromSelection(6, 4));
}

TEST(IntensitySpeed, ListHoldsTwoToSevenAndSelectsTheSpeed)
{
    ASSERT_EQ(6, SpeedListCount());
    for (int index = 0; index < SpeedListCount(); ++index) {
        wchar_t text[8] = L"x";
        FormatSpeedListText(index, text, 8);
        EXPECT_EQ(std::to_wstring(index + 2), text);
        EXPECT_EQ(index, SpeedListIndex(static_cast<uint16_t>(index + 2)));
        EXPECT_EQ(index + 2, SpeedFromSelection(index, 3));
    }
}

TEST(IntensityChoiceRecord, SpeedIsReadAsSixteenBitsAndStoredAsThirtyTwo)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    const uint16_t heads[] = {1, 32, 10, 17};
    for (int head = 0; head < PrintHeadCount; ++head)
        record.Extra.HeadIntensity[head] = heads[head];
    record.Extra.PrintSpeed = 0x00010005;
    const DriverExtra before = record.Extra;

    IntensityChoice choice = IntensityChoiceFromRecord(record.Extra);
    for (int head = 0; head < PrintHeadCount; ++head)
        EXPECT_EQ(heads[head], choice.HeadIntensity[head]) << head;
    EXPECT_EQ(5, choice.PrintSpeed);

    choice.HeadIntensity[3] = 2;
    StoreIntensityChoice(choice, &record.Extra);
    EXPECT_EQ(5, record.Extra.PrintSpeed);
    EXPECT_EQ(2, record.Extra.HeadIntensity[3]);
    // Nothing but the five fields changes.
    DriverExtra expected = before;
    expected.PrintSpeed = 5;
    expected.HeadIntensity[3] = 2;
    EXPECT_EQ(0, memcmp(&expected, &record.Extra, sizeof(DriverExtra)));
}

}  // namespace
