#include "catalogue_change.h"
#include "label_choice.h"
#include "settings_options.h"
#include "tool_commands.h"
#include "tool_messages.h"

namespace {

/* What `set` is asked to change; a command that changes nothing is a
 * wrong command line. */
bool ReadSettingChanges(const ToolRequest& request, LabelSettings* changes, int* status, std::string* problem)
{
    const SettingOptionsOutcome outcome = ReadSettingOptions(request, changes, problem);
    if (outcome != SettingOptionsOutcome::Read) {
        *status = outcome == SettingOptionsOutcome::OutOfRange ? ToolRefused : ToolUsageError;
        return false;
    }
    if (request.clearSettings || HasLabelSettings(*changes))
        return true;
    *problem = "nothing to set: give a setting option or --clear-settings";
    *status = ToolUsageError;
    return false;
}

}  // namespace

int RunSetCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    int id = 0;
    const size_t operands = LabelChoiceOperands(request);
    if (!CheckRequestShape(request, {"--id", "--file", "--clear-settings", SETTING_OPTION_NAMES}, operands,
                           operands, &problem) ||
        !ReadLabelChoice(request, &id, &problem))
        return ReportUsageError(output, problem, "set");
    LabelSettings changes;
    int status = ToolSucceeded;
    if (!ReadSettingChanges(request, &changes, &status, &problem)) {
        if (status == ToolUsageError)
            return ReportUsageError(output, problem, "set");
        PrintError(output, problem);
        return status;
    }
    CataloguePath path;
    CatalogueReading catalogue;
    if (!ReadRequestedCatalogueToChange(request, &path, &catalogue, output, &status))
        return status;
    int position = -1;
    if (!FindRequestedLabel(request, id, catalogue, path, output, "nothing was changed", &position))
        return ToolRefused;
    LabelEntry& label = catalogue.list.Labels[position];
    /* Only what is given changes; --clear-settings first drops the rest. */
    if (request.clearSettings)
        label.settings = LabelSettings();
    MergeLabelSettings(changes, &label.settings);
    if (!SaveChangedCatalogue(catalogue.list, path, output))
        return ToolFileError;
    const std::string settings = DescribeSettings(label.settings);
    fprintf(output.out, "set \"%s\" (id %d) in %s: %s\n", label.name, label.id, path.display.c_str(),
            settings.empty() ? "no settings" : settings.c_str());
    return ToolSucceeded;
}
