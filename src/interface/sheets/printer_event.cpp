/* DrvPrinterEvent: only a cache refresh needs anything of the library. */
#include "sheet_context/driver_ui_contract.h"

namespace {

typedef HANDLE(WINAPI* RevertToPrinterSelfFunction)();
typedef BOOL(WINAPI* ImpersonatePrinterClientFunction)(HANDLE);

template <typename Function>
Function LookUp(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

/* Touches the spooler's security context once, dropping to the spooler's
 * own identity and straight back to the client's. */
BOOL RefreshUnderSpoolerIdentity()
{
    HMODULE spooler = LoadLibraryW(L"spoolss.dll");
    if (spooler == nullptr)
        return FALSE;
    auto revert = LookUp<RevertToPrinterSelfFunction>(spooler, "RevertToPrinterSelf");
    auto impersonate = LookUp<ImpersonatePrinterClientFunction>(spooler, "ImpersonatePrinterClient");
    if (revert == nullptr || impersonate == nullptr) {
        FreeLibrary(spooler);
        return FALSE;
    }
    HANDLE token = revert();
    if (token != nullptr)
        impersonate(token);
    FreeLibrary(spooler);
    return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI DrvPrinterEvent(LPWSTR, INT event, DWORD, LPARAM)
{
    if (event != PRINTER_EVENT_CACHE_REFRESH)
        return TRUE;
    return RefreshUnderSpoolerIdentity();
}
