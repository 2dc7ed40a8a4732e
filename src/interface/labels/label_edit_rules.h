/*
 * The rules every editor of the catalogue applies to a label it is given:
 * how names are compared, which id a new label gets, and which number texts
 * are accepted.  The Manage Labels dialog and the command-line tool share
 * them, so both accept and refuse exactly the same labels.  Platform-neutral.
 */
#ifndef PDR_LABELS_LABEL_EDIT_RULES_H
#define PDR_LABELS_LABEL_EDIT_RULES_H

#include <stddef.h>

#include "labels/label_catalogue.h"

/* Label names are told apart without regard to the case of A to Z only,
 * whatever the C locale of the host program. */
bool SameLabelName(const char* first, const char* second);

/* The index of the first label other than `ignoredIndex` named like `name`,
 * or -1. */
int FindLabelNamed(const LabelEntry* labels, int count, const char* name, int ignoredIndex);
int FindLabelNamed(const LabelList& list, const char* name, int ignoredIndex);

/* The id a label appended to labels[0 .. count-1] gets: 257 for the first,
 * the last label's id + 1 when that is at most MaxLabelId and not in use,
 * else the smallest unused id from 257. */
int NextLabelId(const LabelEntry* labels, int count);
int NextLabelId(const LabelList& list);

/* Removes label `index`; the labels after it move up in order.  An index
 * outside the list changes nothing. */
void RemoveLabelAt(LabelEntry* labels, int* count, int index);
void RemoveLabelAt(LabelList* list, int index);

/* The size limits of `units`; codes outside 0..2 get the millimetre ones. */
const LabelSizeLimits& LimitsOfUnits(int units);

/* True when the (trimmed) text's leading decimal value lies within the
 * range's exact minimum and maximum. */
bool IsDecimalInRange(const char* text, const LabelRange& range);

/* An offset text as editors keep it: the leading whole number written back
 * with "%d" when it lies within -1200..1200 (true); otherwise the text is
 * left alone (false). */
bool NormaliseOffsetText(char* text, size_t size);

/* Bytes of a range text with its NUL: the widest, "100.00 - 30480.00",
 * takes 18. */
constexpr size_t LabelRangeTextSize = 32;

/* "min - max" with both numbers as "%2.2f" renders them.  A text that does
 * not fit leaves `text` empty (false). */
bool FormatRangeText(char* text, size_t size, double minimum, double maximum);

/* The offsets' range as editors show it, "-1200 - 1200". */
bool FormatOffsetRangeText(char* text, size_t size);

#endif
