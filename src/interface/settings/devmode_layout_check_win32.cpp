/* The public part must be byte-for-byte the platform's DEVMODEW. */
#include <windows.h>
#include <stddef.h>

#include "settings/driver_devmode.h"

#define SAME_OFFSET(member) \
    static_assert(offsetof(DEVMODEW, member) == offsetof(PublicDevMode, member), #member)

static_assert(sizeof(DEVMODEW) == sizeof(PublicDevMode), "DEVMODEW size");
static_assert(sizeof(WCHAR) == sizeof(char16_t), "UTF-16 units");
SAME_OFFSET(dmDeviceName);
SAME_OFFSET(dmSpecVersion);
SAME_OFFSET(dmDriverVersion);
SAME_OFFSET(dmSize);
SAME_OFFSET(dmDriverExtra);
SAME_OFFSET(dmFields);
SAME_OFFSET(dmOrientation);
SAME_OFFSET(dmPaperSize);
SAME_OFFSET(dmPaperLength);
SAME_OFFSET(dmPaperWidth);
SAME_OFFSET(dmScale);
SAME_OFFSET(dmCopies);
SAME_OFFSET(dmDefaultSource);
SAME_OFFSET(dmPrintQuality);
SAME_OFFSET(dmColor);
SAME_OFFSET(dmDuplex);
SAME_OFFSET(dmYResolution);
SAME_OFFSET(dmTTOption);
SAME_OFFSET(dmCollate);
SAME_OFFSET(dmFormName);
SAME_OFFSET(dmLogPixels);
SAME_OFFSET(dmBitsPerPel);
SAME_OFFSET(dmPelsWidth);
SAME_OFFSET(dmPelsHeight);
SAME_OFFSET(dmNup);
SAME_OFFSET(dmDisplayFrequency);
SAME_OFFSET(dmICMMethod);
SAME_OFFSET(dmICMIntent);
SAME_OFFSET(dmMediaType);
SAME_OFFSET(dmDitherType);
SAME_OFFSET(dmReserved1);
SAME_OFFSET(dmReserved2);
SAME_OFFSET(dmPanningWidth);
SAME_OFFSET(dmPanningHeight);
static_assert(DmFieldOrientation == DM_ORIENTATION && DmFieldPaperSize == DM_PAPERSIZE &&
                  DmFieldPaperLength == DM_PAPERLENGTH && DmFieldPaperWidth == DM_PAPERWIDTH &&
                  DmFieldCopies == DM_COPIES && DmFieldDefaultSource == DM_DEFAULTSOURCE &&
                  DmFieldColor == DM_COLOR && DmFieldDuplex == DM_DUPLEX && DmFieldTTOption == DM_TTOPTION &&
                  DmFieldFormName == DM_FORMNAME,
              "dmFields bits");
