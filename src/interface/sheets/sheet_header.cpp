#include "sheets/sheet_header.h"

#include "sheets/module_instance.h"

void FillSheetInfoHeader(PROPSHEETUI_INFO_HEADER* header, LPWSTR printerName)
{
    header->Flags = PSUIHDRF_NOAPPLYNOW | PSUIHDRF_PROPTITLE;
    header->pTitle = printerName;
    header->hInst = ModuleInstance();
    header->IconID = SheetIconId;
}
