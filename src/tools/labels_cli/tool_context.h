/*
 * What every command of pdr-labels works with: its arguments as the
 * platform handed them over, where it writes, and how it ends.
 */
#ifndef PDR_TOOLS_LABELS_CLI_TOOL_CONTEXT_H
#define PDR_TOOLS_LABELS_CLI_TOOL_CONTEXT_H

#include <stdio.h>

#include <string>
#include <vector>

/* Exit statuses, as scripts see them. */
enum ToolStatus {
    ToolSucceeded = 0,
    /* Refused by the catalogue's rules, or (check) repairs are needed;
       nothing was changed. */
    ToolRefused = 1,
    ToolUsageError = 2,
    /* A file could not be read or written; nothing was changed. */
    ToolFileError = 3,
    /* The system does not let this user change the catalogue (an
       administrator locked it), or lock and unlock it; nothing was
       changed. */
    ToolNotPermitted = 4,
};

/* One command-line argument in both forms the tool needs: as 8-bit text in
 * the system's code page (what label names and number texts are) and as a
 * wide path.  A form the argument cannot be written in is marked unusable. */
struct ToolArgument {
    std::string text;
    bool textUsable = true;
    std::wstring path;
    bool pathUsable = true;
};

struct ToolOutput {
    FILE* out;
    FILE* err;
};

/* Runs one command line (without the program name). */
int RunLabelsTool(const std::vector<ToolArgument>& arguments, const ToolOutput& output);

#endif
