/*
 * Bringing the machine's catalogue up to the driver package's stock file at
 * installation, on Windows: reading the three files the update decides
 * from, and saving what it changed.
 */
#ifndef PDR_LABELS_STOCK_UPDATE_WIN32_H
#define PDR_LABELS_STOCK_UPDATE_WIN32_H

#include <windows.h>

#include "labels/stock_update.h"

enum class StockUpdatePlan {
    Ready,            /* `update` holds the decision */
    NoCatalogue,      /* the machine has no catalogue: seeding's task */
    CatalogueNotRead, /* it cannot be opened, or the driver reads only part
                         of it: it is left alone */
    NoStockFile,
    StockReadInPart, /* a stock file read only in part is not used at all */
    OutOfMemory,
};

/*
 * Reads the catalogue at `catalogue` itself (never a snapshot), what it was
 * given, and the stock file at `stock`, and decides the update into
 * `update`.  Given stocks that cannot be read whole count as none given, so
 * the catalogue's labels count as its own: nothing is overwritten on the
 * strength of a damaged memory.  A memory that exists but cannot be opened
 * at all leaves the catalogue alone (CatalogueNotRead).
 */
StockUpdatePlan PlanStockUpdate(const wchar_t* stock, const wchar_t* catalogue, StockUpdate* update);

/* The stock file's path in `driverFolder` into `path`, of StockPathSize. */
constexpr size_t StockPathSize = MAX_PATH + 32;
bool ComposeStockPath(wchar_t* path, const wchar_t* driverFolder);

/* The installation's step: when the machine has a catalogue, brings it up
 * to the stock file in `driverFolder` and saves what changed
 * (SaveStockUpdate).  True when the catalogue is up to the package now. */
bool UpdateCatalogueFromPackage(const wchar_t* driverFolder);

#endif
