#include "package_folder.h"

#include <windows.h>

std::wstring PackageFolder()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of(L"\\/")) + L"\\..\\package";
}

std::wstring PackageInfPath()
{
    return PackageFolder() + L"\\pdr7300.inf";
}
