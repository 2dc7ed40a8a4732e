#include "sheet_context/printer_info.h"
#include "sheet_context/spooler_calls.h"

PRINTER_INFO_2W* ReadPrinterInfo2(HANDLE printer)
{
    DWORD needed = 0;
    if (Spooler().GetPrinter(printer, 2, nullptr, 0, &needed) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0)
        return nullptr;
    auto* info = static_cast<PRINTER_INFO_2W*>(GlobalAlloc(GPTR, needed));
    if (info == nullptr)
        return nullptr;
    if (!Spooler().GetPrinter(printer, 2, reinterpret_cast<LPBYTE>(info), needed, &needed)) {
        GlobalFree(info);
        return nullptr;
    }
    return info;
}
