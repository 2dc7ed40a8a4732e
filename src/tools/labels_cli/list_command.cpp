#include <string.h>

#include "catalogue_source.h"
#include "given_source.h"
#include "labels/catalogue_json.h"
#include "labels/stock_update.h"
#include "settings_options.h"
#include "tool_commands.h"
#include "tool_messages.h"
#include "units_words.h"

namespace {

const char GivenMark[] = "*";

bool AnyHasSettings(const LabelList& labels)
{
    for (int i = 0; i < labels.Count; ++i)
        if (HasLabelSettings(labels.Labels[i].settings))
            return true;
    return false;
}

/* The id, marked when the label is a stock the driver package gave and
 * nobody has changed since. */
std::string IdText(const LabelEntry& label, const LabelList& given)
{
    return std::to_string(label.id) + (IsGivenUnchanged(label, given) ? GivenMark : "");
}

bool AnyGivenUnchanged(const LabelList& labels, const LabelList& given)
{
    for (int i = 0; i < labels.Count; ++i)
        if (IsGivenUnchanged(labels.Labels[i], given))
            return true;
    return false;
}

/* The settings column only when some label has settings, so a catalogue
 * without any lists as it always has. */
void PrintTable(const LabelList& labels, const LabelList& given, FILE* out)
{
    size_t nameWidth = strlen("NAME");
    for (int i = 0; i < labels.Count; ++i)
        if (strlen(labels.Labels[i].name) > nameWidth)
            nameWidth = strlen(labels.Labels[i].name);
    const int name = static_cast<int>(nameWidth);
    const bool withSettings = AnyHasSettings(labels);
    fprintf(out, "%-5s  %-*s  %-7s  %-7s  %-5s  %-8s  %-8s%s\n", "ID", name, "NAME", "WIDTH", "LENGTH",
            "UNITS", "H-OFFSET", "V-OFFSET", withSettings ? "  SETTINGS" : "");
    for (int i = 0; i < labels.Count; ++i) {
        const LabelEntry& label = labels.Labels[i];
        if (!withSettings) {
            fprintf(out, "%-5s  %-*s  %-7s  %-7s  %-5s  %-8s  %s\n", IdText(label, given).c_str(), name,
                    label.name, label.width, label.length, UnitsWord(label.units), label.horzOffset,
                    label.vertOffset);
            continue;
        }
        const std::string settings = DescribeSettings(label.settings);
        fprintf(out, "%-5s  %-*s  %-7s  %-7s  %-5s  %-8s  %-8s  %s\n", IdText(label, given).c_str(), name,
                label.name, label.width, label.length, UnitsWord(label.units), label.horzOffset,
                label.vertOffset, settings.empty() ? "-" : settings.c_str());
    }
    if (AnyGivenUnchanged(labels, given))
        fprintf(out, "%s given by the driver package, unchanged since\n", GivenMark);
}

/* Why the driver sees no label, when that is not simply an empty list. */
void ExplainEmptyList(const CataloguePath& path, const ToolOutput& output)
{
    CatalogueReading reading;
    ReadCatalogue(path, &reading);
    if (reading.outcome == FileOutcome::Missing)
        PrintNote(output, path.display + " does not exist; the driver sees no labels");
    else if (reading.outcome == FileOutcome::Failed)
        PrintNote(output,
                  path.display + " cannot be read (" + reading.failure + "); the driver sees no labels");
    else if (!reading.repairs.empty())
        PrintNote(output, path.display + ": " + reading.repairs.front());
}

}  // namespace

int RunListCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    if (!CheckRequestShape(request, {"--json", "--file"}, 0, 0, &problem))
        return ReportUsageError(output, problem, "list");
    CataloguePath path;
    if (!ResolveCataloguePath(request.hasFile, request.file, &path, &problem)) {
        PrintError(output, problem);
        return ToolFileError;
    }
    LabelList labels;
    labels.Count = LoadLabelCatalogue(labels.Labels, MaxLabels, path.path.c_str());
    if (labels.Count == 0)
        ExplainEmptyList(path, output);
    if (!request.json) {
        LabelList given = {};
        std::string note;
        if (!ReadGivenStocks(path, &given, &note, &problem))
            PrintNote(output, problem + "; no label is marked as given by the package");
        PrintTable(labels, given, output.out);
        const std::string access = request.hasFile ? std::string() : MachineCatalogueAccessLine();
        if (!access.empty())
            fprintf(output.out, "%s\n", access.c_str());
        return ToolSucceeded;
    }
    /* The catalogue's own rendering, so the listing can be imported as it is. */
    char* text = RenderLabelCatalogue(labels.Labels, labels.Count);
    if (text == nullptr) {
        PrintError(output, "out of memory");
        return ToolFileError;
    }
    fprintf(output.out, "%s\n", text);
    ReleaseLabelCatalogueText(text);
    return ToolSucceeded;
}
