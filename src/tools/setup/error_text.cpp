#include "error_text.h"

std::wstring ErrorText(DWORD error)
{
    wchar_t text[512] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  0, text, 512, nullptr);
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L'.'))
        text[--length] = L'\0';
    return length > 0 ? std::wstring(text) + L" (" + std::to_wstring(error) + L")"
                      : L"error " + std::to_wstring(error);
}
