/*
 * Each thread's snapshot of the default catalogue.
 *
 * A thread keeps the catalogue it last read with the file's identity as its
 * attributes tell it (size, creation and last-write times) and a hash of
 * its bytes.  The attributes are read without opening the file: under Wine
 * any open handle stops a save's rename, so readers that kept opening the
 * file to check it would starve the saves.  While the attributes are the
 * snapshot's and the snapshot is settled, it is the answer.  A snapshot
 * settles once the file is older than its file system's timestamp tick
 * with room to spare (three seconds on FAT, a quarter of a second on the
 * others): from then on any write, in place or by a save's rename, gives
 * the file another last-write time.  Until then a load reads
 * the bytes and compares their hash, so a rewrite in place within one tick
 * that keeps the size is seen too.  Any other change, a missing file or a
 * failed check reads the file again.  Not noticed: a file put in place
 * afterwards with the very same size and the same creation and last-write
 * times, to the 100 ns, as the one read; no save makes such a file.
 *
 * The snapshots are the thread's own: no locks, at most one current and one
 * per counted list (CatalogueCountSlots) per thread, freed when the thread
 * or the module ends.
 */
#ifndef PDR_LABELS_CATALOGUE_SNAPSHOT_WIN32_H
#define PDR_LABELS_CATALOGUE_SNAPSHOT_WIN32_H

#include "labels/label_catalogue.h"

/* One slot per list a caller may count first and fill afterwards. */
constexpr int CatalogueCountSlots = 3;

enum class CatalogueUse {
    Current, /* the catalogue as it is on disk now */
    Count,   /* the same, kept for the fill of `slot` that follows */
    Fill,    /* the catalogue the last count of `slot` gave, if any; else Current */
};

/*
 * Copies the default catalogue into entries[0 .. count-1] (room for
 * MaxLabels) and returns the count, exactly as LoadLabelCatalogue reads the
 * file.  A Fill answers from the snapshot its Count kept, once, so it never
 * has more labels than that count.  `slot` is 0 to CatalogueCountSlots-1.
 */
int CopyDefaultCatalogue(LabelEntry* entries, CatalogueUse use, int slot);

/* Frees the calling thread's snapshots (the module's thread-detach). */
void ReleaseThreadCatalogueSnapshots();

/* Frees every thread's snapshots and what the module keeps for them; only
 * when the module is unloaded and no thread runs its code. */
void ReleaseAllCatalogueSnapshots();

#endif
