/*
 * The installed driver's version text, as the installer records it in the
 * machine's registry; shown by the Device and About pages.
 */
#ifndef PDR_PAGES_DRIVER_VERSION_H
#define PDR_PAGES_DRIVER_VERSION_H

#include "pages/device_model.h"

/* Fills `text` (VersionTextCapacity wide characters) with the registry's
 * version text, or "0.0" when there is no usable one.  Returns true when
 * the registry's text was taken, false for the fallback. */
bool ReadDriverVersionText(wchar_t* text);

#endif
