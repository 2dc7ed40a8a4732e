#include "sheet_test_support.h"

#include "resources/module_instance.h"
#include "sheet_context/sheet_context.h"
#include "wine_test_support.h"

DemoPrinter::DemoPrinter()
{
    OpenPrinterW(const_cast<LPWSTR>(DemoPrinterName), &handle, nullptr);
}

DemoPrinter::~DemoPrinter()
{
    if (handle != nullptr)
        ClosePrinter(handle);
}

void DemoPrinter::SetValue(const wchar_t* name, DWORD value)
{
    SetPrinterDataW(handle, const_cast<LPWSTR>(name), REG_DWORD, reinterpret_cast<LPBYTE>(&value),
                    sizeof(value));
}

void DemoPrinter::DeleteValue(const wchar_t* name)
{
    // The spooler's DeletePrinterData is not usable here; the values live
    // in the printer's registry key.
    wchar_t key[256];
    wsprintfW(key, L"System\\CurrentControlSet\\Control\\Print\\Printers\\%s\\PrinterDriverData",
              DemoPrinterName);
    HKEY data = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE, &data) == ERROR_SUCCESS) {
        RegDeleteValueW(data, name);
        RegCloseKey(data);
    }
}

bool DemoPrinter::ReadValue(const wchar_t* name, DWORD* value)
{
    DWORD type = 0;
    DWORD needed = 0;
    return GetPrinterDataW(handle, const_cast<LPWSTR>(name), &type, reinterpret_cast<LPBYTE>(value),
                           sizeof(*value), &needed) == ERROR_SUCCESS;
}

DOCUMENTPROPERTYHEADER DocumentHeader(HANDLE printer, DEVMODEW* in, DEVMODEW* out, DWORD mode)
{
    DOCUMENTPROPERTYHEADER header = {};
    header.cbSize = sizeof(header);
    header.hPrinter = printer;
    header.pszPrinterName = const_cast<LPWSTR>(DemoPrinterName);
    header.pdmIn = in;
    header.pdmOut = out;
    header.cbOut = out != nullptr ? 508 : 0;
    header.fMode = mode;
    return header;
}

DEVICEPROPERTYHEADER DeviceHeader(HANDLE printer)
{
    DEVICEPROPERTYHEADER header = {};
    header.cbSize = sizeof(header);
    header.hPrinter = printer;
    header.pszPrinterName = const_cast<LPWSTR>(DemoPrinterName);
    return header;
}

LONG_PTR CALLBACK RecordingHost::Callback(HANDLE host, UINT function, LPARAM first, LPARAM second)
{
    auto* self = static_cast<RecordingHost*>(host);
    if (function == CPSFUNC_ADD_HPROPSHEETPAGE)
        self->pages.push_back(reinterpret_cast<HPROPSHEETPAGE>(first));
    if (function == CPSFUNC_SET_RESULT)
        self->results.push_back(second);
    return 1;
}

PROPSHEETUI_INFO RecordingHost::InitInfo(const void* header)
{
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.hComPropSheet = this;
    info.pfnComPropSheet = Callback;
    info.lParamInit = reinterpret_cast<LPARAM>(header);
    return info;
}

void UseProgramAsModule()
{
    SetModuleInstance(GetModuleHandleW(nullptr));
}

const DriverDevMode& PageWorkingRecord(HWND page)
{
    return reinterpret_cast<const SheetContext*>(GetWindowLongPtrW(page, GWLP_USERDATA))->WorkingDevMode;
}
