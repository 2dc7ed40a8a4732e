/*
 * What the loader changed while reading a catalogue: every default it put in
 * place of a member, every text it emptied, and everything in the file it
 * did not read.  The loader itself reports them as it makes them, so a
 * report can never disagree with what a load gives.  Platform-neutral.
 */
#ifndef PDR_LABELS_CATALOGUE_REPAIRS_H
#define PDR_LABELS_CATALOGUE_REPAIRS_H

#include "labels/label_catalogue.h"

enum class LabelRepairKind {
    /* The whole file. */
    FileUnreadable, /* its size could not be taken: no labels */
    FileTooLarge,   /* over MaxLabelCatalogueBytes: no labels; detail = size */
    EmptyText,      /* nothing but white space: no labels */
    NotJson,        /* no JSON value at its start: no labels */
    NotAnArray,     /* the value is not an array; its children, if any, were read */
    TextAfterValue, /* ignored; detail = byte offset where it starts */
    TooManyLabels,  /* children from `position` on ignored; detail = how many children */
    /* One label at `position`. */
    NotAnObject,    /* every member is a default */
    MemberMissing,  /* `member` absent: its default */
    WrongType,      /* `member` of another JSON type: its default */
    TextTooLong,    /* `member`'s string does not fit its field: emptied, then checked */
    OutOfRange,     /* `member`'s value outside its range: its default */
    NotWholeNumber, /* `member` has a fraction: its whole part */
    /* The label's "settings" (labels/label_settings.h); the label itself
     * and its other settings are kept. */
    SettingsNotAnObject, /* "settings" is not an object: the label has no settings */
    SettingWrongType,    /* setting `member` of another JSON type: left out */
    SettingOutOfRange,   /* setting `member` not whole or outside its range: left out */
};

struct LabelRepairNote {
    LabelRepairKind kind;
    /* 0-based position of the label in the file; -1 for the whole file. */
    int position;
    /* The member's key as the loader looks it up, or null. */
    const char* member;
    /* The member's text when it was a string, or for a setting the JSON
     * text of its value when that is short; valid during the report only. */
    const char* found;
    /* The label as read so far: the reported member already holds the value
     * the loader gave it.  Null for the whole file. */
    const LabelEntry* entry;
    long long detail;
};

/* Called once per repair, in file order. */
struct LabelRepairSink {
    void (*report)(void* context, const LabelRepairNote& note);
    void* context;
};

/* Tells `repairs`, when there is one, of one repair. */
void ReportLabelRepair(const LabelRepairSink* repairs, const LabelRepairNote& note);

/* True for the repairs after which part of the file was not read at all, so
 * that saving the loaded labels would drop it; the others put a default in
 * place of one member that was unusable anyway. */
bool RepairIgnoresFileContent(LabelRepairKind kind);

#endif
