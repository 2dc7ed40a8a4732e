/*
 * The decisions of the Label page, apart from its controls: which label the
 * record names, the Details text and what applying a label writes.  Tests
 * call them directly.
 */
#ifndef PDR_PAGES_LABEL_PAGE_RULES_H
#define PDR_PAGES_LABEL_PAGE_RULES_H

#include <windows.h>

#include "labels/label_catalogue.h"
#include "settings/driver_devmode.h"

/* The page's copy of the catalogue as loaded at its last fill; combo-box
 * entry i is Labels[i].  One per page window, so sheets open side by side
 * never apply each other's labels. */
struct LabelPageList {
    LabelEntry Labels[MaxLabels];
    int Count;
};

/* Wide characters of the Details text buffer. */
constexpr int LabelDetailsChars = 256;

/* The entry to select for a record naming `labelName`: the last label whose
 * name equals it byte for byte, else 0; -1 for an empty list. */
int FindRecordLabel(const LabelPageList& list, const char* labelName);

/* The four Details lines of `label`, each ended by CR LF. */
void FormatLabelDetails(const LabelEntry& label, wchar_t (&details)[LabelDetailsChars]);

/* Writes `label` into the record as a size of its own (paper size 256):
 * name, width and length in tenths of a millimetre, and the offsets.  An
 * offset text without a leading number leaves that offset as it was; one
 * outside -1200..1200 applies as 0. */
void ApplyLabelToRecord(const LabelEntry& label, DriverDevMode* record);

#endif
