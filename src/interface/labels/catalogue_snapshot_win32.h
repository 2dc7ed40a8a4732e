/*
 * Each thread's snapshot of the default catalogue.
 *
 * A thread keeps the catalogue it last read with the file's identity as its
 * attributes tell it (size, creation and last-write times).  The attributes
 * are read without opening the file: under Wine any open handle stops a
 * save's rename, so readers that kept opening the file to check it would
 * starve the saves.  While the attributes are the snapshot's and the
 * snapshot is settled, it is the answer.  A snapshot settles once the file
 * is older than its file system's timestamp tick with room to spare (three
 * seconds on FAT, a quarter of a second on the others): from then on any
 * write, in place or by a save's rename, gives the file another last-write
 * time.  Until then every load reads and parses the file, so a rewrite in
 * place within one tick that keeps the size is seen too; so does any other
 * change, a missing file or a failed check.  Not noticed: a file put in
 * place afterwards with the very same size and the same creation and
 * last-write times, to the 100 ns, as the one read; no save makes such a
 * file.
 *
 * A snapshot answers readers only.  Whoever changes the catalogue reads the
 * file itself first (LoadLabelCatalogueToChange), so that a save never
 * writes back a list older than the file.
 *
 * The snapshots are the thread's own: no locks, one per thread, freed when
 * the thread or the module ends.
 */
#ifndef PDR_LABELS_CATALOGUE_SNAPSHOT_WIN32_H
#define PDR_LABELS_CATALOGUE_SNAPSHOT_WIN32_H

#include "labels/label_catalogue.h"

/*
 * Copies the default catalogue into entries[0 .. count-1] (room for
 * MaxLabels) and returns the count, exactly as LoadLabelCatalogue reads the
 * file.
 */
int CopyDefaultCatalogue(LabelEntry* entries);

/* Frees the calling thread's snapshots (the module's thread-detach). */
void ReleaseThreadCatalogueSnapshots();

/* Frees every thread's snapshots and what the module keeps for them; only
 * when the module is unloaded and no thread runs its code. */
void ReleaseAllCatalogueSnapshots();

#endif
