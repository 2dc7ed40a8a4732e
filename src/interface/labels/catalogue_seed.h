/*
 * Seeding the machine's label catalogue from a driver package's stock file
 * when the driver is installed.  The decision is platform-neutral; the
 * Windows shell finds the files and saves (catalogue_seed_win32.cpp).
 */
#ifndef PDR_LABELS_CATALOGUE_SEED_H
#define PDR_LABELS_CATALOGUE_SEED_H

#include <stdio.h>

#include "labels/label_catalogue.h"

/* The stock file a driver package brings, in the driver's own folder. */
extern const wchar_t StockFileName[];

enum class SeedDecision {
    Seed,            /* `list` holds the stock file's labels: save them */
    CatalogueExists, /* the site's catalogue stays as it is */
    NoStockFile,     /* nothing to seed from */
    StockReadInPart, /* the loader would drop part of it, or it holds no text */
};

/*
 * Whether to seed the catalogue from `stock` (an open stock file, or null
 * when there is none).  An existing catalogue always wins, so a second
 * install or an upgrade keeps the site's edits.  Otherwise the stock file is
 * read with the catalogue's loader, and used only when the loader read all
 * of it: a file that is not a label array, has text after the array, is too
 * large or holds more than MaxLabels labels would seed a catalogue that
 * differs from the site's list.  Repairs of single members are kept, as any
 * load of the catalogue would make them.
 */
SeedDecision DecideCatalogueSeed(bool catalogueExists, FILE* stock, LabelList* list);

#endif
