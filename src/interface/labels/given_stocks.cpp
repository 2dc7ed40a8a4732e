#include "labels/given_stocks.h"

#include "labels/catalogue_json.h"
#include "labels/catalogue_repairs.h"

namespace {

void NoteIgnoredContent(void* context, const LabelRepairNote& note)
{
    if (RepairIgnoresFileContent(note.kind) || note.kind == LabelRepairKind::EmptyText)
        *static_cast<bool*>(context) = true;
}

}  // namespace

bool ReadWholeLabelFile(FILE* file, LabelList* list)
{
    bool readInPart = false;
    LabelRepairSink sink = {NoteIgnoredContent, &readInPart};
    list->Count = ReadLabelCatalogueStream(file, list->Labels, MaxLabels, &sink);
    return !readInPart;
}

bool SaveGivenStocks(const LabelList& given, const wchar_t* cataloguePath)
{
    wchar_t path[GivenStocksPathSize];
    return ComposeGivenStocksPath(path, GivenStocksPathSize, cataloguePath) &&
           SaveLabelCatalogue(given.Labels, given.Count, path);
}

bool SaveStockUpdate(const StockUpdate& update, const wchar_t* cataloguePath)
{
    if (update.CatalogueChanged &&
        !SaveLabelCatalogue(update.Catalogue.Labels, update.Catalogue.Count, cataloguePath))
        return false;
    return !update.GivenChanged || SaveGivenStocks(update.Given, cataloguePath);
}
