/*
 * Installs the driver into the spooler of the running Windows (here: a Wine
 * prefix) and adds the printer "PDR-7300 Zr" that uses it.
 *
 *   pdr-install-printer <folder holding pdr7300ui.dll and the stand-in>
 *
 * The driver files are copied into the spooler's driver folder and
 * registered by bare name, which makes the spooler copy them into its
 * version folder.  Running it again refreshes the files.
 */
#include <stdio.h>
#include <windows.h>
#include <winspool.h>

namespace {

const wchar_t PrinterName[] = L"PDR-7300 Zr";
const wchar_t Environment[] = L"Windows x64";
const wchar_t UiFile[] = L"pdr7300ui.dll";
const wchar_t RenderFile[] = L"pdr7300-render-standin.dll";

bool CopyIntoDriverFolder(const wchar_t* sourceFolder, const wchar_t* driverFolder,
                          const wchar_t* file)
{
    wchar_t from[MAX_PATH];
    wchar_t to[MAX_PATH];
    swprintf(from, MAX_PATH, L"%ls\\%ls", sourceFolder, file);
    swprintf(to, MAX_PATH, L"%ls\\%ls", driverFolder, file);
    if (!CopyFileW(from, to, FALSE)) {
        fwprintf(stderr, L"cannot copy %ls to %ls (%lu)\n", from, to, GetLastError());
        return false;
    }
    return true;
}

bool AddDriver()
{
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPWSTR>(PrinterName);
    driver.pEnvironment = const_cast<LPWSTR>(Environment);
    driver.pDriverPath = const_cast<LPWSTR>(RenderFile);
    driver.pDataFile = const_cast<LPWSTR>(UiFile);
    driver.pConfigFile = const_cast<LPWSTR>(UiFile);
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver),
                             APD_COPY_ALL_FILES)) {
        fwprintf(stderr, L"AddPrinterDriverExW failed (%lu)\n", GetLastError());
        return false;
    }
    return true;
}

bool AddPrinterIfMissing()
{
    HANDLE printer = nullptr;
    if (OpenPrinterW(const_cast<LPWSTR>(PrinterName), &printer, nullptr)) {
        ClosePrinter(printer);
        return true;
    }
    PRINTER_INFO_2W info = {};
    info.pPrinterName = const_cast<LPWSTR>(PrinterName);
    info.pPortName = const_cast<LPWSTR>(L"FILE:");
    info.pDriverName = const_cast<LPWSTR>(PrinterName);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (printer == nullptr) {
        fwprintf(stderr, L"AddPrinterW failed (%lu)\n", GetLastError());
        return false;
    }
    ClosePrinter(printer);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        fwprintf(stderr, L"usage: pdr-install-printer <folder with the driver files>\n");
        return 2;
    }
    wchar_t driverFolder[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, const_cast<LPWSTR>(Environment), 1,
                                    reinterpret_cast<LPBYTE>(driverFolder), sizeof(driverFolder),
                                    &needed)) {
        fwprintf(stderr, L"GetPrinterDriverDirectoryW failed (%lu)\n", GetLastError());
        return 1;
    }
    if (!CopyIntoDriverFolder(argv[1], driverFolder, UiFile) ||
        !CopyIntoDriverFolder(argv[1], driverFolder, RenderFile) || !AddDriver() ||
        !AddPrinterIfMissing())
        return 1;
    wprintf(L"installed printer \"%ls\"\n", PrinterName);
    return 0;
}
