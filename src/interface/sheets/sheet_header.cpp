#include "sheets/sheet_header.h"

#include "resources/module_instance.h"
#include "sheet_context/sheet_context.h"

void FillSheetInfoHeader(PROPSHEETUI_INFO_HEADER* header, LPWSTR printerName)
{
    header->Flags = PSUIHDRF_NOAPPLYNOW | PSUIHDRF_PROPTITLE;
    header->pTitle = printerName;
    header->hInst = ModuleInstance();
    header->IconID = SheetIconId;
}

LONG AnswerCommonSheetReason(PROPSHEETUI_INFO* info, LPARAM param, LPWSTR printerName)
{
    switch (info->Reason) {
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
        FillSheetInfoHeader(reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(param), printerName);
        return 1;
    case PROPSHEETUI_REASON_DESTROY:
        DestroySheetContext(reinterpret_cast<SheetContext*>(info->UserData));
        info->UserData = 0;
        return 1;
    default:
        return -1;
    }
}
