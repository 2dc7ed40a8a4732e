/* Capability and job queries; answered once the catalogue merge lands. */
#include "sheets/driver_ui_contract.h"

extern "C" DWORD WINAPI DrvDeviceCapabilities(HANDLE, PWSTR, WORD, PVOID, PDEVMODEW)
{
    return static_cast<DWORD>(-1);
}

extern "C" BOOL WINAPI DevQueryPrintEx(PDEVQUERYPRINT_INFO)
{
    return FALSE;
}
