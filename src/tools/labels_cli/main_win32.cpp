/* pdr-labels on Windows: arguments arrive wide; label names and numbers
 * are 8-bit text in the system's code page, as the dialog reads them. */
#include <windows.h>

#include "tool_context.h"

namespace {

/* False when the text has a character the code page cannot hold. */
bool ToCodePage(const wchar_t* wide, std::string* text)
{
    BOOL lossy = FALSE;
    int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lossy);
    if (size <= 0)
        return false;
    text->assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, &(*text)[0], size, nullptr, &lossy);
    text->resize(static_cast<size_t>(size - 1));
    return !lossy;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<ToolArgument> arguments;
    for (int i = 1; i < argc; ++i) {
        ToolArgument argument;
        argument.textUsable = ToCodePage(argv[i], &argument.text);
        argument.path = argv[i];
        arguments.push_back(argument);
    }
    return RunLabelsTool(arguments, ToolOutput{stdout, stderr});
}
