#include "driver_contract.h"

#include "wine_test_support.h"

bool LoadDriverUnderTest(const wchar_t* path, DriverUnderTest* driver)
{
    *driver = DriverUnderTest();
    HMODULE library = LoadLibraryW(path);
    if (library == nullptr)
        return false;
    driver->Library = library;
    driver->DocumentSheets = DriverExport<PFNPROPSHEETUI>(library, "DrvDocumentPropertySheets");
    driver->DeviceSheets = DriverExport<PFNPROPSHEETUI>(library, "DrvDevicePropertySheets");
    driver->DeviceCapabilities =
        DriverExport<contract::DeviceCapabilitiesCall>(library, "DrvDeviceCapabilities");
    driver->QueryPrint = DriverExport<contract::QueryPrintCall>(library, "DevQueryPrintEx");
    driver->ConvertDevMode = DriverExport<contract::ConvertDevModeCall>(library, "DrvConvertDevMode");
    driver->PrinterEvent = DriverExport<contract::PrinterEventCall>(library, "DrvPrinterEvent");
    if (driver->DocumentSheets != nullptr && driver->DeviceSheets != nullptr &&
        driver->DeviceCapabilities != nullptr && driver->QueryPrint != nullptr &&
        driver->ConvertDevMode != nullptr && driver->PrinterEvent != nullptr)
        return true;
    FreeLibrary(library);
    *driver = DriverUnderTest();
    return false;
}
