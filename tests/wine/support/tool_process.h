/* Runs a built program (pdr-labels.exe, pdr-setup.exe) as its own process
 * and keeps what it printed. */
#ifndef PDR_TESTS_WINE_TOOL_PROCESS_H
#define PDR_TESTS_WINE_TOOL_PROCESS_H

#include <string>
#include <vector>

struct ToolResult {
    bool started = false;
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

ToolResult RunToolProcess(const std::wstring& program, const std::vector<std::wstring>& arguments);

/* pdr-labels.exe from the test program's own folder. */
ToolResult RunLabelsToolProcess(const std::vector<std::wstring>& arguments);

#endif
