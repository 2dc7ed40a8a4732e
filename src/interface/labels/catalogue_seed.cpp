#include "labels/catalogue_seed.h"

#include "labels/given_stocks.h"

const wchar_t StockFileName[] = L"label-stock.kmr";

SeedDecision DecideCatalogueSeed(bool catalogueExists, FILE* stock, LabelList* list)
{
    if (catalogueExists)
        return SeedDecision::CatalogueExists;
    if (stock == nullptr)
        return SeedDecision::NoStockFile;
    return ReadWholeLabelFile(stock, list) ? SeedDecision::Seed : SeedDecision::StockReadInPart;
}
