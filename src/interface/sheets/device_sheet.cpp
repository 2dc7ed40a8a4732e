/* DrvDevicePropertySheets: the printer's properties, one page. */
#include "sheet_context/printer_handle.h"
#include "sheet_context/sheet_context.h"
#include "sheet_context/spooler_calls.h"
#include "sheets/sheet_header.h"
#include "sheets/sheet_page_table.h"
#include "sheets/sheet_pages.h"

namespace {

/* Changing a printer's data needs the right to administer it; a write the
 * spooler refuses tells the page to expect its own writes to fail. */
void ProbePermission(HANDLE printer, DEVICEPROPERTYHEADER* header)
{
    DWORD probe = 1;
    if (Spooler().SetPrinterData(printer, const_cast<LPWSTR>(L"Permission"), REG_DWORD,
                                 reinterpret_cast<LPBYTE>(&probe), sizeof(probe)) != ERROR_SUCCESS)
        header->Flags |= DPS_NOPERMISSION;
}

LONG InitialiseSheet(PROPSHEETUI_INFO* info, DEVICEPROPERTYHEADER* header)
{
    CallPrinter printer = AcquireCallPrinter(header->hPrinter, header->pszPrinterName);
    SheetContext* context = CreateSheetContext(printer.Handle, nullptr);
    if (context == nullptr) {
        ReleaseCallPrinter(printer);
        return -1;
    }
    context->PrinterOpenedHere = printer.OpenedHere;
    context->HostCallback = info->pfnComPropSheet;
    context->HostHandle = info->hComPropSheet;
    ReadPrinterOptions(context->PrinterHandle, &context->PrinterOptions);
    if (!AddSheetPage(context, DeviceSheetPage.TemplateId, DeviceSheetPage.Procedure,
                      DeviceSheetPage.TitleId))
        return 0;
    info->UserData = reinterpret_cast<ULONG_PTR>(context);
    info->Result = 0;
    ProbePermission(context->PrinterHandle, header);
    return 1;
}

}  // namespace

extern "C" LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM param)
{
    auto* header = info != nullptr ? reinterpret_cast<DEVICEPROPERTYHEADER*>(info->lParamInit) : nullptr;
    if (header == nullptr)
        return -1;
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT:
        return InitialiseSheet(info, header);
    case PROPSHEETUI_REASON_SET_RESULT:
        info->Result = reinterpret_cast<const SETRESULT_INFO*>(param)->Result;
        return 1;
    default:
        return AnswerCommonSheetReason(info, param, header->pszPrinterName);
    }
}
