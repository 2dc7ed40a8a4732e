#include "catalogue_source.h"
#include "tool_commands.h"
#include "tool_messages.h"

int RunCheckCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    if (!CheckRequestShape(request, {"--file"}, 0, 1, &problem))
        return ReportUsageError(output, problem, "check");
    if (request.hasFile && !request.operands.empty())
        return ReportUsageError(output, "give the file either as FILE or with --file", "check");
    CataloguePath path;
    bool resolved = request.operands.empty()
                        ? ResolveCataloguePath(request.hasFile, request.file, &path, &problem)
                        : PathFromArgument(request.operands[0], &path, &problem);
    if (!resolved) {
        PrintError(output, problem);
        return ToolFileError;
    }
    CatalogueReading reading;
    ReadCatalogue(path, &reading);
    if (reading.outcome != FileOutcome::Done) {
        PrintError(output, path.display + " cannot be read (" + reading.failure + ")");
        return ToolFileError;
    }
    for (const std::string& repair : reading.repairs)
        fprintf(output.out, "%s: %s\n", path.display.c_str(), repair.c_str());
    const int repairs = static_cast<int>(reading.repairs.size());
    if (repairs == 0) {
        fprintf(output.out, "%s: %d labels, no repairs needed\n", path.display.c_str(), reading.list.Count);
        return ToolSucceeded;
    }
    fprintf(output.out, "%s: %d labels, %d repair%s needed\n", path.display.c_str(), reading.list.Count,
            repairs, repairs == 1 ? "" : "s");
    return ToolRefused;
}
