/*
 * Validating a record that someone else handed in and laying it over a
 * record of the current layout.  Everything a merge leaves in the target is
 * in range, whatever the incoming bytes held.
 */
#ifndef PDR_SETTINGS_DEVMODE_MERGE_H
#define PDR_SETTINGS_DEVMODE_MERGE_H

#include "settings/catalogue_labels.h"
#include "settings/driver_devmode.h"

/*
 * Merges `incoming` (any known layout, or null) into `target`, a record of
 * the current layout.  False, with the target unchanged, when the incoming
 * record has no known layout or the target is not of the current layout.
 * A paper size that names a label reads the default catalogue.
 */
bool MergeDevMode(DriverDevMode* target, const void* incoming);

/* The same, with the labels of the calling operation: they are loaded only
 * if the incoming paper size needs them and were not loaded yet. */
bool MergeDevModeWithLabels(DriverDevMode* target, const void* incoming, CatalogueLabels* labels);

/* The whole-number value of a catalogue offset text as the record holds it:
 * its leading integer, or 0 when that lies outside -1200..1200. */
int32_t OffsetFromLabelText(const char* text);

#endif
