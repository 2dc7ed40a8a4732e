/*
 * A print ticket's settings laid over a settings record, and the
 * validation of a ticket: both follow the record's rules, so that what a
 * ticket gives is what the pages and the merge would have given.
 */
#ifndef PDR_PRINT_TICKET_TICKET_CONVERSION_H
#define PDR_PRINT_TICKET_TICKET_CONVERSION_H

#include "print_ticket/ticket_values.h"
#include "settings/catalogue_labels.h"
#include "settings/printer_options.h"

/*
 * Writes the present values into `record` (a merged record).  A value
 * outside its setting's range writes the setting's default, as the merge
 * repairs a record; an option that shows as the record's value already
 * keeps the record's value (the pages show every pullback mode but
 * Automatic as Manual).  The paper is written only when it differs from the
 * record's: a label's id, or 256 with its size in whole tenths of a
 * millimetre (a size outside 1..32767 tenths is left out).  Returns the
 * number of values brought into range or left out; true when the paper
 * changed is given in `paperChanged` (may be null).
 */
int ApplyTicketValues(const TicketValues& values, DriverDevMode* record, bool* paperChanged);

/*
 * The record a ticket gives: `base` (a merged record) with the ticket's
 * values, and, when the ticket changed the paper, merged again into fresh
 * defaults so that a label is resolved as for any record naming it.  On a
 * catalogue label the label name is the catalogue's, as the merge gives it,
 * whatever the ticket's name text says (which may lack bytes a document
 * cannot carry).  False only when that merge fails.
 */
bool ConvertTicketToRecord(const TicketValues& values, const DriverDevMode& base, DriverDevMode* out,
                           CatalogueLabels* labels);

/* Settings of a hardware option that is not installed switched off, as the
 * pages lock them: returns how many were changed. */
int ResolveTicketDependencies(const PrinterOptions& options, DriverDevMode* record);

/*
 * Validates a ticket: its values over the driver's defaults, merged, with
 * the dependencies resolved.  `values` become every setting of the result.
 * Returns how many of the values the ticket carried came out different
 * (0: the ticket was valid as it was; a label name that follows a label's
 * paper is no difference), or -1 when the record could not be merged.
 */
int ValidateTicketValues(TicketValues* values, const PrinterOptions& options, CatalogueLabels* labels);

#endif
