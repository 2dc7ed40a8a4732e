#include "catalogue_change.h"
#include "label_choice.h"
#include "labels/label_edit_rules.h"
#include "tool_commands.h"
#include "tool_messages.h"

int RunRemoveCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    int id = 0;
    const size_t operands = LabelChoiceOperands(request);
    if (!CheckRequestShape(request, {"--id", "--file"}, operands, operands, &problem) ||
        !ReadLabelChoice(request, &id, &problem))
        return ReportUsageError(output, problem, "remove");
    CataloguePath path;
    int status = ToolSucceeded;
    CatalogueReading catalogue;
    if (!ReadRequestedCatalogueToChange(request, &path, &catalogue, output, &status))
        return status;
    int position = -1;
    if (!FindRequestedLabel(request, id, catalogue, path, output, "nothing was removed", &position))
        return ToolRefused;
    const LabelEntry removed = catalogue.list.Labels[position];
    RemoveLabelAt(&catalogue.list, position);
    if (!SaveChangedCatalogue(catalogue.list, path, output))
        return ToolFileError;
    fprintf(output.out, "removed \"%s\" (id %d) from %s\n", removed.name, removed.id, path.display.c_str());
    return ToolSucceeded;
}
