/*
 * The printer a sheet or silent call works on.  Windows always passes a
 * handle; some spoolers call the driver with only the printer's name, and
 * then the printer is opened by name for the duration of the call.
 */
#ifndef PDR_SHEET_CONTEXT_PRINTER_HANDLE_H
#define PDR_SHEET_CONTEXT_PRINTER_HANDLE_H

#include <windows.h>

struct CallPrinter {
    HANDLE Handle;
    bool OpenedHere;
};

CallPrinter AcquireCallPrinter(HANDLE given, const wchar_t* name);
void ReleaseCallPrinter(CallPrinter& printer);

#endif
