#include "labels/catalogue_seed_win32.h"

#include <windows.h>

#include <stdlib.h>

#include "labels/given_stocks.h"
#include "labels/stock_update_win32.h"

namespace {

/* Anything at the catalogue's path counts, even a file no load can read:
   it is the site's, and only the site replaces it. */
bool CatalogueExists(const wchar_t* catalogue)
{
    return GetFileAttributesW(catalogue) != INVALID_FILE_ATTRIBUTES || GetLastError() != ERROR_FILE_NOT_FOUND;
}

}  // namespace

bool SeedLabelCatalogue(const wchar_t* driverFolder)
{
    /* Composing the path creates the catalogue's folder. */
    wchar_t* catalogue = GetLabelCataloguePath();
    wchar_t stockPath[StockPathSize];
    if (catalogue == nullptr || !ComposeStockPath(stockPath, driverFolder)) {
        free(catalogue);
        return false;
    }
    bool exists = CatalogueExists(catalogue);
    FILE* stock = exists ? nullptr : OpenLabelCatalogueFile(stockPath);
    LabelList* list = static_cast<LabelList*>(calloc(1, sizeof(LabelList)));
    SeedDecision decision =
        list != nullptr ? DecideCatalogueSeed(exists, stock, list) : SeedDecision::NoStockFile;
    if (stock != nullptr)
        fclose(stock);
    /* What was given is remembered first: switched off before the catalogue
     * is saved, the machine has no catalogue and is seeded afresh. */
    if (decision == SeedDecision::Seed)
        SaveGivenStocks(*list, catalogue);
    bool saved = decision == SeedDecision::Seed && SaveLabelCatalogue(list->Labels, list->Count, catalogue);
    free(list);
    free(catalogue);
    return saved;
}
