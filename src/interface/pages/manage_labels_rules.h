/*
 * The decisions of the Manage Labels dialog, apart from its controls: name
 * comparison, the numbering of new labels, the checks of the number texts
 * and the texts the dialog composes.  Tests call them directly.
 */
#ifndef PDR_PAGES_MANAGE_LABELS_RULES_H
#define PDR_PAGES_MANAGE_LABELS_RULES_H

#include <stddef.h>

#include "labels/label_catalogue.h"

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

/* Label names are told apart without regard to the case of A to Z only,
 * whatever the C locale of the host program. */
bool SameLabelName(const char* first, const char* second);

/* The index of a label other than `ignoredIndex` named like `name`, or -1. */
int FindNameClash(const ManageWorkingList& list, const char* name, int ignoredIndex);

/* The id a label appended to `list` gets: 257 for the first, the last
 * label's id + 1 when that is at most MaxLabelId and not in use, else the
 * smallest unused id from 257. */
int NextLabelId(const ManageWorkingList& list);

/* Removes label `index`; the labels after it move up in order. */
void RemoveLabelAt(ManageWorkingList* list, int index);

/* The size limits of `units`; codes outside 0..2 get the millimetre ones. */
const LabelSizeLimits& LimitsOfUnits(int units);

/* True when the (trimmed) text's leading decimal value lies within the
 * range's exact minimum and maximum. */
bool IsDecimalInRange(const char* text, const LabelRange& range);

/* An offset text as the dialog keeps it: the leading whole number written
 * back with "%d" when it lies within -1200..1200 (true); otherwise the text
 * is left alone (false). */
bool NormaliseOffsetText(char* text, size_t size);

/* "min - max" with both numbers as "%2.2f" renders them.  A text that does
 * not fit leaves `text` empty (false). */
bool FormatRangeText(char* text, size_t size, double minimum, double maximum);

/* A width or length text read in `fromUnits` and written in `toUnits` with
 * "%2.2f"; a text without a number counts as 0. */
bool ConvertSizeText(const char* text, int fromUnits, int toUnits, char* converted, size_t size);

/* The body of a range error: message, line feed, "Valid range:", a blank,
 * then the 8-bit range text.  A body that does not fit `capacity` is left
 * empty (false). */
bool ComposeRangeMessage(wchar_t* body, size_t capacity, const wchar_t* message,
                         const wchar_t* validRange, const char* range);

#endif
