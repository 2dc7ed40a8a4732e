/* What the document and the device sheet answer the sheet host alike. */
#ifndef PDR_SHEETS_SHEET_HEADER_H
#define PDR_SHEETS_SHEET_HEADER_H

#include "sheet_context/driver_ui_contract.h"

/* A stock icon of the sheet host. */
enum { SheetIconId = 64082 };

void FillSheetInfoHeader(PROPSHEETUI_INFO_HEADER* header, LPWSTR printerName);

/* The reasons both sheets answer alike: the title request and the end of
 * the sheet.  Any other reason is not answered (-1). */
LONG AnswerCommonSheetReason(PROPSHEETUI_INFO* info, LPARAM param, LPWSTR printerName);

#endif
