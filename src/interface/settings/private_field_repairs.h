/*
 * The valid range of every range-checked field of the private part, as one
 * table.  Fields valid with any value (Option12, LabelName, PullbackMode,
 * CustomColors, the reserved bytes) are not in it.
 */
#ifndef PDR_SETTINGS_PRIVATE_FIELD_REPAIRS_H
#define PDR_SETTINGS_PRIVATE_FIELD_REPAIRS_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"

struct PrivateFieldRule {
    uint16_t Offset;      /* from the start of DriverExtra */
    uint8_t Width;        /* bytes: 2 or 4 */
    uint8_t Count;        /* consecutive fields of this width sharing the rule */
    bool Signed;
    int32_t Minimum;      /* valid range, both ends included */
    int32_t Maximum;
    int32_t Replacement;  /* written when the incoming value is outside */
};

extern const PrivateFieldRule PrivateFieldRules[];
extern const size_t PrivateFieldRuleCount;

/* The value of one field as its rule reads it: sign-extended or not. */
int64_t ReadPrivateField(const DriverExtra* extra, size_t offset, unsigned width, bool isSigned);

/* Tests each field of `incoming` against its rule and, where it is outside,
 * sets the same field of `target` to the replacement.  Fields in range are
 * left as `target` holds them. */
void RepairPrivateFields(DriverExtra* target, const DriverExtra* incoming);

#endif
