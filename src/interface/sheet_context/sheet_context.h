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

/* The red, green and blue level sliders of the Color page. */
enum { ColorChannelCount = 3 };

struct SheetContext {
    HANDLE PrinterHandle;            /* the caller's; never closed here */
    HANDLE SheetHeap;                /* holds this context */
    PFNCOMPROPSHEET HostCallback;    /* the sheet host's callback ... */
    HANDLE HostHandle;               /* ... and its first argument */
    DriverDevMode WorkingDevMode;    /* what the pages show and change */
    DEVMODEW* CallerDevModeIn;       /* the caller's input record, or none */
    DEVMODEW* CallerDevModeOut;      /* the caller's output record, or none */
    uint32_t CallerMode;             /* DM_UPDATE, DM_COPY, DM_NOPERMISSION, ... */
    ::PrinterOptions PrinterOptions; /* read when the context was created */
    /* What the Color page keeps while the sheet is open, and the colour
     * mode it shares with the Halftone page. */
    HBRUSH ChannelBrush[ColorChannelCount];      /* slider colours while the page is active */
    uint32_t WorkCustomColors[CustomColorCount]; /* the colour chooser's, until apply */
    uint32_t WorkSpotColors[PrintHeadCount];     /* the heads' spot colours, until apply */
    uint32_t LiveColorMode;                      /* the mode now clicked: 0 process, 1 spot */
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

/* Writes "Pullback", and "Cutter" only once "Pullback" was accepted, each as
 * a 4-byte REG_DWORD.  True when both were written. */
bool WriteDeviceOptions(HANDLE printer, const PrinterOptions* options);

/* Adds the "Custom" form unless the printer's data says it was added. */
void EnsureCustomForm(HANDLE printer);

#endif
