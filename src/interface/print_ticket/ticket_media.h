/*
 * The papers a ticket's paper feature offers: every catalogue label, in
 * file order, and after them the record's own size when the record names
 * paper 256, as the capability lists answer.
 */
#ifndef PDR_PRINT_TICKET_TICKET_MEDIA_H
#define PDR_PRINT_TICKET_TICKET_MEDIA_H

#include <stdint.h>

#include "settings/catalogue_labels.h"
#include "settings/driver_devmode.h"

struct TicketMedia {
    int32_t PaperSize; /* a label's id, or 256 */
    int64_t WidthMicrons;
    int64_t LengthMicrons;
    const LabelEntry* Label;     /* its label, or null for the record's own size */
    const char16_t* OwnFormName; /* the record's form name, for the own size */
};

enum { MaxTicketMedia = MaxLabels + 1 };

/* Fills `media` (MaxTicketMedia entries) for a merged record; returns the
 * count.  The own size's form name points into `ownPaper`, which the
 * caller keeps while it uses the list. */
int ListTicketMedia(const DriverDevMode& merged, CatalogueLabels* labels, TicketMedia* media,
                    DriverDevMode* ownPaper);

#endif
