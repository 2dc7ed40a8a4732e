/*
 * The labels one driver call works with.  A call reads the catalogue file
 * at most once, and only when something needs a label, so a capability
 * query whose record names a label and which then lists the labels sees one
 * consistent catalogue and pays for one read.
 */
#ifndef PDR_SETTINGS_CATALOGUE_LABELS_H
#define PDR_SETTINGS_CATALOGUE_LABELS_H

#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"

static_assert(sizeof(DriverExtra::LabelName) == LabelNameSize,
              "every catalogue name fits the record's label name");

struct CatalogueLabels : LabelList {
    bool Loaded;
    int ListLimit; /* the most entries a paper list may answer; -1 for no limit */
};

/* An empty, not yet loaded set without a list limit; the entries are left
 * unfilled. */
void ResetCatalogueLabels(CatalogueLabels* labels);

/* Loads the default catalogue file unless this set was loaded (or filled by
 * the caller) already.  Returns the number of labels. */
int EnsureCatalogueLoaded(CatalogueLabels* labels);

/* The last label in file order whose id is `id`, or null. */
const LabelEntry* FindLastLabelWithId(const CatalogueLabels* labels, int id);

#endif
