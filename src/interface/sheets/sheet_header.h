/* The sheet host's title and icon request, alike for both sheets. */
#ifndef PDR_SHEETS_SHEET_HEADER_H
#define PDR_SHEETS_SHEET_HEADER_H

#include "sheets/driver_ui_contract.h"

/* A stock icon of the sheet host. */
enum { SheetIconId = 64082 };

void FillSheetInfoHeader(PROPSHEETUI_INFO_HEADER* header, LPWSTR printerName);

#endif
