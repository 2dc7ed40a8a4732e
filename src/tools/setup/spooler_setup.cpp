#include "spooler_setup.h"

#include <winspool.h>

#include <vector>

#include "error_text.h"

const wchar_t DriverEnvironment[] = L"Windows x64";

SpoolerInstallCalls SpoolerInstall = {AddPrinterDriverExW, AddPrinterW};

namespace {

/* Dependent files as the spooler takes them: each name ended by a NUL, the
 * list by a second one. */
std::wstring MultiText(const std::vector<std::wstring>& texts)
{
    std::wstring joined;
    for (const std::wstring& text : texts) {
        joined += text;
        joined.push_back(L'\0');
    }
    joined.push_back(L'\0');
    return joined;
}

wchar_t* Writable(const std::wstring& text)
{
    return const_cast<wchar_t*>(text.c_str());
}

}  // namespace

bool FindDriverFolder(std::wstring* folder, std::wstring* problem)
{
    wchar_t path[MAX_PATH] = L"";
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, const_cast<wchar_t*>(DriverEnvironment), 1,
                                    reinterpret_cast<BYTE*>(path), sizeof path, &needed)) {
        *problem = L"the spooler names no driver folder: " + ErrorText(GetLastError());
        return false;
    }
    *folder = path;
    return true;
}

bool DriverIsInstalled(const wchar_t* driverName)
{
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(DriverEnvironment), 1, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(DriverEnvironment), 1,
                                            buffer.data(), needed, &needed, &count))
        return false;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_1W*>(buffer.data());
    for (DWORD index = 0; index < count; ++index)
        if (_wcsicmp(drivers[index].pName, driverName) == 0)
            return true;
    return false;
}

bool RegisterDriver(const wchar_t* driverName, const InfDriver& driver, std::wstring* problem)
{
    std::wstring dependent = MultiText(DependentFiles(driver));
    DRIVER_INFO_3W info = {};
    info.cVersion = 3;
    info.pName = const_cast<wchar_t*>(driverName);
    info.pEnvironment = const_cast<wchar_t*>(DriverEnvironment);
    info.pDriverPath = Writable(driver.driverFile);
    info.pDataFile = Writable(driver.dataFile);
    info.pConfigFile = Writable(driver.configFile);
    info.pDependentFiles = Writable(dependent);
    if (SpoolerInstall.addPrinterDriverEx(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES))
        return true;
    *problem = L"the spooler refused the driver: " + ErrorText(GetLastError());
    return false;
}

bool FindPrinterDriver(const std::wstring& printer, std::wstring* driver)
{
    HANDLE handle = nullptr;
    if (!OpenPrinterW(Writable(printer), &handle, nullptr))
        return false;
    DWORD needed = 0;
    GetPrinterW(handle, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    bool found = needed > 0 && GetPrinterW(handle, 2, buffer.data(), needed, &needed);
    ClosePrinter(handle);
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    found = found && info->pDriverName != nullptr;
    if (found)
        *driver = info->pDriverName;
    return found;
}

bool AddPrinterOnPort(const std::wstring& printer, const std::wstring& port, const wchar_t* driverName,
                      bool* added, std::wstring* problem)
{
    *added = false;
    HANDLE handle = nullptr;
    if (OpenPrinterW(Writable(printer), &handle, nullptr)) {
        ClosePrinter(handle);
        return true;
    }
    PRINTER_INFO_2W info = {};
    info.pPrinterName = Writable(printer);
    info.pPortName = Writable(port);
    info.pDriverName = const_cast<wchar_t*>(driverName);
    info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
    info.pDatatype = const_cast<wchar_t*>(L"RAW");
    handle = SpoolerInstall.addPrinter(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (handle == nullptr) {
        *problem = L"the spooler refused the printer \"" + printer + L"\" on " + port + L": " +
                   ErrorText(GetLastError());
        return false;
    }
    ClosePrinter(handle);
    *added = true;
    return true;
}

bool DeletePrinterNamed(const std::wstring& printer, bool* removed, std::wstring* problem)
{
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE handle = nullptr;
    *removed = false;
    if (!OpenPrinterW(Writable(printer), &handle, &access))
        return true;
    bool deleted = DeletePrinter(handle) != FALSE;
    *removed = deleted;
    DWORD error = GetLastError();
    ClosePrinter(handle);
    if (!deleted)
        *problem = L"the spooler kept the printer \"" + printer + L"\": " + ErrorText(error);
    return deleted;
}

bool DeleteDriverNamed(const wchar_t* driverName, bool* removed, std::wstring* problem)
{
    *removed = DriverIsInstalled(driverName);
    if (!*removed)
        return true;
    auto* environment = const_cast<wchar_t*>(DriverEnvironment);
    auto* name = const_cast<wchar_t*>(driverName);
    if (DeletePrinterDriverExW(nullptr, environment, name, DPD_DELETE_UNUSED_FILES, 0))
        return true;
    /* Wine's spooler takes no deletion flags (error 87): there the driver's
     * registration goes and its files stay in the version folder. */
    if (GetLastError() == ERROR_INVALID_PARAMETER && DeletePrinterDriverExW(nullptr, environment, name, 0, 0))
        return true;
    *removed = false;
    *problem =
        L"the spooler kept the driver \"" + std::wstring(driverName) + L"\": " + ErrorText(GetLastError());
    return false;
}
