#include "given_source.h"

#include "labels/stock_update.h"

bool ReadGivenStocks(const CataloguePath& catalogue, LabelList* given, std::string* note,
                     std::string* problem)
{
    given->Count = 0;
    CataloguePath path = {catalogue.path + GivenStocksSuffix, ""};
    path.display = DisplayPath(path.path);
    CatalogueReading reading;
    ReadCatalogue(path, &reading);
    if (reading.outcome == FileOutcome::Failed) {
        *problem = path.display + " cannot be read (" + reading.failure + ")";
        return false;
    }
    if (reading.outcome == FileOutcome::Missing)
        return true;
    if (!reading.firstIgnored.empty() || reading.emptyText) {
        *note = path.display + " is read only in part, so no label counts as given by the package";
        return true;
    }
    *given = reading.list;
    return true;
}
