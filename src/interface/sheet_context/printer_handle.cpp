#include "sheet_context/printer_handle.h"
#include "sheet_context/spooler_calls.h"

CallPrinter AcquireCallPrinter(HANDLE given, const wchar_t* name)
{
    CallPrinter printer = {given, false};
    if (given == nullptr && name != nullptr &&
        Spooler().OpenPrinter(const_cast<LPWSTR>(name), &printer.Handle, nullptr))
        printer.OpenedHere = true;
    return printer;
}

void ReleaseCallPrinter(CallPrinter& printer)
{
    if (printer.OpenedHere)
        Spooler().ClosePrinter(printer.Handle);
    printer = {nullptr, false};
}
