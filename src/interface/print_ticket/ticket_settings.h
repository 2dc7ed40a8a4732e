/*
 * The one table between the settings record and the features, options and
 * parameters of a print ticket: every setting the pages show, its name in
 * the keyword or the driver's own namespace, which field of the record it
 * sets and how its values read.  Capabilities, both conversions and the
 * validation all walk this table, so a setting added later is added here
 * once.  Ranges and defaults are those of the record's limits table.
 */
#ifndef PDR_PRINT_TICKET_TICKET_SETTINGS_H
#define PDR_PRINT_TICKET_TICKET_SETTINGS_H

#include <stddef.h>
#include <stdint.h>

#include "settings/driver_devmode.h"
#include "settings/printer_options.h"

/* Where a name lives: the schema's keywords or the driver's namespace. */
enum class TicketSpace : uint8_t { Keywords, Private };

/* Paper: one option per catalogue label (and the record's own size);
 * Choice: a pick-one feature; Number: an integer parameter; Text: a string
 * parameter. */
enum class TicketKind : uint8_t { Paper, Choice, Number, Text };

/* The hardware option a setting belongs to; without it the pages lock it. */
enum class TicketHardware : uint8_t { None, Pullback, Cutter };

/* One option of a pick-one feature: its local name, the record value it
 * stands for, and the string id of its display name (0: none). */
struct TicketChoice {
    const char* Name;
    int32_t Value;
    int StringId;
};

struct TicketSetting {
    const char* Name; /* local name within Space */
    TicketSpace Space;
    TicketKind Kind;
    uint16_t Offset; /* byte offset of the field in the whole record */
    uint8_t Width;   /* bytes: 2 or 4 (the text's capacity for Text) */
    bool Signed;
    const TicketChoice* Choices; /* Choice only */
    uint8_t ChoiceCount;
    int StringId;         /* display name */
    const char* Unit;     /* Number only: the parameter's unit */
    TicketHardware Needs; /* the option it belongs to */
};

extern const TicketSetting TicketSettings[];
extern const int TicketSettingCount;
enum { MaxTicketSettings = 64 };

/* The valid values of a Number or Choice setting and the value a record
 * gets when a ticket's is outside them. */
struct TicketRange {
    int64_t Minimum;
    int64_t Maximum;
    int64_t Default;
};

/* Index of the setting named `name` in `space`, or -1. */
int FindTicketSetting(TicketSpace space, const char* name);

/* Index of the paper setting (the one of kind Paper). */
int PaperTicketSetting();

/* Index of the option named `name` of a Choice setting, or -1. */
int FindTicketChoice(const TicketSetting& setting, const char* name);

/* The option a record value shows as: the one holding the value, else the
 * first (the pages show an unknown pullback mode as the first, Manual). */
int ChoiceShowingValue(const TicketSetting& setting, int64_t value);

/* Range and default of a Number or Choice setting, from the record's limits
 * table where it has the field; {0, -1, 0} for Paper and Text. */
TicketRange TicketSettingRange(const TicketSetting& setting);

/* The field's value in `record`, sign-extended when the field is signed. */
int64_t ReadTicketField(const DriverDevMode& record, const TicketSetting& setting);

/* Stores `value` into the field (cut to its width). */
void WriteTicketField(DriverDevMode* record, const TicketSetting& setting, int64_t value);

/* Whether the printer's options let a user change the setting. */
bool TicketSettingAvailable(const TicketSetting& setting, const PrinterOptions& options);

#endif
