/* Reading a printer's level-2 information through the spooler. */
#ifndef PDR_SHEET_CONTEXT_PRINTER_INFO_H
#define PDR_SHEET_CONTEXT_PRINTER_INFO_H

#include <windows.h>
#include <winspool.h>

/* Asks for the size first (which must fail with ERROR_INSUFFICIENT_BUFFER),
 * then reads into a fixed global block.  The caller frees the result with
 * GlobalFree.  Returns null on any failure. */
PRINTER_INFO_2W* ReadPrinterInfo2(HANDLE printer);

#endif
