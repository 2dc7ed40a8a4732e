/*
 * The file that remembers which stocks the driver package gave a catalogue:
 * a label list in the catalogue's own format, beside the catalogue
 * (ComposeGivenStocksPath), written whole and renamed into place by the
 * catalogue's crash-safe save, so it is always one whole version or the
 * other.  Platform-neutral over the catalogue's file functions.
 */
#ifndef PDR_LABELS_GIVEN_STOCKS_H
#define PDR_LABELS_GIVEN_STOCKS_H

#include <stdio.h>

#include "labels/stock_update.h"

/* Room for a given-stocks path: any catalogue path a caller may name. */
constexpr size_t GivenStocksPathSize = 1024;

/*
 * Reads the open label file `file` with the catalogue's loader into `list`.
 * True when the loader read all of it; false when it would drop part of it
 * (not a label array, text after the array, too large, more than MaxLabels
 * labels) or it holds no text.  Repairs of single members are kept, as any
 * load makes them.
 */
bool ReadWholeLabelFile(FILE* file, LabelList* list);

/* Saves `given` as what the catalogue at `cataloguePath` was given.  False,
 * with the earlier file as it was, when it could not be saved. */
bool SaveGivenStocks(const LabelList& given, const wchar_t* cataloguePath);

/*
 * Saves what `update` changed, each with the crash-safe save: the catalogue
 * first, then what was given, and neither when unchanged, so an update that
 * changes nothing leaves both files' bytes alone.  In this order a machine
 * switched off between the two saves has its new labels but remembers the
 * earlier gifts: updated stocks then equal the package's version, which the
 * next update takes as given, and removed ones are forgotten; only a stock
 * added in that moment counts as the machine's own thereafter.  False when
 * a save failed; after a failed catalogue save nothing was changed.
 */
bool SaveStockUpdate(const StockUpdate& update, const wchar_t* cataloguePath);

#endif
