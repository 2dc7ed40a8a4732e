#include "settings/private_field_repairs.h"

#include "settings/devmode_bytes.h"

#define RULE(field, count, isSigned, minimum, maximum, replacement)                 \
    {static_cast<uint16_t>(offsetof(DriverExtra, field)),                          \
     static_cast<uint8_t>(sizeof(DriverExtra::field) / (count)), (count), (isSigned), \
     (minimum), (maximum), (replacement)}

constexpr PrivateFieldRule PrivateFieldRules[] = {
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

namespace {

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

}  // namespace

const size_t PrivateFieldRuleCount = sizeof(PrivateFieldRules) / sizeof(PrivateFieldRules[0]);

int64_t ReadPrivateField(const DriverExtra* extra, size_t offset, unsigned width, bool isSigned)
{
    if (width == 2) {
        uint16_t raw = LoadU16(extra, offset);
        return isSigned ? static_cast<int64_t>(static_cast<int16_t>(raw)) : raw;
    }
    uint32_t raw = LoadU32(extra, offset);
    return isSigned ? static_cast<int64_t>(static_cast<int32_t>(raw)) : raw;
}

namespace {

void WritePrivateField(DriverExtra* extra, size_t offset, unsigned width, int32_t value)
{
    if (width == 2)
        StoreU16(extra, offset, static_cast<uint16_t>(value));
    else
        StoreU32(extra, offset, static_cast<uint32_t>(value));
}

}  // namespace

void RepairPrivateFields(DriverExtra* target, const DriverExtra* incoming)
{
    for (size_t r = 0; r < PrivateFieldRuleCount; ++r) {
        const PrivateFieldRule& rule = PrivateFieldRules[r];
        for (unsigned i = 0; i < rule.Count; ++i) {
            const size_t offset = rule.Offset + static_cast<size_t>(i) * rule.Width;
            const int64_t value = ReadPrivateField(incoming, offset, rule.Width, rule.Signed);
            if (value < rule.Minimum || value > rule.Maximum)
                WritePrivateField(target, offset, rule.Width, rule.Replacement);
        }
    }
}
