#include "catalogue_files.h"
#include "tool_commands.h"
#include "tool_messages.h"

int RunLockCommand(const ToolRequest& request, const ToolOutput& output, bool locked)
{
    const char* command = locked ? "lock" : "unlock";
    std::string problem;
    if (!CheckRequestShape(request, {}, 0, 0, &problem))
        return ReportUsageError(output, problem, command);
    std::string reason;
    const int status = LockMachineCatalogue(locked, &reason);
    if (status != ToolSucceeded) {
        PrintError(output, std::string("the label list was not ") + command + "ed: " + reason);
        return status;
    }
    fprintf(output.out, "%s\n",
            locked ? "locked the label list: users may only read it, administrators change it"
                   : "unlocked the label list: every user may change it");
    return ToolSucceeded;
}
