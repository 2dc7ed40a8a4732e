/* The pages of the two sheets, in the order the sheets show them. */
#ifndef PDR_SHEETS_SHEET_PAGE_TABLE_H
#define PDR_SHEETS_SHEET_PAGE_TABLE_H

#include <windows.h>

struct SheetPage {
    int TemplateId;
    DLGPROC Procedure;
    int TitleId;
};

enum { DocumentSheetPageCount = 7 };

extern const SheetPage DocumentSheetPages[DocumentSheetPageCount];
extern const SheetPage DeviceSheetPage;

#endif
