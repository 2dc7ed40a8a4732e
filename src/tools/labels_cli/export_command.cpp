#include "catalogue_change.h"
#include "tool_commands.h"
#include "tool_messages.h"

int RunExportCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    if (!CheckRequestShape(request, {"--file"}, 1, 1, &problem))
        return ReportUsageError(output, problem, "export");
    CataloguePath source;
    CataloguePath destination;
    if (!ResolveCataloguePath(request.hasFile, request.file, &source, &problem) ||
        !PathFromArgument(request.operands[0], &destination, &problem)) {
        PrintError(output, problem);
        return ToolFileError;
    }
    /* An export that would hold less than the catalogue holds, or nothing
       because the catalogue could not be read, is no copy of it. */
    int status = ToolSucceeded;
    CatalogueReading catalogue;
    if (!ReadCatalogueToChange(source, &catalogue, output, &status))
        return status;
    if (catalogue.outcome == FileOutcome::Missing)
        PrintNote(output, source.display + " does not exist; the export holds no labels");
    if (!SaveLabelCatalogue(catalogue.list.Labels, catalogue.list.Count, destination.path.c_str())) {
        PrintError(output, "could not write " + destination.display + "; it is as it was");
        return ToolFileError;
    }
    fprintf(output.out, "exported %d labels of %s to %s\n", catalogue.list.Count, source.display.c_str(),
            destination.display.c_str());
    return ToolSucceeded;
}
