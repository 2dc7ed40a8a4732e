#include "catalogue_change.h"
#include "labels/label_edit_rules.h"
#include "labels/new_label.h"
#include "new_label_arguments.h"
#include "settings_options.h"
#include "tool_commands.h"
#include "tool_messages.h"
#include "units_words.h"

namespace {

/* `--units` when given, else inches. */
bool ReadUnitsOption(const ToolRequest& request, int* units, std::string* problem)
{
    *units = Inches;
    if (!request.hasUnits || ParseUnitsWord(request.units, units))
        return true;
    *problem = "unknown units '" + request.units + "' (mm, in or 0.1mm)";
    return false;
}

}  // namespace

int RunAddCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    int units = Inches;
    if (!CheckRequestShape(request, {"--units", "--offsets", "--file", SETTING_OPTION_NAMES}, 3, 3,
                           &problem) ||
        !ReadUnitsOption(request, &units, &problem))
        return ReportUsageError(output, problem, "add");
    LabelSettings settings;
    const SettingOptionsOutcome read = ReadSettingOptions(request, &settings, &problem);
    if (read == SettingOptionsOutcome::Malformed)
        return ReportUsageError(output, problem, "add");
    if (read == SettingOptionsOutcome::OutOfRange) {
        PrintError(output, problem);
        return ToolRefused;
    }
    CataloguePath path;
    int status = ToolSucceeded;
    CatalogueReading catalogue;
    if (!ReadRequestedCatalogueToChange(request, &path, &catalogue, output, &status))
        return status;
    /* The dialog's checks, in its order. */
    LabelList& labels = catalogue.list;
    if (labels.Count >= MaxLabels) {
        PrintError(output, "Too many labels (a catalogue holds at most " + std::to_string(MaxLabels) + ")");
        return ToolRefused;
    }
    const NewLabelArguments arguments = {&request.operands[0],
                                         &request.operands[1],
                                         &request.operands[2],
                                         request.hasOffsets ? &request.horizontalOffset : nullptr,
                                         request.hasOffsets ? &request.verticalOffset : nullptr,
                                         units};
    LabelEntry label;
    if (!BuildNewLabel(arguments, &label, &problem)) {
        PrintError(output, problem);
        return ToolRefused;
    }
    const int clash = FindLabelNamed(labels, label.name, -1);
    if (clash >= 0) {
        PrintError(output, "Name already used. (label " + std::to_string(clash + 1) + ", id " +
                               std::to_string(labels.Labels[clash].id) + ")");
        return ToolRefused;
    }
    /* Accepted as the dialog accepts it; only said, since a list or a
       terminal may not show such a name as one line. */
    if (HasControlCharacter(label.name))
        PrintWarning(output, "the name holds control characters (the file writes them as \\t or \\u00XX)");
    label.id = NextLabelId(labels);
    label.settings = settings;
    labels.Labels[labels.Count++] = label;
    if (!SaveChangedCatalogue(labels, path, output))
        return ToolFileError;
    fprintf(output.out, "added \"%s\" (id %d) to %s\n", label.name, label.id, path.display.c_str());
    return ToolSucceeded;
}
