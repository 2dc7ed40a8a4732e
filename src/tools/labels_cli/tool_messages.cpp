#include "tool_messages.h"

void PrintError(const ToolOutput& output, const std::string& message)
{
    fprintf(output.err, "%s: %s\n", ToolName, message.c_str());
}

void PrintNote(const ToolOutput& output, const std::string& message)
{
    fprintf(output.err, "%s: note: %s\n", ToolName, message.c_str());
}

void PrintWarning(const ToolOutput& output, const std::string& message)
{
    fprintf(output.err, "%s: warning: %s\n", ToolName, message.c_str());
}

int ReportUsageError(const ToolOutput& output, const std::string& message, const char* command)
{
    PrintError(output, message);
    fprintf(output.err, "Try '%s %s--help'.\n", ToolName,
            command != nullptr ? (std::string(command) + " ").c_str() : "");
    return ToolUsageError;
}
