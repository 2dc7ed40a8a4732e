/*
 * The paper a record falls back to when it has no usable one: 4 x 6 inches
 * under the form name "Default".  A merge gives it to a record whose paper
 * it cannot resolve; the driver gives it to a record of its own making
 * before handing that out, because paper 256 of size 0 x 0 is a paper no
 * application can show, look up or print on.
 */
#ifndef PDR_SETTINGS_FALLBACK_PAPER_H
#define PDR_SETTINGS_FALLBACK_PAPER_H

#include "settings/driver_devmode.h"

/* Both the width and the length are greater than 0. */
bool HasUsablePaperSize(const PublicDevMode& pub);

/* Paper size 256, form name "Default", 1016 x 1524.  dmFields are the
 * caller's business. */
void UseFallbackPaper(PublicDevMode& pub);

/* A current-layout record naming paper 256 with a width or length of 0 or
 * less gets the fallback paper and the four paper bits in dmFields, as a
 * merge leaves such a record.  Any other record is left as it is. */
void GiveRecordAUsablePaper(DriverDevMode* record);

#endif
