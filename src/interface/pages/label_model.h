/*
 * The Label page apart from its controls: the catalogue it lists, which
 * label a record names, the Details text, and what applying a label writes
 * into the record.  Platform-neutral.
 */
#ifndef PDR_PAGES_LABEL_MODEL_H
#define PDR_PAGES_LABEL_MODEL_H

#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"

/* Wide characters of the Details text with its NUL: the four lines of a
 * label and the lines of its settings. */
constexpr int LabelDetailsChars = 1024;

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

/* The interface language's words of the settings lines: one caption per
 * setting in the order of LabelSettingRules (each ending in its language's
 * ": "), and the words of a switch. */
struct StockSettingWords {
    const wchar_t* Captions[LabelSettingCount];
    const wchar_t* On;
    const wchar_t* Off;
};

/*
 * Appends one line for each setting `settings` holds, in the order of
 * LabelSettingRules, each ended by CR LF: the caption, then the value (a
 * number, the four heads as "12, 12, 12, 12", or the word of a switch).
 * Lines that would not fit behind the text already there are all left out,
 * so the label's own lines always stay; no settings append nothing.
 */
void AppendStockSettingsDetails(const LabelSettings& settings, const StockSettingWords& words,
                                wchar_t (&details)[LabelDetailsChars]);

/* The last label of `list` with `stock`'s id and, byte for byte, its name:
 * the stock the page showed, found again in a catalogue read since; -1
 * when it is gone or was renamed. */
int FindStockInCatalogue(const LabelList& list, const LabelEntry& stock);

/*
 * Gives the stock `stock` of the catalogue file at `path` (null: the
 * default catalogue) the settings `settings` in place of its own, reading
 * the file afresh so that every other label stays as the file holds it, and
 * saving with the catalogue's crash-safe save.  False, with the file as it
 * was, when the file cannot be read, the driver reads only part of it (so
 * that saving would lose the rest), the stock is no longer in it, or the
 * save failed.
 */
bool SaveSettingsToStock(const LabelEntry& stock, const LabelSettings& settings, const wchar_t* path);

/*
 * Writes `label` into the record as a size of its own (paper size 256):
 * name, width and length in tenths of a millimetre, and the offsets.  Every
 * other field is left alone, the form name and dmFields included.  An
 * offset text without a leading number leaves that offset as it was (unlike
 * a merge, which writes 0); one outside -1200..1200 applies as 0.
 */
void ApplyLabelToRecord(const LabelEntry& label, DriverDevMode* record);

#endif
