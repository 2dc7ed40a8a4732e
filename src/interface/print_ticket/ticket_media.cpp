#include "print_ticket/ticket_media.h"

#include "print_ticket/ticket_values.h"
#include "settings/fallback_paper.h"

int ListTicketMedia(const DriverDevMode& merged, CatalogueLabels* labels, TicketMedia* media,
                    DriverDevMode* ownPaper)
{
    const int count = EnsureCatalogueLoaded(labels);
    int listed = 0;
    for (int i = 0; i < count && listed < MaxLabels; ++i) {
        const LabelEntry& label = labels->Labels[i];
        media[listed++] = {label.id, LabelSizeInTenthsMm(label.width, label.units) * MicronsPerTenthMm,
                           LabelSizeInTenthsMm(label.length, label.units) * MicronsPerTenthMm, &label,
                           nullptr};
    }
    if (merged.Public.dmPaperSize != PaperSizeUser)
        return listed;
    /* A record without a usable size is offered the paper the driver would
       hand it out with. */
    *ownPaper = merged;
    GiveRecordAUsablePaper(ownPaper);
    const PublicDevMode& pub = ownPaper->Public;
    media[listed++] = {PaperSizeUser, pub.dmPaperWidth * MicronsPerTenthMm,
                       pub.dmPaperLength * MicronsPerTenthMm, nullptr, pub.dmFormName};
    return listed;
}
