#include <string.h>

#include "catalogue_change.h"
#include "labels/label_edit_rules.h"
#include "tool_commands.h"
#include "tool_messages.h"

namespace {

/* Two labels of the import with one name would make a merge depend on
 * their order; the first such pair, or false. */
bool FindRepeatedName(const CatalogueReading& imported, int* first, int* second)
{
    const LabelList& labels = imported.list;
    for (int i = 1; i < labels.Count; ++i) {
        const int earlier = FindLabelNamed(labels.Labels, i, labels.Labels[i].name, -1);
        if (earlier >= 0) {
            *first = earlier;
            *second = i;
            return true;
        }
    }
    return false;
}

struct MergeCounts {
    int replaced = 0;
    int added = 0;
};

/*
 * Labels of a name the catalogue has take that label's place and keep its
 * id, as the dialog's Modify keeps it, so documents that chose the label
 * still find it, and keeps each setting the import does not give.  New
 * labels are appended and keep the id they have in the import when it is
 * free, so one stock list deployed to many machines gives them the same
 * paper numbers; otherwise the next id by the editors' rule.
 * False when the result would hold more than MaxLabels labels.
 */
bool MergeLabels(const LabelList& imported, LabelList* labels, MergeCounts* counts)
{
    for (int i = 0; i < imported.Count; ++i) {
        LabelEntry label = imported.Labels[i];
        const int existing = FindLabelNamed(*labels, label.name, -1);
        if (existing >= 0) {
            label.id = labels->Labels[existing].id;
            /* The imported stock's settings go over the label's own, so a
               stock list that does not give them keeps what was set here. */
            LabelSettings settings = labels->Labels[existing].settings;
            MergeLabelSettings(label.settings, &settings);
            label.settings = settings;
            labels->Labels[existing] = label;
            ++counts->replaced;
            continue;
        }
        if (labels->Count >= MaxLabels)
            return false;
        bool idTaken = false;
        for (int j = 0; j < labels->Count; ++j)
            idTaken = idTaken || labels->Labels[j].id == label.id;
        if (idTaken)
            label.id = NextLabelId(*labels);
        labels->Labels[labels->Count++] = label;
        ++counts->added;
    }
    return true;
}

/* How many labels the merge would give, counted without the limit. */
int MergedCount(const LabelList& imported, const LabelList& catalogue)
{
    int count = catalogue.Count;
    for (int i = 0; i < imported.Count; ++i)
        if (FindLabelNamed(catalogue, imported.Labels[i].name, -1) < 0)
            ++count;
    return count;
}

int MergeInto(const CataloguePath& target, const CatalogueReading& imported, const CataloguePath& source,
              const ToolOutput& output)
{
    int first = 0;
    int second = 0;
    if (FindRepeatedName(imported, &first, &second)) {
        PrintError(output, source.display + ": labels " + std::to_string(first + 1) + " and " +
                               std::to_string(second + 1) + " are both named \"" +
                               imported.list.Labels[second].name +
                               "\"; a merge needs unique names. "
                               "Nothing was changed.");
        return ToolRefused;
    }
    int status = ToolSucceeded;
    CatalogueReading catalogue;
    if (!ReadCatalogueToChange(target, &catalogue, output, &status))
        return status;
    MergeCounts counts;
    if (!MergeLabels(imported.list, &catalogue.list, &counts)) {
        PrintError(output, "Too many labels: the merge would give " +
                               std::to_string(MergedCount(imported.list, catalogue.list)) +
                               " labels, a catalogue holds at most " + std::to_string(MaxLabels) +
                               ". Nothing was changed.");
        return ToolRefused;
    }
    if (!SaveChangedCatalogue(catalogue.list, target, output))
        return ToolFileError;
    fprintf(output.out, "merged %s into %s: %d replaced, %d added, %d labels\n", source.display.c_str(),
            target.display.c_str(), counts.replaced, counts.added, catalogue.list.Count);
    return ToolSucceeded;
}

}  // namespace

int RunImportCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    if (!CheckRequestShape(request, {"--replace", "--merge", "--file"}, 1, 1, &problem))
        return ReportUsageError(output, problem, "import");
    CataloguePath source;
    CataloguePath target;
    if (!PathFromArgument(request.operands[0], &source, &problem) ||
        !ResolveCataloguePath(request.hasFile, request.file, &target, &problem)) {
        PrintError(output, problem);
        return ToolFileError;
    }
    int status = ToolSucceeded;
    CatalogueReading imported;
    if (!CheckMayChangeCatalogue(target, output, &status) ||
        !ReadCatalogueToImport(source, &imported, output, &status))
        return status;
    if (request.importMode == ImportMode::Merge)
        return MergeInto(target, imported, source, output);
    /* As the dialog imports: the file's labels in place of the whole list. */
    if (!SaveChangedCatalogue(imported.list, target, output))
        return ToolFileError;
    fprintf(output.out, "replaced %s with the %d labels of %s\n", target.display.c_str(), imported.list.Count,
            source.display.c_str());
    return ToolSucceeded;
}
