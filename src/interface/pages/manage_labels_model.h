/*
 * The Manage Labels dialog apart from its controls: what its fields show,
 * how its working list changes, the units switch, and the messages of its
 * refusals.  A new label's texts are read by labels/new_label.h, as the
 * command-line tool reads them; the rules every editor of the catalogue
 * applies (names, ids) are in labels/label_edit_rules.h.  Platform-neutral.
 */
#ifndef PDR_PAGES_MANAGE_LABELS_MODEL_H
#define PDR_PAGES_MANAGE_LABELS_MODEL_H

#include <stddef.h>

#include "labels/label_catalogue.h"
#include "labels/label_edit_rules.h"
#include "labels/new_label.h"

/* The edits' 8-bit texts as the dialog reads them: at most what a field of
 * LabelEntry holds (63 bytes of name, 7 of each number), untrimmed. */
struct ManageEditTexts {
    char Name[LabelNameSize];
    char Width[LabelNumberTextSize];
    char Length[LabelNumberTextSize];
    char HorizontalOffset[LabelNumberTextSize];
    char VerticalOffset[LabelNumberTextSize];
};

/* The edits as ReadNewLabel takes them: every text given and in the code
 * page, the sizes in `units`.  The texts stay in `edits`. */
NewLabelTexts NewLabelTextsOfEdits(const ManageEditTexts& edits, int units);

/* The label the fields show when the list is (re)filled: the first, or for
 * an empty list a 4 x 6 inch label without a name and with offsets "0". */
const LabelEntry& FirstShownLabel(const LabelList& list);

/* The range texts beside the width and length edits. */
struct SizeRangeTexts {
    char Width[LabelRangeTextSize];
    char Length[LabelRangeTextSize];
};

/* The range texts for `units`: FormatRangeText of that units' width and
 * length limits (LimitsOfUnits, so millimetres for an unknown code). */
SizeRangeTexts RangeTextsOfUnits(int units);

/* Whether Add may append one more label (the list holds fewer than
 * MaxLabels). */
bool HasRoomForLabel(const LabelList& list);

/* Appends `label` with the id NextLabelId gives.  The list must have room. */
void AppendNewLabel(LabelList* list, LabelEntry label);

/* Puts `label` in the place of label `index`, which keeps its id and its
 * settings.  An index outside the list changes nothing. */
void ReplaceLabelAt(LabelList* list, int index, LabelEntry label);

/* A width or length text read in `fromUnits` and written in `toUnits` with
 * "%2.2f"; a text without a number counts as 0.  False, with `converted`
 * empty, when the result does not fit `size`. */
bool ConvertSizeText(const char* text, int fromUnits, int toUnits, char* converted, size_t size);

/* Whether a refusal of ReadNewLabel is shown as a range message (the size
 * and offset fields: ComposeRangeMessage with refusal.Range) rather than as
 * its message alone (the name). */
bool IsRangeRefusal(const NewLabelRefusal& refusal);

/* The string-table id of the message the dialog shows for a refusal:
 * "Invalid Width", "Invalid Length", "Invalid Horizontal Offset" or
 * "Invalid Vertical Offset" for a number field, whatever its problem;
 * "You must enter a name." for a refused name: the dialog's bounded reads of
 * code-page text never give one that is too long or not representable, so
 * an empty name is the only one it refuses. */
int RefusalMessageId(const NewLabelRefusal& refusal);

/* The body of a range error: message, line feed, "Valid range:", a blank,
 * then the ASCII range text.  A body that does not fit `capacity` is left
 * empty (false). */
bool ComposeRangeMessage(wchar_t* body, size_t capacity, const wchar_t* message, const wchar_t* validRange,
                         const char* range);

#endif
