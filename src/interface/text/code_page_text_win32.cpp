/* Label names and number texts are typed in the ANSI code page: convert them with it. */
#include <windows.h>

#include <limits.h>

#include "text/code_page_text.h"
#include "text/platform_hooks.h"

namespace {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "UTF-16 units");

size_t WidenWithAnsiCodePage(char16_t* destination, size_t capacity, const char* text)
{
    const int units = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    /* No MB_ERR_INVALID_CHARS: a byte the code page lacks becomes its
       default character, as the 8-bit controls show it. */
    const int written =
        MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<LPWSTR>(destination), units);
    return written > 0 ? static_cast<size_t>(written) : 0;
}

}  // namespace

void EnsurePlatformHooks()
{
    SetCodePageWidener(WidenWithAnsiCodePage);
}
