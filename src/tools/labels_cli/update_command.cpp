#include <memory>

#include "catalogue_change.h"
#include "given_source.h"
#include "labels/given_stocks.h"
#include "stock_change_text.h"
#include "tool_commands.h"
#include "tool_messages.h"

namespace {

/* The package's stock file must exist and be read whole, as the driver
 * uses it only then. */
bool ReadStockFile(const CataloguePath& path, CatalogueReading* reading, const ToolOutput& output,
                   int* status)
{
    ReadCatalogue(path, reading);
    std::string why;
    if (reading->outcome != FileOutcome::Done)
        why = "cannot be read (" + reading->failure + ")";
    else if (!reading->firstIgnored.empty())
        why = reading->firstIgnored;
    else if (reading->emptyText)
        why = reading->repairs.front();
    if (why.empty())
        return true;
    PrintError(output, path.display + ": " + why + "; the driver would not use it, and nothing was changed");
    *status = reading->outcome == FileOutcome::Done ? ToolRefused : ToolFileError;
    return false;
}

void PrintUpdate(const StockUpdate& update, const CataloguePath& target, bool dryRun, FILE* out)
{
    fprintf(out, "%s%s: %s\n", dryRun ? "would update " : "", target.display.c_str(),
            SummariseStockUpdate(update).c_str());
    for (int i = 0; i < update.ChangeCount; ++i)
        fprintf(out, "  %s\n", DescribeStockChange(update.Changes[i]).c_str());
}

}  // namespace

int RunUpdateCommand(const ToolRequest& request, const ToolOutput& output)
{
    std::string problem;
    if (!CheckRequestShape(request, {"--dry-run", "--file"}, 1, 1, &problem))
        return ReportUsageError(output, problem, "update-from");
    CataloguePath source;
    if (!PathFromArgument(request.operands[0], &source, &problem)) {
        PrintError(output, problem);
        return ToolFileError;
    }
    int status = ToolSucceeded;
    CatalogueReading stock;
    CatalogueReading catalogue;
    CataloguePath target;
    if (!ReadStockFile(source, &stock, output, &status) ||
        !ReadRequestedCatalogueToChange(request, &target, &catalogue, output, &status))
        return status;
    LabelList given = {};
    std::string note;
    if (!ReadGivenStocks(target, &given, &note, &problem)) {
        PrintError(output, problem + "; nothing was changed");
        return ToolFileError;
    }
    if (!note.empty())
        PrintNote(output, note);
    std::unique_ptr<StockUpdate> update(new StockUpdate());
    UpdateStockLabels(catalogue.list, stock.list, given, update.get());
    if (!request.dryRun && !SaveStockUpdate(*update, target.path.c_str())) {
        PrintError(output, "Could not save the label list. (" + target.display + ")");
        return ToolFileError;
    }
    PrintUpdate(*update, target, request.dryRun, output.out);
    return ToolSucceeded;
}
