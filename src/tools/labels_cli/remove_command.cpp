#include <stdlib.h>

#include "catalogue_change.h"
#include "labels/label_edit_rules.h"
#include "tool_commands.h"
#include "tool_messages.h"

namespace {

/* A whole number made of digits only, within the id range. */
bool ParseLabelId(const std::string& text, int* id)
{
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *id = atoi(text.c_str());
    return *id >= FirstLabelId && *id <= MaxLabelId;
}

/* The label `request` names: `--id` (read into `id`) or a name, which
 * must be one the code page can hold to be any label's. */
bool ReadLabelChoice(const ToolRequest& request, int* id, std::string* problem)
{
    if (request.hasId) {
        if (ParseLabelId(request.id, id)) return true;
        *problem = "--id needs a label id from " + std::to_string(FirstLabelId) + " to " +
            std::to_string(MaxLabelId);
        return false;
    }
    if (request.operands[0].textUsable) return true;
    *problem = "the name cannot be written in the system's code page, so no label has it";
    return false;
}

/* The positions of the labels `request` names; a name is trimmed as the
 * dialog trims what is typed. */
std::vector<int> FindRequestedLabels(const ToolRequest& request, int id, const CatalogueReading& catalogue)
{
    std::vector<char> name;
    if (!request.hasId) {
        name.assign(request.operands[0].text.begin(), request.operands[0].text.end());
        name.push_back('\0');
        TrimSpaces(name.data());
    }
    std::vector<int> found;
    for (int i = 0; i < catalogue.list.Count; ++i) {
        const LabelEntry& label = catalogue.list.Labels[i];
        if (request.hasId ? label.id == id : SameLabelName(label.name, name.data()))
            found.push_back(i);
    }
    return found;
}

std::string Ids(const std::vector<int>& positions, const CatalogueReading& catalogue)
{
    std::string ids;
    for (int position : positions)
        ids += (ids.empty() ? "" : ", ") + std::to_string(catalogue.list.Labels[position].id);
    return ids;
}

}  // namespace

int RunRemoveCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    int id = 0;
    const size_t operands = request.hasId ? 0 : 1;
    if (!CheckRequestShape(request, {"--id", "--file"}, operands, operands, &problem) ||
        !ReadLabelChoice(request, &id, &problem))
        return ReportUsageError(output, problem, "remove");
    const std::string wanted = request.hasId ? "id " + request.id : "\"" + request.operands[0].text + "\"";
    CataloguePath path;
    int status = ToolSucceeded;
    CatalogueReading catalogue;
    if (!ReadRequestedCatalogueToChange(request, &path, &catalogue, output, &status)) return status;
    const std::vector<int> found = FindRequestedLabels(request, id, catalogue);
    if (found.empty()) {
        PrintError(output, "no label " + wanted + " in " + path.display);
        return ToolRefused;
    }
    if (found.size() > 1) {
        PrintError(output, std::to_string(found.size()) + " labels match " + wanted + " (ids " +
                               Ids(found, catalogue) + "); nothing was removed" +
                               (request.hasId ? "" : "; name one with --id"));
        return ToolRefused;
    }
    const LabelEntry removed = catalogue.list.Labels[found[0]];
    RemoveLabelAt(&catalogue.list, found[0]);
    if (!SaveChangedCatalogue(catalogue.list, path, output)) return ToolFileError;
    fprintf(output.out, "removed \"%s\" (id %d) from %s\n", removed.name, removed.id, path.display.c_str());
    return ToolSucceeded;
}
