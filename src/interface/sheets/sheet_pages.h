/* Adding the pages of a sheet to the sheet host. */
#ifndef PDR_SHEETS_SHEET_PAGES_H
#define PDR_SHEETS_SHEET_PAGES_H

#include "sheet_context/sheet_context.h"

/* Creates a page of this library's dialog template and hands it to the
 * sheet host.  On failure the context is destroyed and false returned. */
bool AddSheetPage(SheetContext* context, int templateId, DLGPROC procedure, int titleId);

#endif
