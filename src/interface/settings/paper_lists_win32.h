/*
 * The labels behind the paper lists of one capability call, as the
 * process's memory of recent counts decides (settings/paper_list_counts.h):
 * a count answers from the catalogue as it is and is remembered with its
 * answer; a fill answers from the count it may belong to.
 */
#ifndef PDR_SETTINGS_PAPER_LISTS_WIN32_H
#define PDR_SETTINGS_PAPER_LISTS_WIN32_H

#include "settings/catalogue_labels.h"

/* Fills `labels` with the catalogue as it is, for a count. */
void LoadCountedPaperList(CatalogueLabels* labels);

/* Remembers the count of `list` (0 to 2) that answered `answered` entries
 * from `labels`. */
void RememberCountedPaperList(int list, const CatalogueLabels& labels, int answered);

/* Fills `labels` for a fill: the remembered list it answers from, with its
 * ListLimit, or the catalogue as it is. */
void LoadFilledPaperList(CatalogueLabels* labels);

/* Frees what the memory keeps; only when the module is unloaded and no
 * thread runs its code. */
void ReleasePaperListMemory();

#endif
