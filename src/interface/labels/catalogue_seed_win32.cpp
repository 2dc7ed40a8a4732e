#include "labels/catalogue_seed_win32.h"

#include <windows.h>

#include <stdlib.h>

#include "labels/catalogue_file_win32.h"
#include "labels/catalogue_json.h"
#include "labels/given_stocks.h"
#include "labels/stock_update_win32.h"

namespace {

/* Anything at the catalogue's path counts, even a file no load can read:
   it is the site's, and only the site replaces it. */
bool CatalogueExists(const wchar_t* catalogue)
{
    return GetFileAttributesW(catalogue) != INVALID_FILE_ATTRIBUTES || GetLastError() != ERROR_FILE_NOT_FOUND;
}

/* Puts the seeded list in place only while no catalogue is there: one saved
 * since the check (a sheet, the tool) is the site's and stays. */
bool PutSeededCatalogue(const LabelList& list, const wchar_t* catalogue)
{
    char* text = RenderLabelCatalogue(list.Labels, list.Count);
    if (text == nullptr)
        return false;
    const bool placed = PutCatalogueText(catalogue, text, false);
    ReleaseLabelCatalogueText(text);
    return placed;
}

/* A seeding that put nothing in place gave nothing: a catalogue saved
 * since the check is the machine's own, and a later update adds the
 * package's stocks it lacks. */
void ForgetGivenStocks(const wchar_t* catalogue)
{
    wchar_t given[GivenStocksPathSize];
    if (ComposeGivenStocksPath(given, GivenStocksPathSize, catalogue))
        DeleteFileW(given);
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
    bool saved = decision == SeedDecision::Seed && PutSeededCatalogue(*list, catalogue);
    if (decision == SeedDecision::Seed && !saved)
        ForgetGivenStocks(catalogue);
    free(list);
    free(catalogue);
    return saved;
}
