/* How pdr-labels tells people what happened: errors and notes on the error
 * stream, each line beginning with the program's name. */
#ifndef PDR_TOOLS_LABELS_CLI_TOOL_MESSAGES_H
#define PDR_TOOLS_LABELS_CLI_TOOL_MESSAGES_H

#include <string>

#include "tool_context.h"

constexpr const char ToolName[] = "pdr-labels";

void PrintError(const ToolOutput& output, const std::string& message);
void PrintNote(const ToolOutput& output, const std::string& message);
/* Something done as asked that the user may not have meant. */
void PrintWarning(const ToolOutput& output, const std::string& message);

/* A usage error: the message, then where to find the command's help. */
int ReportUsageError(const ToolOutput& output, const std::string& message, const char* command);

#endif
