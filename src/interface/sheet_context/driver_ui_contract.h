/*
 * The printer-driver user-interface contract as the spooler and applications
 * call it.  The cross toolchain's headers lack these published structures and
 * prototypes, so they are declared here once, from the public driver
 * documentation.
 */
#ifndef PDR_SHEET_CONTEXT_DRIVER_UI_CONTRACT_H
#define PDR_SHEET_CONTEXT_DRIVER_UI_CONTRACT_H

#include <windows.h>
#include <winspool.h>
#include <compstui.h>
#include <winddiui.h>

#ifndef CDM_CONVERT
#define CDM_CONVERT 0x01
#define CDM_CONVERT351 0x02
#define CDM_DRIVER_DEFAULT 0x04
#endif

#ifndef DM_NOPERMISSION
#define DM_NOPERMISSION 0x0020
#endif

#ifndef DPS_NOPERMISSION
#define DPS_NOPERMISSION 0x0001
#endif

typedef struct _DOCUMENTPROPERTYHEADER {
    WORD cbSize;
    WORD Reserved;
    HANDLE hPrinter;
    LPTSTR pszPrinterName;
    PDEVMODE pdmIn;
    PDEVMODE pdmOut;
    DWORD cbOut;
    DWORD fMode;
} DOCUMENTPROPERTYHEADER, *PDOCUMENTPROPERTYHEADER;

typedef struct _DEVICEPROPERTYHEADER {
    WORD cbSize;
    WORD Flags;
    HANDLE hPrinter;
    LPTSTR pszPrinterName;
} DEVICEPROPERTYHEADER, *PDEVICEPROPERTYHEADER;

typedef struct _DEVQUERYPRINT_INFO {
    WORD cbSize;
    WORD Level;
    HANDLE hPrinter;
    DEVMODE* pDevMode;
    LPTSTR pszErrorStr;
    DWORD cchErrorStr;
    DWORD cchNeeded;
} DEVQUERYPRINT_INFO, *PDEVQUERYPRINT_INFO;

extern "C" {
LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM param);
LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM param);
DWORD WINAPI DrvDeviceCapabilities(HANDLE printer, PWSTR deviceName, WORD capability, PVOID output,
                                   PDEVMODEW devMode);
BOOL WINAPI DrvConvertDevMode(LPTSTR printerName, PDEVMODE devModeIn, PDEVMODE devModeOut, PLONG sizeInOut,
                              DWORD mode);
BOOL WINAPI DevQueryPrintEx(PDEVQUERYPRINT_INFO query);
BOOL WINAPI DrvPrinterEvent(LPWSTR printerName, INT event, DWORD flags, LPARAM param);
}

#endif
