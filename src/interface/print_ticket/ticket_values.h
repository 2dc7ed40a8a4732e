/*
 * The settings one print ticket carries, by the mapping table's order, and
 * how the names and value texts a ticket reader finds become them.  A name
 * or value the driver does not know is left out, as if the ticket had not
 * carried it.
 */
#ifndef PDR_PRINT_TICKET_TICKET_VALUES_H
#define PDR_PRINT_TICKET_TICKET_VALUES_H

#include <stddef.h>
#include <stdint.h>

#include "labels/label_catalogue.h"
#include "print_ticket/ticket_settings.h"

/* The paper a ticket names: a label id, or 256 with its own size. */
struct TicketPaper {
    int32_t PaperSize;
    int64_t WidthMicrons; /* 256 only */
    int64_t LengthMicrons;
};

struct TicketValue {
    bool Present;
    int64_t Number; /* a Number's value, a Choice's option value */
};

struct TicketValues {
    TicketValue Values[MaxTicketSettings]; /* indexed like TicketSettings */
    TicketPaper Paper;                     /* when the paper setting is present */
    char Text[LabelNameSize];              /* the Text setting's bytes, NUL-terminated */
};

/* Micrometres per tenth of a millimetre, the record's paper unit. */
constexpr int64_t MicronsPerTenthMm = 100;

/* Nothing present. */
void ClearTicketValues(TicketValues* values);

/* Every setting present, as the (merged) record holds it. */
void TicketValuesFromRecord(const DriverDevMode& record, TicketValues* values);

/* The paper option's local name for a paper size: "Label<id>" for a label
 * id, "UserSize" for 256.  False (and an empty name) for any other size or
 * a name that does not fit `capacity`. */
bool FormatMediaOptionName(int32_t paperSize, char* name, size_t capacity);

/* The paper size an option name of the driver's namespace stands for, or
 * -1 for a name that is not one of FormatMediaOptionName's. */
int32_t PaperSizeFromMediaOptionName(const char* name);

/* A feature's option as a ticket names it.  False when the feature or the
 * option is unknown (nothing is taken). */
bool TakeTicketOption(TicketValues* values, TicketSpace featureSpace, const char* feature,
                      TicketSpace optionSpace, const char* option);

/* The paper option with the texts of its width and height properties (may
 * be null; only the record's own size, 256, needs them). */
bool TakeTicketMediaSize(TicketValues* values, TicketSpace optionSpace, const char* option,
                         const char* widthText, const char* heightText);

/* A parameter's value text: an integer for a Number (an optional sign and
 * decimal digits, surrounding white space allowed; a value beyond 64 bits
 * saturates), the bytes as they are for the Text setting.  False for an
 * unknown parameter or a text that is no integer. */
bool TakeTicketParameter(TicketValues* values, TicketSpace space, const char* name, const char* valueText);

/* The whole-number value of `text` as TakeTicketParameter reads it. */
bool ParseTicketInteger(const char* text, int64_t* value);

#endif
