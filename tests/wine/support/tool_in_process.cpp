#include "tool_in_process.h"

#include <windows.h>

#include <stdio.h>

#include "tool_context.h"

namespace {

std::string TakeText(FILE* file)
{
    std::string text;
    if (file == nullptr)
        return text;
    rewind(file);
    for (int c; (c = fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    fclose(file);
    return text;
}

}  // namespace

ToolRun RunLabelsToolHere(const std::vector<std::wstring>& words)
{
    std::vector<ToolArgument> arguments;
    for (const std::wstring& word : words) {
        ToolArgument argument;
        argument.text = std::string(word.begin(), word.end());
        argument.path = word;
        arguments.push_back(argument);
    }
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring outPath = std::wstring(folder) + L"tool-here-out.txt";
    const std::wstring errPath = std::wstring(folder) + L"tool-here-err.txt";
    FILE* out = _wfopen(outPath.c_str(), L"w+b");
    FILE* err = _wfopen(errPath.c_str(), L"w+b");
    const int status = out != nullptr && err != nullptr ? RunLabelsTool(arguments, ToolOutput{out, err}) : -1;
    ToolRun run{status, TakeText(out), TakeText(err)};
    DeleteFileW(outPath.c_str());
    DeleteFileW(errPath.c_str());
    return run;
}
