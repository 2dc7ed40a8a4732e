/* The commands of pdr-labels, one function each; every one returns the
 * program's exit status (ToolStatus). */
#ifndef PDR_TOOLS_LABELS_CLI_TOOL_COMMANDS_H
#define PDR_TOOLS_LABELS_CLI_TOOL_COMMANDS_H

#include "tool_context.h"
#include "tool_request.h"

int RunListCommand(const ToolRequest& request, const ToolOutput& output);
int RunCheckCommand(const ToolRequest& request, const ToolOutput& output);
int RunAddCommand(const ToolRequest& request, const ToolOutput& output);
int RunSetCommand(const ToolRequest& request, const ToolOutput& output);
int RunRemoveCommand(const ToolRequest& request, const ToolOutput& output);
int RunImportCommand(const ToolRequest& request, const ToolOutput& output);
int RunExportCommand(const ToolRequest& request, const ToolOutput& output);
int RunUpdateCommand(const ToolRequest& request, const ToolOutput& output);
/* lock (`locked`) and unlock. */
int RunLockCommand(const ToolRequest& request, const ToolOutput& output, bool locked);

/* The help of one command, or of the program for None and Help. */
void PrintCommandHelp(ToolCommand command, FILE* out);

#endif
