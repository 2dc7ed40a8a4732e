#include "version_registry.h"

#include <wchar.h>

const wchar_t VersionKeyPath[] = L"SOFTWARE\\Pellucidor Systems\\PDR-7300 Zr";

namespace {

void RemoveKey()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, VersionKeyPath);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, VersionKeyPath);
}

}  // namespace

VersionValue::VersionValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, VersionKeyPath, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD size = 0;
        if (RegQueryValueExW(key, L"Version", nullptr, &savedType, nullptr, &size) == ERROR_SUCCESS) {
            saved.resize(size);
            hadValue =
                RegQueryValueExW(key, L"Version", nullptr, &savedType, saved.data(), &size) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    RemoveKey();
}

VersionValue::~VersionValue()
{
    RemoveKey();
    if (hadValue)
        Set(savedType, saved.data(), static_cast<DWORD>(saved.size()));
}

void VersionValue::Set(DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, VersionKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"Version", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void VersionValue::SetText(const wchar_t* text)
{
    Set(REG_SZ, text, static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void VersionValue::SetKeyOnly()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, VersionKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}
