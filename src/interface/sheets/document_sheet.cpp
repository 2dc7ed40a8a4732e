/* DrvDocumentPropertySheets: the printing preferences of a document. */
#include "settings/devmode_ops.h"
#include "sheet_context/printer_handle.h"
#include "sheet_context/sheet_context.h"
#include "sheets/sheet_header.h"
#include "sheets/sheet_page_table.h"
#include "sheets/sheet_pages.h"

namespace {

const LONG DocumentRecordSize = DriverDevModeSize;

bool AsksForRecord(DWORD mode)
{
    return (mode & (DM_UPDATE | DM_COPY)) != 0;
}

SheetContext* CreateContextFor(DOCUMENTPROPERTYHEADER* header)
{
    CallPrinter printer = AcquireCallPrinter(header->hPrinter, header->pszPrinterName);
    SheetContext* context = CreateSheetContext(printer.Handle, header->pdmIn);
    if (context == nullptr)
        ReleaseCallPrinter(printer);
    else
        context->PrinterOpenedHere = printer.OpenedHere;
    return context;
}

/* A call without a sheet: sizes, or the validated record without showing
 * anything. */
LONG AnswerSilently(DOCUMENTPROPERTYHEADER* header)
{
    header->cbOut = DocumentRecordSize;
    if (header->fMode == 0 || header->pdmOut == nullptr)
        return DocumentRecordSize;
    SheetContext* context = CreateContextFor(header);
    if (context == nullptr)
        return -1;
    LONG result = 1;
    // An input record of no known layout also shapes the output; nothing
    // usable can be written then, and success must not be claimed.
    if (AsksForRecord(header->fMode) &&
        !CopyDevModeOut(&context->WorkingDevMode, header->pdmIn, header->pdmOut))
        result = -1;
    DestroySheetContext(context);
    return result;
}

LONG InitialiseSheet(PROPSHEETUI_INFO* info, DOCUMENTPROPERTYHEADER* header)
{
    SheetContext* context = CreateContextFor(header);
    if (context == nullptr)
        return -1;
    context->HostCallback = info->pfnComPropSheet;
    context->HostHandle = info->hComPropSheet;
    context->CallerDevModeIn = header->pdmIn;
    context->CallerDevModeOut = header->pdmOut;
    context->CallerMode = header->fMode;
    ReadPrinterOptions(context->PrinterHandle, &context->PrinterOptions);
    for (const SheetPage& page : DocumentSheetPages) {
        // A failed page has destroyed the context already.
        if (!AddSheetPage(context, page.TemplateId, page.Procedure, page.TitleId))
            return 0;
    }
    info->UserData = reinterpret_cast<ULONG_PTR>(context);
    info->Result = 0;
    return 1;
}

LONG FinishSheet(PROPSHEETUI_INFO* info, DOCUMENTPROPERTYHEADER* header, const SETRESULT_INFO* result)
{
    auto* context = reinterpret_cast<SheetContext*>(info->UserData);
    // A caller may ask for DM_UPDATE without giving an output record.
    if (result->Result == CPSUI_OK && AsksForRecord(header->fMode) && context != nullptr &&
        header->pdmOut != nullptr)
        CopyDevModeOut(&context->WorkingDevMode, header->pdmIn, header->pdmOut);
    info->Result = result->Result;
    return 1;
}

}  // namespace

extern "C" LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM param)
{
    auto* header = reinterpret_cast<DOCUMENTPROPERTYHEADER*>(info != nullptr ? info->lParamInit : param);
    if (header == nullptr)
        return -1;
    if (info == nullptr)
        return AnswerSilently(header);

    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT:
        return InitialiseSheet(info, header);
    case PROPSHEETUI_REASON_SET_RESULT:
        return FinishSheet(info, header, reinterpret_cast<const SETRESULT_INFO*>(param));
    default:
        return AnswerCommonSheetReason(info, param, header->pszPrinterName);
    }
}
