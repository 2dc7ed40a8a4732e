#include "settings/fallback_paper.h"

#include "settings/devmode_bytes.h"
#include "text/bounded_text.h"

namespace {

const char16_t FallbackFormName[] = u"Default";

}  // namespace

bool HasUsablePaperSize(const PublicDevMode& pub)
{
    return pub.dmPaperWidth > 0 && pub.dmPaperLength > 0;
}

void UseFallbackPaper(PublicDevMode& pub)
{
    pub.dmPaperSize = PaperSizeUser;
    CopyTextBounded(pub.dmFormName, FormNameChars, FallbackFormName);
    pub.dmPaperWidth = FallbackPaperWidth;
    pub.dmPaperLength = FallbackPaperLength;
}

void GiveRecordAUsablePaper(DriverDevMode* record)
{
    if (!IsCurrentLayout(record))
        return;
    PublicDevMode& pub = record->Public;
    if (pub.dmPaperSize != PaperSizeUser || HasUsablePaperSize(pub))
        return;
    UseFallbackPaper(pub);
    pub.dmFields |= ValidatedPaperFields;
}
