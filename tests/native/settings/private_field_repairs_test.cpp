#include <gtest/gtest.h>
#include <stddef.h>
#include <string.h>

#include "merge_test_support.h"
#include "settings/devmode_bytes.h"
#include "settings/devmode_merge.h"
#include "settings/private_field_repairs.h"

namespace {

/* The valid ranges of the private part, written out from the record's
   definition independently of the repair table. */
struct Expected {
    const char* name;
    size_t offset;
    unsigned width;
    bool isSigned;
    int64_t minimum, maximum, replacement;
};

#define AT(field) #field, offsetof(DriverExtra, field)
const Expected Fields[] = {
    {AT(HorizontalOffset), 4, true, -1200, 1200, 0},
    {AT(VerticalOffset), 4, true, -1200, 1200, 0},
    {AT(ProcessColorSet), 4, false, 0, 1, 0},
    {AT(Option20), 4, false, 0, 1, 1},
    {AT(Option24), 4, false, 0, 3, 0},
    {AT(Option28), 4, false, 0, 1, 0},
    {AT(Option32), 4, false, 0, 1, 0},
    {AT(PrintSpeed), 4, true, 2, 7, 3},
    {AT(HalftoneMethod), 4, false, 0, 5, 5},
    {AT(DiffusionQuality), 4, false, 0, 1, 1},
    {AT(SmoothingFilter), 4, false, 0, 1, 0},
    {AT(Sharpness), 4, false, 0, 4, 4},
    {AT(HalftoneIntensity), 4, false, 0, 2, 1},
    {AT(ColorMode), 4, false, 0, 1, 0},
    {AT(HeadIntensity[0]), 2, false, 1, 32, 10},
    {AT(HeadIntensity[1]), 2, false, 1, 32, 10},
    {AT(HeadIntensity[2]), 2, false, 1, 32, 10},
    {AT(HeadIntensity[3]), 2, false, 1, 32, 10},
    {AT(TapeThriftEnabled), 4, false, 0, 1, 1},
    {AT(PullbackEnabled), 4, false, 0, 1, 0},
    {AT(CutterEnabled), 4, false, 0, 1, 0},
    {AT(CutEvery), 4, true, 1, 25000, 1},
    {AT(CutOffset), 4, true, -1200, 1200, 0},
    {AT(Brightness), 2, false, 0, 200, 100},
    {AT(Contrast), 2, false, 0, 200, 100},
    {AT(RedLevel), 2, false, 0, 200, 100},
    {AT(GreenLevel), 2, false, 0, 200, 100},
    {AT(BlueLevel), 2, false, 0, 200, 100},
    {AT(CmyOnBack3Heads), 4, false, 0, 1, 0},
    {AT(SpotHeadEnabled[0]), 4, false, 0, 1, 1},
    {AT(SpotHeadEnabled[1]), 4, false, 0, 1, 1},
    {AT(SpotHeadEnabled[2]), 4, false, 0, 1, 1},
    {AT(SpotHeadEnabled[3]), 4, false, 0, 1, 1},
    {AT(ExactRgbMatch), 4, false, 0, 1, 0},
    {AT(Option212), 4, true, -2, 2, 2},
    {AT(AlwaysUseDriverSetting), 4, false, 0, 1, 0},
    {AT(DriverCopies), 2, true, 1, 25000, 1},
};
#undef AT

void Put(DriverExtra& extra, const Expected& field, int64_t value)
{
    if (field.width == 2)
        StoreU16(&extra, field.offset, static_cast<uint16_t>(value));
    else
        StoreU32(&extra, field.offset, static_cast<uint32_t>(value));
}

int64_t Get(const DriverExtra& extra, const Expected& field)
{
    if (field.width == 2) {
        uint16_t raw = LoadU16(&extra, field.offset);
        return field.isSigned ? static_cast<int16_t>(raw) : raw;
    }
    uint32_t raw = LoadU32(&extra, field.offset);
    return field.isSigned ? static_cast<int32_t>(raw) : static_cast<int64_t>(raw);
}

/* The incoming value as the field's own type holds it. */
int64_t AsStored(const Expected& field, int64_t value)
{
    DriverExtra extra;
    memset(&extra, 0, sizeof extra);
    Put(extra, field, value);
    return Get(extra, field);
}

int64_t MergedValue(const Expected& field, int64_t incomingValue)
{
    DriverDevMode incoming = DefaultRecord();
    Put(incoming.Extra, field, incomingValue);
    DriverDevMode target = DefaultRecord();
    CatalogueLabels labels = LoadedLabels({});
    EXPECT_EQ(1, MergeDevModeWithLabels(&target, &incoming, &labels));
    return Get(target.Extra, field);
}

TEST(PrivateFieldRepairs, EveryFieldKeepsBothEndsAndRepairsJustBeyond)
{
    for (const Expected& field : Fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(field.minimum, MergedValue(field, field.minimum));
        EXPECT_EQ(field.maximum, MergedValue(field, field.maximum));
        EXPECT_EQ(field.replacement, MergedValue(field, field.minimum - 1));
        EXPECT_EQ(field.replacement, MergedValue(field, field.maximum + 1));
    }
}

TEST(PrivateFieldRepairs, SignednessDecidesWhatTheTopBitMeans)
{
    // All bits set is -1 to a signed field and the largest value to an
    // unsigned one; the top bit alone is the most negative or a huge value.
    for (const Expected& field : Fields) {
        SCOPED_TRACE(field.name);
        for (int64_t raw : {int64_t{0xFFFFFFFF}, int64_t{0x80000000}, int64_t{0x8000}, int64_t{0x7FFF}}) {
            SCOPED_TRACE(raw);
            const int64_t value = AsStored(field, raw);
            const bool valid = value >= field.minimum && value <= field.maximum;
            EXPECT_EQ(valid ? value : field.replacement, MergedValue(field, raw));
        }
    }
}

TEST(PrivateFieldRepairs, TheTableCoversExactlyTheCheckedFields)
{
    size_t covered = 0;
    for (size_t r = 0; r < PrivateFieldRuleCount; ++r)
        covered += PrivateFieldRules[r].Count;
    EXPECT_EQ(sizeof Fields / sizeof Fields[0], covered);
}

TEST(PrivateFieldRepairs, TheIncomingValueIsTestedNotTheTargets)
{
    DriverExtra target = DefaultRecord().Extra;
    DriverExtra incoming = target;
    target.HorizontalOffset = 800;  // a label's offset already put there
    target.PrintSpeed = 99;         // the target's own out-of-range value
    incoming.HorizontalOffset = -5000;
    incoming.PrintSpeed = 4;
    RepairPrivateFields(&target, &incoming);
    EXPECT_EQ(0, target.HorizontalOffset);
    EXPECT_EQ(99, target.PrintSpeed);
}

}  // namespace
