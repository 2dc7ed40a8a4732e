#include "pages/driver_version.h"

#include "text/bounded_text.h"

namespace {

const wchar_t VersionKeyPath[] = L"SOFTWARE\\Pellucidor Systems\\PDR-7300 Zr";
const wchar_t VersionValueName[] = L"Version";
const int VersionValueChars = VersionValueBytes / sizeof(wchar_t);

void SetFallbackVersionText(wchar_t* text)
{
    CopyTextBounded(reinterpret_cast<char16_t*>(text), VersionTextCapacity, u"0.0");
}

}  // namespace

int TakeVersionText(DWORD type, const wchar_t* value, DWORD size, wchar_t* text)
{
    if (type != REG_SZ || value == nullptr || size > VersionValueBytes)
        return 0;
    // A trailing odd byte is half a character: it is not part of the text.
    const int delivered = static_cast<int>(size / sizeof(wchar_t));
    int length = 0;
    while (length < delivered && value[length] != 0)
        ++length;
    // Sixteen characters with no terminator among them do not make a text of
    // at most fifteen; anything shorter was merely stored unterminated.
    if (length == VersionValueChars)
        return 0;
    for (int i = 0; i < length; ++i)
        text[i] = value[i];
    text[length] = 0;
    return 1;
}

int ReadDriverVersionText(wchar_t* text)
{
    wchar_t value[VersionValueChars];
    DWORD type = REG_NONE;
    DWORD size = VersionValueBytes;
    HKEY key = nullptr;
    int taken = 0;
    // Every way of failing (no key, no value, a value too long for the
    // buffer, one that is not a text) ends in the one fallback below; the
    // key is closed whatever the query said.
    LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, VersionKeyPath, 0, KEY_QUERY_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        status = RegQueryValueExW(key, VersionValueName, nullptr, &type,
                                  reinterpret_cast<LPBYTE>(value), &size);
        RegCloseKey(key);
    }
    if (status == ERROR_SUCCESS)
        taken = TakeVersionText(type, value, size, text);
    if (!taken)
        SetFallbackVersionText(text);
    return taken;
}
