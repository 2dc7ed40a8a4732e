/*
 * The label catalogue: the machine-wide list of label stocks the printer can
 * be set up for, its record, the size limits every editor and the loader
 * share, the unit conversions, and loading and saving the catalogue file.
 *
 * Width, length and offsets are kept as the text that was typed or
 * generated; consumers read their values with ReadLeadingDouble
 * (labels/number_text.h), which never depends on the host's C locale.
 *
 * The record, limits and conversions are platform-neutral.  The file
 * functions at the end are implemented by the Windows shell
 * (catalogue_file_win32.cpp) and, for the native programs, on POSIX
 * (catalogue_file_posix.cpp), with the same contract.
 */
#ifndef PDR_LABELS_LABEL_CATALOGUE_H
#define PDR_LABELS_LABEL_CATALOGUE_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include "labels/label_settings.h"

enum LabelUnits : int32_t {
    Millimetres = 0,
    Inches = 1,
    TenthMillimetres = 2,
};

constexpr int LabelUnitsCount = 3;
constexpr int MaxLabels = 128;
constexpr int FirstLabelId = 257;
constexpr int MaxLabelId = 32767;

/* Field sizes, each with its terminating NUL. */
constexpr size_t LabelNameSize = 64;
constexpr size_t LabelNumberTextSize = 8;

/* Wide characters of the buffer the default catalogue path is composed in. */
constexpr size_t LabelCataloguePathSize = 275;

/*
 * The loader refuses, as an unreadable catalogue, any file larger than this.
 * 128 labels whose every text is escaped to the hilt render to well under
 * 128 KiB, so 4 MiB leaves room for any hand-made layout while keeping a
 * hostile or mistaken import from exhausting the host process's memory.
 *
 * Safe to parse: the machine's catalogue may be written by any user (its
 * folder lets every user replace it unless an administrator locked it) and
 * is read inside the spooler's own process, under the spooler's account,
 * for capability answers and job checks.  So its text is untrusted input
 * to a privileged reader: this limit and the parser's hardening (bounded
 * copies, every member checked, a repair for every bad value) stay however
 * the writers change.
 */
constexpr long MaxLabelCatalogueBytes = 4L * 1024L * 1024L;

struct LabelEntry {
    char name[LabelNameSize];             /* 8-bit code page text */
    char width[LabelNumberTextSize];      /* decimal text in `units` */
    char length[LabelNumberTextSize];     /* decimal text in `units` */
    char horzOffset[LabelNumberTextSize]; /* -1200 .. 1200 */
    char vertOffset[LabelNumberTextSize]; /* -1200 .. 1200 */
    int32_t units;                        /* LabelUnits */
    int32_t id;                           /* FirstLabelId .. MaxLabelId */
    LabelSettings settings;               /* the stock's print settings, each optional */
};

/* A catalogue in memory: Labels[0 .. Count-1] in file order. */
struct LabelList {
    LabelEntry Labels[MaxLabels];
    int Count;
};

struct LabelRange {
    double Minimum;
    double Maximum;
    double Default;
};

struct LabelSizeLimits {
    LabelRange Width;
    LabelRange Length;
};

/* Indexed by LabelUnits. */
extern const LabelSizeLimits LabelSizeLimitsTable[LabelUnitsCount];

/* Both offsets, whatever the units; the default is written as "0". */
extern const LabelRange LabelOffsetRange;

/* The limits of `units`, or null for a code outside 0 to 2. */
const LabelSizeLimits* FindLabelSizeLimits(int units);

/* `value` converted between LabelUnits; an unknown code on either side
   returns it unchanged. */
double ConvertLabelUnits(double value, int fromUnits, int toUnits);

/*
 * The paper size a width or length text stands for, in tenths of a
 * millimetre, rounded half up.  A text with no leading number gives 0, and
 * a value beyond the 16-bit range saturates at its end instead of wrapping.
 */
int16_t LabelSizeInTenthsMm(const char* text, int units);

/* Removes leading and trailing ASCII white space in place. */
void TrimSpaces(char* text);

/*
 * Catalogue file.  A null path means the default catalogue.
 *
 * GetLabelCataloguePath: the default path, its folder created if missing;
 * release it with free().  Null when it cannot be composed.
 *
 * LoadLabelCatalogue: fills entries[0 .. count-1], returns the count
 * (0 to min(capacity, MaxLabels)); a missing, unreadable, oversized or
 * unparsable file is an empty catalogue.  Records from the count on are left
 * as they were.
 *
 * SaveLabelCatalogue: replaces the file with entries[0 .. count-1] in one
 * step: the whole text goes to a new file of this save's own beside the
 * catalogue, which is then renamed over it, so a reader anywhere reads the
 * old text or the new one, never a mixture, and two saves at once never
 * touch each other's files.  Where the file system cannot replace a file
 * that readers hold open (Wine), the rename is tried again for about two
 * seconds.  True only once the file holds the new text: every load that
 * starts afterwards reads it.  False when the text could not be written
 * whole or the file could not be replaced in that time; the file then holds
 * what it held before, no file of the save's is left, and the thread's last
 * error (errno on POSIX) says why: ERROR_ACCESS_DENIED (EACCES, EPERM) when
 * the system refuses this user the change, as a locked list does.
 *
 * Loads wait briefly for a writer that holds the file in a way that shuts
 * them out, rather than finding no labels for that instant.  The file is
 * never missing while a save replaces it, so a missing file is an empty
 * catalogue at once; a load of the default catalogue that finds it missing
 * makes its folder, as a save does.
 *
 * LoadLabelCatalogueToChange: the same load, always from the file itself,
 * never from a copy kept since an earlier load: for whoever changes the
 * catalogue and saves it back whole, so that the save never writes back a
 * list older than the file.
 *
 * OpenLabelCatalogueFile: the file at `path` (not null) open for reading in
 * byte mode, the way every load opens it, for callers that read the file
 * themselves.  Null when it cannot be opened; errno, or on Windows the
 * thread's last error, says why.
 */
wchar_t* GetLabelCataloguePath();
FILE* OpenLabelCatalogueFile(const wchar_t* path);
int LoadLabelCatalogue(LabelEntry* entries, int capacity, const wchar_t* path);
int LoadLabelCatalogueToChange(LabelEntry* entries, int capacity, const wchar_t* path);
bool SaveLabelCatalogue(const LabelEntry* entries, int count, const wchar_t* path);

#endif
