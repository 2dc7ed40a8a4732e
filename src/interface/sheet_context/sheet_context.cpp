#include "sheet_context/sheet_context.h"

#include "settings/devmode_merge.h"
#include "settings/devmode_ops.h"
#include "settings/fallback_paper.h"
#include "sheet_context/printer_info.h"
#include "sheet_context/spooler_calls.h"

namespace {

const SIZE_T SheetHeapInitialSize = 8192;

}  // namespace

SheetContext* CreateSheetContext(HANDLE printer, const DEVMODEW* callerRecord)
{
    HANDLE heap = HeapCreate(0, SheetHeapInitialSize, 0);
    if (heap == nullptr)
        return nullptr;
    auto* context = static_cast<SheetContext*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(SheetContext)));
    PRINTER_INFO_2W* info = context != nullptr ? ReadPrinterInfo2(printer) : nullptr;
    if (info == nullptr) {
        HeapDestroy(heap);
        return nullptr;
    }
    context->PrinterHandle = printer;
    context->SheetHeap = heap;

    BuildDefaultDevMode(&context->WorkingDevMode, reinterpret_cast<const char16_t*>(info->pDriverName));
    // A refused record leaves the working record as it was; not a failure.
    MergeDevMode(&context->WorkingDevMode, info->pDevMode);
    MergeDevMode(&context->WorkingDevMode, callerRecord);
    // With neither record the defaults' paper has no size; every record a
    // sheet or a silent call hands out names a paper the driver lists.
    GiveRecordAUsablePaper(&context->WorkingDevMode);
    GlobalFree(info);
    EnsureCustomForm(printer);
    return context;
}

void DestroySheetContext(SheetContext* context)
{
    if (context == nullptr)
        return;
    if (context->PrinterOpenedHere)
        Spooler().ClosePrinter(context->PrinterHandle);
    HeapDestroy(context->SheetHeap);
}
