/*
 * The state of one open property sheet (or of one silent document-settings
 * call).  It lives in a private heap of its own, so that closing the sheet,
 * whichever way it closes, frees it and everything allocated beside it with
 * one heap destruction.
 */
#ifndef PDR_SHEET_CONTEXT_SHEET_CONTEXT_H
#define PDR_SHEET_CONTEXT_SHEET_CONTEXT_H

#include <stdint.h>

#include "settings/driver_devmode.h"
#include "settings/printer_options.h"
#include "sheet_context/driver_ui_contract.h"

struct SheetContext {
    HANDLE PrinterHandle;           /* the caller's; never closed here */
    HANDLE SheetHeap;               /* holds this context */
    PFNCOMPROPSHEET HostCallback;
    HANDLE HostHandle;
    DriverDevMode WorkingDevMode;
    DEVMODEW* CallerDevModeIn;
    DEVMODEW* CallerDevModeOut;
    uint32_t CallerMode;            /* DM_UPDATE, DM_COPY, DM_NOPERMISSION, ... */
    ::PrinterOptions PrinterOptions;
    /* Shared by the Color and Halftone pages. */
    HBRUSH ChannelBrush[3];
    uint32_t WorkCustomColors[16];
    uint32_t WorkSpotColors[4];
    uint32_t LiveColorMode;
    /* The printer was opened by name for this sheet and is closed with it. */
    bool PrinterOpenedHere;
};

/* Builds the working record from the defaults, the printer's stored record
 * and the caller's record.  Null when the heap, the context or the printer's
 * information cannot be had. */
SheetContext* CreateSheetContext(HANDLE printer, const DEVMODEW* callerRecord);

/* Frees the context with its heap; a null context is ignored. */
void DestroySheetContext(SheetContext* context);

/* Reads "Pullback" and "Cutter"; a value that cannot be read counts as not
 * installed. */
void ReadPrinterOptions(HANDLE printer, PrinterOptions* options);

/* Adds the "Custom" form unless the printer's data says it was added. */
void EnsureCustomForm(HANDLE printer);

#endif
