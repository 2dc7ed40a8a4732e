/*
 * Building, copying and handing out settings records.  Records of other
 * layouts (older public parts, other private sizes) are handled as raw bytes
 * framed by their own dmSize and dmDriverExtra.
 */
#ifndef PDR_SETTINGS_DEVMODE_OPS_H
#define PDR_SETTINGS_DEVMODE_OPS_H

#include "settings/driver_devmode.h"

/* Fills all 508 bytes with the driver's defaults; deviceName may be null. */
void BuildDefaultDevMode(DriverDevMode* record, const char16_t* deviceName);

/* Copies a record of any known layout into a destination whose dmSize,
 * dmDriverExtra and dmDriverVersion (and for unusual sizes dmSpecVersion)
 * are already set.  Returns the bytes copied, or -1 when either record has
 * no known layout; callers test for a copy with `> 0`. */
int CopyDevMode(const void* source, void* destination);

/* Writes the working record into a caller's output record, never in a larger
 * layout than the caller's input record.  False when nothing could be
 * written. */
bool CopyDevModeOut(const DriverDevMode* working, const void* callerIn, void* callerOut);

/* The dmSpecVersion a public part of this size is treated as having, or 0
 * when the size is not one of the three known layouts. */
uint16_t SpecVersionForSize(uint16_t dmSize);

#endif
