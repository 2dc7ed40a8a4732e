/* pdr-labels on Linux: arguments are bytes; paths among them are UTF-8. */
#include <stdlib.h>

#include "text/path_utf8.h"
#include "tool_context.h"

int main(int argc, char** argv)
{
    std::vector<ToolArgument> arguments;
    for (int i = 1; i < argc; ++i) {
        ToolArgument argument;
        argument.text = argv[i];
        wchar_t* path = WidenPathUtf8(argv[i]);
        argument.pathUsable = path != nullptr;
        if (path != nullptr)
            argument.path = path;
        free(path);
        arguments.push_back(argument);
    }
    return RunLabelsTool(arguments, ToolOutput{stdout, stderr});
}
