/*
 * The decisions of the Manage Labels dialog, apart from its controls: its
 * working list, the units switch and the texts the dialog composes.  The
 * rules it shares with every other editor of the catalogue are in
 * labels/label_edit_rules.h.  Tests call them directly.
 */
#ifndef PDR_PAGES_MANAGE_LABELS_RULES_H
#define PDR_PAGES_MANAGE_LABELS_RULES_H

#include <stddef.h>

#include "labels/label_catalogue.h"
#include "labels/label_edit_rules.h"

/* The dialog's working copy of the catalogue; list-box entry i shows
 * Labels[i].name. */
struct ManageWorkingList {
    LabelEntry Labels[MaxLabels];
    int Count;
};

/* Everything one open dialog keeps; it lives from WM_INITDIALOG to
 * WM_DESTROY of that dialog, so dialogs open on different sheets (and
 * threads) never see each other's list. */
struct ManageDialogState {
    ManageWorkingList WorkingList;
    /* LabelUnits the Width and Length edits currently hold their numbers
     * in; 2 after a label in tenths of a millimetre was shown. */
    int ManageCurrentUnits;
};

/* The catalogue-wide rules (labels/label_edit_rules.h) over the working
 * list. */
int FindNameClash(const ManageWorkingList& list, const char* name, int ignoredIndex);
int NextLabelId(const ManageWorkingList& list);
void RemoveLabelAt(ManageWorkingList* list, int index);

/* A width or length text read in `fromUnits` and written in `toUnits` with
 * "%2.2f"; a text without a number counts as 0. */
bool ConvertSizeText(const char* text, int fromUnits, int toUnits, char* converted, size_t size);

/* The body of a range error: message, line feed, "Valid range:", a blank,
 * then the 8-bit range text.  A body that does not fit `capacity` is left
 * empty (false). */
bool ComposeRangeMessage(wchar_t* body, size_t capacity, const wchar_t* message,
                         const wchar_t* validRange, const char* range);

#endif
