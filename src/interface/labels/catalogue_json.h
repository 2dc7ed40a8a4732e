/*
 * The catalogue's JSON text: parsing it into labels, with the repairs that
 * make any input a usable catalogue, and rendering labels into the exact
 * bytes of the file.  Platform-neutral; the file shells call these.
 */
#ifndef PDR_LABELS_CATALOGUE_JSON_H
#define PDR_LABELS_CATALOGUE_JSON_H

#include <stddef.h>
#include <stdio.h>

#include "labels/catalogue_repairs.h"
#include "labels/label_catalogue.h"

struct cJSON;

enum LabelNumberStyle {
    TwoDecimals, /* "%2.2f" */
    WholeNumber, /* "%d" */
};

/*
 * Fills `field` from the string member `key` of `object` when its text fits
 * and its value lies in `range`; otherwise writes the range's default in
 * `style`.  A string too long for the field becomes the empty text, whose
 * value is 0.
 */
void ReadLabelNumberText(char* field, size_t fieldSize, const cJSON* object, const char* key,
                         const LabelRange& range, LabelNumberStyle style);

/* The whole part of number member `key` when it lies in [minimum, maximum],
   else `defaultValue`; members of any other type give the default. */
int ReadLabelInteger(const cJSON* object, const char* key, int minimum, int maximum, int defaultValue);

/* One label from `child` at 0-based file position `position`, its
   settings included; each repair is told to `repairs` when given. */
void ReadLabelEntry(LabelEntry* entry, const cJSON* child, int position,
                    const LabelRepairSink* repairs = nullptr);

/*
 * The "settings" member of the label object `object` into `settings`: the
 * settings of the right JSON type and within their ranges are kept; any
 * other is left out, and a "settings" that is not an object leaves the
 * label without settings, each told to `repairs` when given as a repair of
 * the label `entry` at `position`.  No member (or no object) gives no
 * settings and no repair.
 */
void ReadLabelSettingsMember(LabelSettings* settings, const cJSON* object, const LabelEntry* entry,
                             int position, const LabelRepairSink* repairs);

/* Adds the member "settings" with the settings present, in the order of
 * LabelSettingRules, to the label object `object`; nothing when no setting
 * is present.  False when memory ran out. */
bool AddLabelSettingsMember(cJSON* object, const LabelSettings& settings);

/*
 * Parses the NUL-terminated `text` into at most min(capacity, MaxLabels)
 * entries and returns how many were filled.  Anything after the first JSON
 * value is ignored; no value gives 0.
 */
int ParseLabelCatalogue(const char* text, LabelEntry* entries, int capacity);

/*
 * The same parse of a text of `length` bytes (a NUL after them), telling
 * each repair to `repairs` when given.  Bytes after a NUL inside the text
 * are never parsed; they count as text after the value.
 */
int ParseLabelCatalogueReporting(const char* text, size_t length, LabelEntry* entries, int capacity,
                                 const LabelRepairSink* repairs);

/*
 * Reads the whole of an open file and parses it.  A file whose size cannot be
 * taken, or that is larger than MaxLabelCatalogueBytes, gives 0.  Each
 * repair is told to `repairs` when given.
 */
int ReadLabelCatalogueStream(FILE* file, LabelEntry* entries, int capacity,
                             const LabelRepairSink* repairs = nullptr);

/*
 * The file text of entries[0 .. count-1], or null when `count` is outside
 * 0 to MaxLabels or memory ran out.  Release it with
 * ReleaseLabelCatalogueText.
 */
char* RenderLabelCatalogue(const LabelEntry* entries, int count);
void ReleaseLabelCatalogueText(char* text);

#endif
