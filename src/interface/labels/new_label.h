/*
 * Reading a new label from the texts someone typed for it.  The Manage
 * Labels dialog (Add and Modify) and the command-line tool (`add`) both read
 * through ReadNewLabel, so a label one of them refuses the other refuses too,
 * for the same reason and at the same field.  Each caller words the refusal
 * in its own way.  Platform-neutral.
 */
#ifndef PDR_LABELS_NEW_LABEL_H
#define PDR_LABELS_NEW_LABEL_H

#include <stddef.h>

#include "labels/label_catalogue.h"
#include "labels/label_edit_rules.h"

/* One text as its caller received it. */
struct NewLabelText {
    /* 8-bit text in the system's code page; null when it was not given at
       all: an offset not given reads as "0", any other text as empty. */
    const char* Text;
    /* False when what was typed cannot be written in the system's code
       page, so `Text` is not what was meant. */
    bool Representable;
};

/* The texts of one new label and the units its sizes are typed in. */
struct NewLabelTexts {
    NewLabelText Name;
    NewLabelText Width;
    NewLabelText Length;
    NewLabelText HorizontalOffset;
    NewLabelText VerticalOffset;
    int Units; /* LabelUnits */
};

/* The fields in the order they are read. */
enum class NewLabelField { Name, Width, Length, HorizontalOffset, VerticalOffset };

/* Why a field was refused. */
enum class NewLabelProblem {
    EmptyName,        /* the name is empty once trimmed */
    TooLong,          /* the trimmed text does not fit its field of LabelEntry */
    NotRepresentable, /* the text was not given in the system's code page */
    OutOfRange,       /* the number lies outside the field's range */
};

/* The first refusal of a reading. */
struct NewLabelRefusal {
    NewLabelField Field;
    NewLabelProblem Problem;
    /* The refused number field's range as editors show it (FormatRangeText
       of the units' limits, or FormatOffsetRangeText); empty for the name. */
    char Range[LabelRangeTextSize];
};

/*
 * Reads `texts` into `label`, every field but the id.  Each text loses its
 * leading and trailing white space as TrimSpaces removes it; then the
 * fields are checked in the order of NewLabelField:
 *   name: not representable, empty, too long (any other byte is accepted,
 *     control characters included: the file writes them as escapes);
 *   width and length: not representable, too long, outside the limits of
 *     `texts.Units` (LimitsOfUnits, compared with IsDecimalInRange);
 *   offsets: not representable, too long, outside LabelOffsetRange.
 * Sizes are kept as trimmed; offsets as NormaliseOffsetText writes them.
 * True when every field is accepted.  Otherwise false at the first refusal,
 * described in `refusal`; `label` then holds the fields accepted before it,
 * and its other fields are not meaningful.
 */
bool ReadNewLabel(const NewLabelTexts& texts, LabelEntry* label, NewLabelRefusal* refusal);

/* Whether `field` was read and accepted by a reading that stopped at
 * `refusal`: it comes before the refused field. */
bool AcceptedBeforeRefusal(NewLabelField field, const NewLabelRefusal& refusal);

/* Whether `name` holds a control character (a byte below 32, or 127).
 * Such a name is accepted like any other; an editor may say that it will
 * not show on one line. */
bool HasControlCharacter(const char* name);

#endif
