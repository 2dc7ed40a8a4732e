#include "catalogue_source.h"

#include <stdlib.h>

#include "catalogue_files.h"
#include "labels/catalogue_json.h"
#include "labels/catalogue_repairs.h"
#include "repair_text.h"

namespace {

void CollectRepair(void* context, const LabelRepairNote& note)
{
    auto* reading = static_cast<CatalogueReading*>(context);
    reading->repairs.push_back(DescribeRepair(note));
    if (RepairIgnoresFileContent(note.kind) && reading->firstIgnored.empty())
        reading->firstIgnored = reading->repairs.back();
    if (note.kind == LabelRepairKind::EmptyText)
        reading->emptyText = true;
}

}  // namespace

bool PathFromArgument(const ToolArgument& argument, CataloguePath* path, std::string* problem)
{
    if (!argument.pathUsable || argument.path.empty()) {
        *problem = "'" + argument.text + "' cannot be used as a file name";
        return false;
    }
    path->path = argument.path;
    path->display = DisplayPath(argument.path);
    return true;
}

bool ResolveCataloguePath(bool hasFile, const ToolArgument& file, CataloguePath* path, std::string* problem)
{
    if (hasFile)
        return PathFromArgument(file, path, problem);
    wchar_t* composed = GetLabelCataloguePath();
    if (composed == nullptr) {
#if defined(_WIN32)
        *problem = "the machine's label catalogue has no path (its folder cannot be made); use --file";
#else
        *problem = "there is no machine catalogue: set PDR_COMMON_APPDATA or use --file";
#endif
        return false;
    }
    path->path = composed;
    free(composed);
    path->display = DisplayPath(path->path);
    return true;
}

void ReadCatalogue(const CataloguePath& path, CatalogueReading* reading)
{
    reading->list.Count = 0;
    reading->repairs.clear();
    reading->firstIgnored.clear();
    reading->emptyText = false;
    FILE* file = OpenCatalogueForReading(path.path, &reading->outcome, &reading->failure);
    if (file == nullptr)
        return;
    LabelRepairSink sink = {CollectRepair, reading};
    reading->list.Count = ReadLabelCatalogueStream(file, reading->list.Labels, MaxLabels, &sink);
    fclose(file);
}
