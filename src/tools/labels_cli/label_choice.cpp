#include "label_choice.h"

#include <stdlib.h>

#include <vector>

#include "labels/label_edit_rules.h"
#include "tool_messages.h"

namespace {

/* A whole number made of digits only, within the id range. */
bool ParseLabelId(const std::string& text, int* id)
{
    if (text.empty() || text.size() > 5)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    *id = atoi(text.c_str());
    return *id >= FirstLabelId && *id <= MaxLabelId;
}

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

size_t LabelChoiceOperands(const ToolRequest& request)
{
    return request.hasId ? 0 : 1;
}

bool ReadLabelChoice(const ToolRequest& request, int* id, std::string* problem)
{
    if (request.hasId) {
        if (ParseLabelId(request.id, id))
            return true;
        *problem = "--id needs a label id from " + std::to_string(FirstLabelId) + " to " +
                   std::to_string(MaxLabelId);
        return false;
    }
    if (request.operands[0].textUsable)
        return true;
    *problem = "the name cannot be written in the system's code page, so no label has it";
    return false;
}

bool FindRequestedLabel(const ToolRequest& request, int id, const CatalogueReading& catalogue,
                        const CataloguePath& path, const ToolOutput& output, const char* unchanged,
                        int* position)
{
    const std::string wanted = request.hasId ? "id " + request.id : "\"" + request.operands[0].text + "\"";
    const std::vector<int> found = FindRequestedLabels(request, id, catalogue);
    if (found.empty()) {
        PrintError(output, "no label " + wanted + " in " + path.display);
        return false;
    }
    if (found.size() > 1) {
        PrintError(output, std::to_string(found.size()) + " labels match " + wanted + " (ids " +
                               Ids(found, catalogue) + "); " + unchanged +
                               (request.hasId ? "" : "; name one with --id"));
        return false;
    }
    *position = found[0];
    return true;
}
