/*
 * Bringing a machine's catalogue up to a newer stock file of the driver
 * package, stock by stock, matched by name, without undoing what was
 * changed on the machine.  A pure decision over three lists: the machine's
 * catalogue, the package's stock file, and what earlier packages gave this
 * machine (the given stocks, kept beside the catalogue).  Platform-neutral.
 *
 * A machine label counts as unchanged when it equals, in every field but
 * its id, the stock last given under its name.  For each package stock:
 *   - never given, no label of its name: appended with the next id
 *     (NextLabelId), and remembered; left out, and not remembered, when the
 *     catalogue is full;
 *   - never given, a label of its name: that label is the machine's own and
 *     stays as it is;
 *   - given and unchanged: the package's version takes its place, keeping
 *     its id and position;
 *   - given and deleted here: stays deleted;
 *   - given and changed here: stays as it is; when it already equals the
 *     package's version it counts as given again (the package and the
 *     machine agree, as after an update whose memory was not yet written).
 * A stock given earlier that the package no longer has is removed when
 * unchanged, kept when changed here, and forgotten either way.  Labels
 * that were never given are never touched.  A machine without memory (an
 * earlier release seeded it) has given nothing: its labels are its own.
 */
#ifndef PDR_LABELS_STOCK_UPDATE_H
#define PDR_LABELS_STOCK_UPDATE_H

#include <stddef.h>

#include "labels/label_catalogue.h"

/* What the update did with one stock. */
enum class StockOutcome {
    Added,       /* appended to the catalogue */
    Updated,     /* the package's new version in place of the given one */
    Removed,     /* dropped by the package and unchanged here: removed */
    KeptChanged, /* changed here: kept although the package differs or dropped it */
    KeptDeleted, /* deleted here: not brought back */
    KeptOwn,     /* a label of the machine's own has this name: untouched */
    LeftOut,     /* no room within MaxLabels: not added */
};

struct StockChange {
    StockOutcome Outcome;
    char Name[LabelNameSize];
    int Id; /* the label's id on the machine; -1 when it has none */
};

/* Room for one change per package stock and one per given stock. */
constexpr int MaxStockChanges = 2 * MaxLabels;

struct StockUpdate {
    LabelList Catalogue; /* the machine's catalogue afterwards */
    LabelList Given;     /* what the machine has been given afterwards */
    bool CatalogueChanged;
    bool GivenChanged;
    StockChange Changes[MaxStockChanges]; /* in the order they were decided */
    int ChangeCount;
};

/* True when the two labels are the same stock: every field but the id,
 * names and number texts byte for byte, settings as present. */
bool SameStock(const LabelEntry& first, const LabelEntry& second);

/* True when both lists hold the same stocks with the same ids in order. */
bool SameLabelList(const LabelList& first, const LabelList& second);

/*
 * The update of `machine` to `package` after `given` (see above), into
 * `update`.  Stocks that earlier packages gave and this one dropped are
 * decided first, so their room serves this package's new stocks.  A name
 * repeated in the package or in `given` counts once, at its first place.
 * The three lists must not be part of `update`.
 */
void UpdateStockLabels(const LabelList& machine, const LabelList& package, const LabelList& given,
                       StockUpdate* update);

/* True when `label` is a stock `given` holds and unchanged since. */
bool IsGivenUnchanged(const LabelEntry& label, const LabelList& given);

/* The file beside a catalogue that remembers what was given to it: the
 * catalogue's path with GivenStocksSuffix appended. */
extern const wchar_t GivenStocksSuffix[];
bool ComposeGivenStocksPath(wchar_t* path, size_t size, const wchar_t* cataloguePath);

#endif
