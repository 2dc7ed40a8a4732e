#include "catalogue_change.h"

#include "tool_messages.h"

namespace {

bool RefuseUnreadable(const CataloguePath& path, const CatalogueReading& reading, const ToolOutput& output,
                      int* status)
{
    PrintError(output, path.display + " cannot be read (" + reading.failure + "); nothing was changed");
    *status = ToolFileError;
    return false;
}

bool RefusePartlyRead(const CataloguePath& path, const CatalogueReading& reading, const ToolOutput& output,
                      int* status)
{
    PrintError(output, path.display + ": " + reading.firstIgnored);
    PrintError(output, "the driver reads only part of " + path.display +
                           ", so nothing was changed; correct it (see 'pdr-labels check') "
                           "or replace it with 'pdr-labels import FILE --replace'");
    *status = ToolRefused;
    return false;
}

void PrintManagedByAdministrator(const CataloguePath& path, const ToolOutput& output)
{
    PrintError(output, "the label list is managed by the administrator: you may read " + path.display +
                           " but not change it; nothing was changed");
}

void NoteRepairs(const CataloguePath& path, const CatalogueReading& reading, const ToolOutput& output,
                 const char* consequence)
{
    for (const std::string& repair : reading.repairs)
        PrintNote(output, path.display + ": " + repair);
    if (!reading.repairs.empty())
        PrintNote(output, consequence);
}

}  // namespace

bool ReadCatalogueToChange(const CataloguePath& path, CatalogueReading* reading, const ToolOutput& output,
                           int* status)
{
    ReadCatalogue(path, reading);
    if (reading->outcome == FileOutcome::Failed)
        return RefuseUnreadable(path, *reading, output, status);
    if (!reading->firstIgnored.empty())
        return RefusePartlyRead(path, *reading, output, status);
    NoteRepairs(path, *reading, output, "the labels are saved as the driver reads them");
    return true;
}

bool CheckMayChangeCatalogue(const CataloguePath& path, const ToolOutput& output, int* status)
{
    if (MayChangeCatalogue(path.path))
        return true;
    PrintManagedByAdministrator(path, output);
    *status = ToolNotPermitted;
    return false;
}

bool ReadRequestedCatalogueToChange(const ToolRequest& request, CataloguePath* path,
                                    CatalogueReading* reading, const ToolOutput& output, int* status)
{
    std::string problem;
    if (!ResolveCataloguePath(request.hasFile, request.file, path, &problem)) {
        PrintError(output, problem);
        *status = ToolFileError;
        return false;
    }
    if (!request.dryRun && !CheckMayChangeCatalogue(*path, output, status))
        return false;
    return ReadCatalogueToChange(*path, reading, output, status);
}

bool ReadCatalogueToImport(const CataloguePath& path, CatalogueReading* reading, const ToolOutput& output,
                           int* status)
{
    ReadCatalogue(path, reading);
    if (reading->outcome == FileOutcome::Missing) {
        PrintError(output, path.display + " does not exist (" + reading->failure + ")");
        *status = ToolFileError;
        return false;
    }
    if (reading->outcome == FileOutcome::Failed)
        return RefuseUnreadable(path, *reading, output, status);
    if (!reading->firstIgnored.empty() || reading->emptyText) {
        const std::string& why =
            !reading->firstIgnored.empty() ? reading->firstIgnored : reading->repairs.front();
        PrintError(output, path.display + ": " + why + "; it is not imported and nothing was changed");
        *status = ToolRefused;
        return false;
    }
    NoteRepairs(path, *reading, output, "its labels are imported as the driver reads them");
    return true;
}

bool SaveChangedCatalogue(const LabelList& labels, const CataloguePath& path, const ToolOutput& output)
{
    if (SaveLabelCatalogue(labels.Labels, labels.Count, path.path.c_str()))
        return true;
    if (LastSaveWasRefused()) {
        PrintManagedByAdministrator(path, output);
        return false;
    }
    /* The dialog's words for a failed OK. */
    PrintError(output, "Could not save the label list. Any changes you've made will not be saved. (" +
                           path.display + ")");
    return false;
}
