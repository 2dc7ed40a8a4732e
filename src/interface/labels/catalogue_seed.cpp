#include "labels/catalogue_seed.h"

#include "labels/catalogue_json.h"
#include "labels/catalogue_repairs.h"

const wchar_t StockFileName[] = L"label-stock.kmr";

namespace {

void NoteIgnoredContent(void* context, const LabelRepairNote& note)
{
    if (RepairIgnoresFileContent(note.kind) || note.kind == LabelRepairKind::EmptyText)
        *static_cast<bool*>(context) = true;
}

}  // namespace

SeedDecision DecideCatalogueSeed(bool catalogueExists, FILE* stock, LabelList* list)
{
    if (catalogueExists)
        return SeedDecision::CatalogueExists;
    if (stock == nullptr)
        return SeedDecision::NoStockFile;
    bool readInPart = false;
    LabelRepairSink sink = {NoteIgnoredContent, &readInPart};
    list->Count = ReadLabelCatalogueStream(stock, list->Labels, MaxLabels, &sink);
    return readInPart ? SeedDecision::StockReadInPart : SeedDecision::Seed;
}
