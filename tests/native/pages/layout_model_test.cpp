/* The Layout page's choice: which count it shows, storing a count into
 * both copy fields, and the copies error's text. */
#include <gtest/gtest.h>

#include "pages/layout_model.h"
#include "settings/devmode_ops.h"

namespace {

const wchar_t CopiesMessage[] = L"Invalid Number of Copies\nValid range: 1 - 25000";
/* The English strings the page loads for the message. */
const wchar_t InvalidCopiesString[] = L"Invalid Number of Copies";
const wchar_t ValidRangeString[] = L"Valid range:";

DriverDevMode RecordWithCounts(uint32_t alwaysUseDriverSetting)
{
    DriverDevMode record;
    BuildDefaultDevMode(&record, nullptr);
    record.Public.dmCopies = 10;
    record.Extra.DriverCopies = 3;
    record.Extra.AlwaysUseDriverSetting = alwaysUseDriverSetting;
    return record;
}

TEST(LayoutCopiesMessage, IsCutToItsBuffer)
{
    wchar_t body[256];
    FormatCopiesError(body, 256, InvalidCopiesString, ValidRangeString);
    EXPECT_STREQ(CopiesMessage, body);
    wchar_t shortBody[12];
    FormatCopiesError(shortBody, 12, InvalidCopiesString, ValidRangeString);
    EXPECT_STREQ(L"Invalid Num", shortBody);
}

TEST(LayoutCopiesMessage, MissingStringsLeaveTheirSeparators)
{
    wchar_t body[256] = L"old";
    FormatCopiesError(body, 256, L"", nullptr);
    EXPECT_STREQ(L"\n 1 - 25000", body);
}

TEST(LayoutChoiceRecord, TheFlagChoosesTheCountShown)
{
    EXPECT_EQ(3, CopiesToShow(RecordWithCounts(1)));
    EXPECT_EQ(10, CopiesToShow(RecordWithCounts(0)));

    DriverDevMode record = RecordWithCounts(1);
    record.Public.dmOrientation = OrientationLandscape;
    LayoutChoice choice = LayoutChoiceFromRecord(record);
    EXPECT_TRUE(choice.Landscape);
    EXPECT_TRUE(choice.AlwaysUseDriverSetting);
    EXPECT_EQ(3, choice.Copies);

    // Any orientation but landscape shows as portrait.
    record.Public.dmOrientation = 7;
    record.Extra.AlwaysUseDriverSetting = 0;
    choice = LayoutChoiceFromRecord(record);
    EXPECT_FALSE(choice.Landscape);
    EXPECT_FALSE(choice.AlwaysUseDriverSetting);
    EXPECT_EQ(10, choice.Copies);
}

TEST(LayoutChoiceRecord, ACountIsStoredIntoBothFieldsOrNeither)
{
    DriverDevMode record = RecordWithCounts(0);
    for (int bad : {0, -5, 25001, 65536 + 7}) {
        EXPECT_FALSE(StoreValidCopies(bad, &record)) << bad;
        EXPECT_EQ(10, record.Public.dmCopies) << bad;
        EXPECT_EQ(3, record.Extra.DriverCopies) << bad;
    }
    for (int good : {1, 250, 25000}) {
        EXPECT_TRUE(StoreValidCopies(good, &record)) << good;
        EXPECT_EQ(good, record.Public.dmCopies) << good;
        EXPECT_EQ(good, record.Extra.DriverCopies) << good;
    }
}

TEST(LayoutChoiceRecord, OrientationAndFlagLeaveTheCountsAlone)
{
    DriverDevMode record = RecordWithCounts(0);
    StoreOrientationAndFlag(true, true, &record);
    EXPECT_EQ(OrientationLandscape, record.Public.dmOrientation);
    EXPECT_EQ(1u, record.Extra.AlwaysUseDriverSetting);
    StoreOrientationAndFlag(false, false, &record);
    EXPECT_EQ(OrientationPortrait, record.Public.dmOrientation);
    EXPECT_EQ(0u, record.Extra.AlwaysUseDriverSetting);
    EXPECT_EQ(10, record.Public.dmCopies);
    EXPECT_EQ(3, record.Extra.DriverCopies);
}

}  // namespace
