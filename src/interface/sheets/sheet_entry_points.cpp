/* Property-sheet entry points; the sheets themselves are not built yet. */
#include "sheets/driver_ui_contract.h"

extern "C" LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO, LPARAM)
{
    return -1;
}

extern "C" LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO, LPARAM)
{
    return -1;
}

extern "C" BOOL WINAPI DrvPrinterEvent(LPWSTR, INT, DWORD, LPARAM)
{
    return FALSE;
}
