#include <gtest/gtest.h>
#include <string.h>

#include "merge_test_support.h"
#include "settings/devmode_merge.h"
#include "settings/fallback_paper.h"

namespace {

TEST(UsablePaper, TheDefaultsGetTheFallbackPaperAsAMergeGivesIt)
{
    DriverDevMode record = DefaultRecord(u"PDR-7300 Zr");
    GiveRecordAUsablePaper(&record);
    EXPECT_EQ(256, record.Public.dmPaperSize);
    EXPECT_EQ(u"Default", FormName(record));
    EXPECT_EQ(1016, record.Public.dmPaperWidth);
    EXPECT_EQ(1524, record.Public.dmPaperLength);
    EXPECT_EQ(0x00015B0Fu, record.Public.dmFields);

    // Merging the raw defaults into the defaults gives the very same record.
    DriverDevMode merged = DefaultRecord(u"PDR-7300 Zr");
    const DriverDevMode incoming = DefaultRecord();
    ASSERT_TRUE(MergeDevMode(&merged, &incoming));
    EXPECT_EQ(0, memcmp(&merged, &record, sizeof record));
}

TEST(UsablePaper, PaperWithoutAUsableSizeGetsTheFallbackWhateverElseItHolds)
{
    const int16_t sizes[][2] = {{0, 1524}, {1016, 0}, {-5, 800}, {500, -1}, {0, 0}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size[0]);
        DriverDevMode record = DefaultRecord();
        record.Public.dmPaperWidth = size[0];
        record.Public.dmPaperLength = size[1];
        record.Public.dmFields = 0x1;
        record.Extra.PrintSpeed = 6;
        DriverDevMode expected = record;
        expected.Public.dmPaperWidth = 1016;
        expected.Public.dmPaperLength = 1524;
        memset(expected.Public.dmFormName, 0, sizeof expected.Public.dmFormName);
        memcpy(expected.Public.dmFormName, u"Default", sizeof u"Default");
        expected.Public.dmFields = 0x0001000F;
        GiveRecordAUsablePaper(&record);
        EXPECT_EQ(0, memcmp(&expected, &record, sizeof record));
    }
}

TEST(UsablePaper, OtherRecordsAreLeftAsTheyAre)
{
    DriverDevMode userSize = DefaultRecord();
    userSize.Public.dmPaperWidth = 500;
    userSize.Public.dmPaperLength = 800;
    DriverDevMode label = DefaultRecord();
    label.Public.dmPaperSize = 300;
    DriverDevMode standard = DefaultRecord();
    standard.Public.dmPaperSize = 9;
    DriverDevMode olderLayout = DefaultRecord();
    olderLayout.Public.dmSize = PublicPartSizeNt4;
    DriverDevMode otherPrivateSize = DefaultRecord();
    otherPrivateSize.Public.dmDriverExtra = OldDriverExtraSize;
    for (const DriverDevMode* record : {&userSize, &label, &standard, &olderLayout, &otherPrivateSize}) {
        DriverDevMode after = *record;
        GiveRecordAUsablePaper(&after);
        EXPECT_EQ(0, memcmp(record, &after, sizeof after));
    }
}

}  // namespace
