/* The spooler's side of installing and removing the driver and a printer. */
#ifndef PDR_TOOLS_SETUP_SPOOLER_SETUP_H
#define PDR_TOOLS_SETUP_SPOOLER_SETUP_H

#include <string>

#include "inf_driver.h"

#include <windows.h>

extern const wchar_t DriverEnvironment[];

/* The two spooler calls that install something, replaceable so that tests
 * can make the spooler refuse them. */
struct SpoolerInstallCalls {
    BOOL(WINAPI* addPrinterDriverEx)(LPWSTR server, DWORD level, LPBYTE info, DWORD flags);
    HANDLE(WINAPI* addPrinter)(LPWSTR server, DWORD level, LPBYTE info);
};
extern SpoolerInstallCalls SpoolerInstall;

/* The spooler's staging folder for this environment's driver files. */
bool FindDriverFolder(std::wstring* folder, std::wstring* problem);

bool DriverIsInstalled(const wchar_t* driverName);

/* Registers the driver from the files already in the driver folder, named
 * bare as the INF names them; the spooler copies them into its version
 * folder and calls the configuration library's DrvDriverEvent. */
bool RegisterDriver(const wchar_t* driverName, const InfDriver& driver, std::wstring* problem);

/* The driver the printer `printer` uses; false when there is no such
 * printer or the spooler does not say. */
bool FindPrinterDriver(const std::wstring& printer, std::wstring* driver);

/* Adds the printer on `port` unless a printer of that name exists;
 * `added` tells which. */
bool AddPrinterOnPort(const std::wstring& printer, const std::wstring& port, const wchar_t* driverName,
                      bool* added, std::wstring* problem);

/* Each is true when the printer or driver is gone afterwards; `removed`
 * tells whether it was there and this call removed it. */
bool DeletePrinterNamed(const std::wstring& printer, bool* removed, std::wstring* problem);
bool DeleteDriverNamed(const wchar_t* driverName, bool* removed, std::wstring* problem);

#endif
