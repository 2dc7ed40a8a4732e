#include "pages/driver_version.h"

#include <windows.h>

#include "text/bounded_text.h"

namespace {

const wchar_t VersionKeyPath[] = L"SOFTWARE\\Pellucidor Systems\\PDR-7300 Zr";
const wchar_t VersionValueName[] = L"Version";

void SetFallbackVersionText(wchar_t* text)
{
    CopyTextBounded(text, VersionTextCapacity, L"0.0");
}

VersionValueKind KindOf(DWORD type)
{
    return type == REG_SZ ? VersionValueKind::Text : VersionValueKind::Other;
}

}  // namespace

bool ReadDriverVersionText(wchar_t* text)
{
    char16_t value[VersionValueBytes / sizeof(char16_t)];
    DWORD type = REG_NONE;
    DWORD size = VersionValueBytes;
    HKEY key = nullptr;
    bool taken = false;
    // Every way of failing (no key, no value, a value too long for the
    // buffer, one that is not a text) ends in the one fallback below; the
    // key is closed whatever the query said.
    LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, VersionKeyPath, 0, KEY_QUERY_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        status =
            RegQueryValueExW(key, VersionValueName, nullptr, &type, reinterpret_cast<LPBYTE>(value), &size);
        RegCloseKey(key);
    }
    if (status == ERROR_SUCCESS)
        taken = TakeVersionText(KindOf(type), value, size, text);
    if (!taken)
        SetFallbackVersionText(text);
    return taken;
}
