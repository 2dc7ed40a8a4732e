#include "tool_commands.h"
#include "tool_context.h"
#include "tool_messages.h"
#include "tool_request.h"

namespace {

/* "help COMMAND" names the command whose help is wanted. */
int RunHelpCommand(const ToolRequest& request, const ToolOutput& output)
{
    if (request.operands.empty()) {
        PrintCommandHelp(ToolCommand::None, output.out);
        return ToolSucceeded;
    }
    ToolRequest named;
    std::string problem;
    if (request.operands.size() > 1 || !ParseToolRequest({request.operands[0]}, &named, &problem))
        return ReportUsageError(output, problem.empty() ? "help takes one command" : problem, nullptr);
    PrintCommandHelp(named.command, output.out);
    return ToolSucceeded;
}

}  // namespace

int RunLabelsTool(const std::vector<ToolArgument>& arguments, const ToolOutput& output)
{
    ToolRequest request;
    std::string problem;
    if (!ParseToolRequest(arguments, &request, &problem))
        return ReportUsageError(output, problem, nullptr);
    if (request.help) {
        PrintCommandHelp(request.command, output.out);
        return ToolSucceeded;
    }
    switch (request.command) {
    case ToolCommand::None:
        return ReportUsageError(output, "no command given", nullptr);
    case ToolCommand::Help:
        return RunHelpCommand(request, output);
    case ToolCommand::List:
        return RunListCommand(request, output);
    case ToolCommand::Check:
        return RunCheckCommand(request, output);
    case ToolCommand::Add:
        return RunAddCommand(request, output);
    case ToolCommand::Set:
        return RunSetCommand(request, output);
    case ToolCommand::Remove:
        return RunRemoveCommand(request, output);
    case ToolCommand::Import:
        return RunImportCommand(request, output);
    case ToolCommand::Export:
        return RunExportCommand(request, output);
    case ToolCommand::UpdateFrom:
        return RunUpdateCommand(request, output);
    case ToolCommand::Lock:
        return RunLockCommand(request, output, true);
    case ToolCommand::Unlock:
        return RunLockCommand(request, output, false);
    }
    return ToolUsageError;
}
