/* Seeding the machine's catalogue at driver installation, on Windows. */
#ifndef PDR_LABELS_CATALOGUE_SEED_WIN32_H
#define PDR_LABELS_CATALOGUE_SEED_WIN32_H

#include "labels/catalogue_seed.h"

/*
 * Creates the catalogue's folder and, when the machine has no catalogue yet,
 * fills it from the stock file in `driverFolder` as DecideCatalogueSeed
 * allows, through the catalogue's crash-safe save.  The seeded file is put
 * in place by a rename that never replaces, so a catalogue saved after the
 * check stays as it was saved.  True when it wrote the catalogue; a save
 * that failed leaves no catalogue behind.
 */
bool SeedLabelCatalogue(const wchar_t* driverFolder);

#endif
