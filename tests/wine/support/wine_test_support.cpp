#include "wine_test_support.h"

#include <wchar.h>

const wchar_t DemoPrinterName[] = L"PDR-7300 Zr";

HMODULE LoadDriverLibrary()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (slash == nullptr)
        return nullptr;
    slash[1] = 0;
    if (wcslen(path) + wcslen(L"pdr7300ui.dll") >= MAX_PATH)
        return nullptr;
    wcscat(path, L"pdr7300ui.dll");
    return LoadLibraryW(path);
}
