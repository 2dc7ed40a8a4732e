/*
 * The valid range of every range-checked field of the private part, as one
 * table: the merge repairs by it, and every page and answer that needs one
 * of these limits reads it from here.  Fields valid with any value
 * (Option12, LabelName, PullbackMode, CustomColors, the reserved bytes) are
 * not in it.
 */
#ifndef PDR_SETTINGS_PRIVATE_FIELD_REPAIRS_H
#define PDR_SETTINGS_PRIVATE_FIELD_REPAIRS_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

struct PrivateFieldRule {
    uint16_t Offset; /* from the start of DriverExtra */
    uint8_t Width;   /* bytes: 2 or 4 */
    uint8_t Count;   /* consecutive fields of this width sharing the rule */
    bool Signed;
    int32_t Minimum; /* valid range, both ends included */
    int32_t Maximum;
    int32_t Replacement; /* written when the incoming value is outside */
};

#define RULE(field, count, isSigned, minimum, maximum, replacement)                                     \
    {                                                                                                   \
        static_cast<uint16_t>(offsetof(DriverExtra, field)),                                            \
            static_cast<uint8_t>(sizeof(DriverExtra::field) / (count)), (count), (isSigned), (minimum), \
            (maximum), (replacement)                                                                    \
    }

inline constexpr PrivateFieldRule PrivateFieldRules[] = {
    RULE(HorizontalOffset, 1, true, -1200, 1200, 0),
    RULE(VerticalOffset, 1, true, -1200, 1200, 0),
    RULE(ProcessColorSet, 1, false, 0, 1, 0),
    RULE(Option20, 1, false, 0, 1, 1),
    RULE(Option24, 1, false, 0, 3, 0),
    RULE(Option28, 1, false, 0, 1, 0),
    RULE(Option32, 1, false, 0, 1, 0),
    RULE(PrintSpeed, 1, true, 2, 7, 3),
    RULE(HalftoneMethod, 1, false, 0, 5, 5),
    RULE(DiffusionQuality, 1, false, 0, 1, 1),
    RULE(SmoothingFilter, 1, false, 0, 1, 0),
    RULE(Sharpness, 1, false, 0, 4, 4),
    RULE(HalftoneIntensity, 1, false, 0, 2, 1),
    RULE(ColorMode, 1, false, 0, 1, 0),
    RULE(HeadIntensity, 4, false, 1, 32, 10),
    RULE(TapeThriftEnabled, 1, false, 0, 1, 1),
    RULE(PullbackEnabled, 1, false, 0, 1, 0),
    RULE(CutterEnabled, 1, false, 0, 1, 0),
    RULE(CutEvery, 1, true, 1, 25000, 1),
    RULE(CutOffset, 1, true, -1200, 1200, 0),
    RULE(Brightness, 1, false, 0, 200, 100),
    RULE(Contrast, 1, false, 0, 200, 100),
    RULE(RedLevel, 1, false, 0, 200, 100),
    RULE(GreenLevel, 1, false, 0, 200, 100),
    RULE(BlueLevel, 1, false, 0, 200, 100),
    /* Only 1 means "on"; everything else, 0 included, becomes 0. */
    RULE(CmyOnBack3Heads, 1, false, 0, 1, 0),
    RULE(SpotHeadEnabled, 4, false, 0, 1, 1),
    RULE(ExactRgbMatch, 1, false, 0, 1, 0),
    RULE(Option212, 1, true, -2, 2, 2),
    RULE(AlwaysUseDriverSetting, 1, false, 0, 1, 0),
    RULE(DriverCopies, 1, true, 1, 25000, 1),
};

#undef RULE

inline constexpr size_t PrivateFieldRuleCount = sizeof(PrivateFieldRules) / sizeof(PrivateFieldRules[0]);

/* A field's valid values, both ends included. */
struct FieldRange {
    int32_t Minimum;
    int32_t Maximum;
};

/* The range of the rule covering byte `offset` of the private part; an
 * offset no rule covers has the empty range {0, -1}. */
constexpr FieldRange PrivateFieldRange(size_t offset)
{
    for (const PrivateFieldRule& rule : PrivateFieldRules) {
        if (offset >= rule.Offset && offset < rule.Offset + static_cast<size_t>(rule.Width) * rule.Count)
            return {rule.Minimum, rule.Maximum};
    }
    return {0, -1};
}

/* The ranges the pages, the merge and the capability answers share with
 * the repairs, named once. */
inline constexpr FieldRange PrintOffsetRange = PrivateFieldRange(offsetof(DriverExtra, HorizontalOffset));
inline constexpr FieldRange PrintSpeedRange = PrivateFieldRange(offsetof(DriverExtra, PrintSpeed));
inline constexpr FieldRange HeadIntensityRange = PrivateFieldRange(offsetof(DriverExtra, HeadIntensity));
inline constexpr FieldRange CutEveryRange = PrivateFieldRange(offsetof(DriverExtra, CutEvery));
inline constexpr FieldRange CutOffsetRange = PrivateFieldRange(offsetof(DriverExtra, CutOffset));
inline constexpr FieldRange ColorLevelRange = PrivateFieldRange(offsetof(DriverExtra, Brightness));
/* dmCopies and DriverCopies are written together and share one range. */
inline constexpr FieldRange CopiesRange = PrivateFieldRange(offsetof(DriverExtra, DriverCopies));

constexpr bool IsInRange(const FieldRange& range, int64_t value)
{
    return value >= range.Minimum && value <= range.Maximum;
}

/* The value of one field as its rule reads it: sign-extended or not. */
int64_t ReadPrivateField(const DriverExtra* extra, size_t offset, unsigned width, bool isSigned);

/* Tests each field of `incoming` against its rule and, where it is outside,
 * sets the same field of `target` to the replacement.  Fields in range are
 * left as `target` holds them. */
void RepairPrivateFields(DriverExtra* target, const DriverExtra* incoming);

constexpr bool RulesFitThePrivatePart()
{
    for (const PrivateFieldRule& rule : PrivateFieldRules) {
        if (rule.Width != 2 && rule.Width != 4)
            return false;
        if (rule.Offset + rule.Width * rule.Count > CurrentDriverExtraSize)
            return false;
        if (rule.Replacement < rule.Minimum || rule.Replacement > rule.Maximum)
            return false;
    }
    return true;
}

static_assert(RulesFitThePrivatePart(), "every rule reads a 2- or 4-byte field and repairs it in range");

#endif
