/*
 * The spooler functions the library calls, reached through one table so
 * that a test can make a single call fail (a value that cannot be read, a
 * write refused, a printer that cannot be opened) without a broken spooler.
 * The table holds the real functions unless a test swaps an entry.
 */
#ifndef PDR_SHEET_CONTEXT_SPOOLER_CALLS_H
#define PDR_SHEET_CONTEXT_SPOOLER_CALLS_H

#include <windows.h>
#include <winspool.h>
#include <prsht.h>

struct SpoolerCalls {
    BOOL(WINAPI* OpenPrinter)(LPWSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults);
    BOOL(WINAPI* GetPrinter)(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
    BOOL(WINAPI* ClosePrinter)(HANDLE printer);
    DWORD(WINAPI* GetPrinterData)
    (HANDLE printer, LPWSTR name, LPDWORD type, LPBYTE data, DWORD size, LPDWORD needed);
    DWORD(WINAPI* SetPrinterData)(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size);
    BOOL(WINAPI* AddForm)(HANDLE printer, DWORD level, LPBYTE form);
    HPROPSHEETPAGE(WINAPI* CreatePropertySheetPage)(LPCPROPSHEETPAGEW page);
};

SpoolerCalls& Spooler();

/* Puts the real functions back into the table. */
void RestoreSpoolerCalls();

#endif
