#include "settings/private_field_repairs.h"

#include "settings/devmode_bytes.h"

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
