/*
 * The Device page of the printer's properties: the driver's version and the
 * hardware options the printer has, which every later sheet reads into its
 * PrinterOptions.
 */
#ifndef PDR_PAGES_DEVICE_PAGE_H
#define PDR_PAGES_DEVICE_PAGE_H

#include "sheet_context/sheet_context.h"

/* Initialisation: the version text and the two option boxes. */
void ShowDeviceOptions(HWND page, const SheetContext* context);

/* Apply: the boxes into the context's PrinterOptions, then into the
 * printer's data. */
void StoreDeviceOptions(HWND page, SheetContext* context);

/* Writes "Pullback", and "Cutter" only once "Pullback" was accepted.
 * Returns 1 when both were written, 0 otherwise. */
int WriteDeviceOptions(HANDLE printer, const PrinterOptions* options);

#endif
