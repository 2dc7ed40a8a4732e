/*
 * The Label page apart from its controls: the catalogue it lists, which
 * label a record names, the Details text, and what applying a label writes
 * into the record.  Platform-neutral.
 */
#ifndef PDR_PAGES_LABEL_MODEL_H
#define PDR_PAGES_LABEL_MODEL_H

#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"

/* Wide characters of the Details text with its NUL. */
constexpr int LabelDetailsChars = 256;

/* The entry to select for a record naming `labelName`: the last label whose
 * name equals it byte for byte (letter case counts), else 0; -1 for an
 * empty list. */
int FindRecordLabel(const LabelList& list, const char* labelName);

/* Label `index` of the list, or null when there is no such label (no
 * selection, or an index beyond the list). */
const LabelEntry* LabelAt(const LabelList& list, int index);

/*
 * The Details text: four lines each ended by CR LF,
 *   "Width: <width> <units>", "Length: <length> <units>",
 *   "Horizontal Offset: <horzOffset>", "Vertical Offset: <vertOffset>",
 * the units word being "inches" for Inches and "mm" for any other code, in
 * every language.  The label's texts are widened from the system's code
 * page (AppendCodePageText).  Without a label (null) the text is empty.
 */
void ComposeLabelDetails(const LabelEntry* label, wchar_t (&details)[LabelDetailsChars]);

/*
 * Writes `label` into the record as a size of its own (paper size 256):
 * name, width and length in tenths of a millimetre, and the offsets.  Every
 * other field is left alone, the form name and dmFields included.  An
 * offset text without a leading number leaves that offset as it was (unlike
 * a merge, which writes 0); one outside -1200..1200 applies as 0.
 */
void ApplyLabelToRecord(const LabelEntry& label, DriverDevMode* record);

#endif
