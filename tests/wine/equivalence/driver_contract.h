/*
 * The printer-driver user-interface contract as a caller of the DLL sees it:
 * the published header structures and the six entry points, looked up by
 * name in whichever pdr7300ui.dll the recorder was given.  The cross
 * toolchain's headers lack these, so they are declared here from the public
 * driver documentation, apart from the library's own declarations, so that
 * the recorder depends on the contract and not on the library's sources.
 */
#ifndef PDR_EQUIVALENCE_DRIVER_CONTRACT_H
#define PDR_EQUIVALENCE_DRIVER_CONTRACT_H

#include <windows.h>
#include <winspool.h>
#include <compstui.h>

namespace contract {

enum : DWORD { ConvertToCallerLayout = 1, ConvertTo351 = 2, DriverDefault = 4 };
enum : DWORD { NoPermission = 0x0020 };
enum : WORD { DeviceNoPermission = 0x0001 };

struct DocumentPropertyHeader {
    WORD cbSize;
    WORD Reserved;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
    PDEVMODEW pdmIn;
    PDEVMODEW pdmOut;
    DWORD cbOut;
    DWORD fMode;
};

struct DevicePropertyHeader {
    WORD cbSize;
    WORD Flags;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
};

struct DevQueryPrintInfo {
    WORD cbSize;
    WORD Level;
    HANDLE hPrinter;
    DEVMODEW* pDevMode;
    LPWSTR pszErrorStr;
    DWORD cchErrorStr;
    DWORD cchNeeded;
};

using DeviceCapabilitiesCall = DWORD(WINAPI*)(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW);
using QueryPrintCall = BOOL(WINAPI*)(DevQueryPrintInfo*);
using ConvertDevModeCall = BOOL(WINAPI*)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD);
using PrinterEventCall = BOOL(WINAPI*)(LPWSTR, INT, DWORD, LPARAM);

}  // namespace contract

/* The entry points of one loaded copy of the DLL. */
struct DriverUnderTest {
    HMODULE Library = nullptr;
    PFNPROPSHEETUI DocumentSheets = nullptr;
    PFNPROPSHEETUI DeviceSheets = nullptr;
    contract::DeviceCapabilitiesCall DeviceCapabilities = nullptr;
    contract::QueryPrintCall QueryPrint = nullptr;
    contract::ConvertDevModeCall ConvertDevMode = nullptr;
    contract::PrinterEventCall PrinterEvent = nullptr;
};

/* Loads the DLL at `path` and looks up all six entry points; false (and
 * the library released) when it cannot be loaded or one is missing. */
bool LoadDriverUnderTest(const wchar_t* path, DriverUnderTest* driver);

#endif
