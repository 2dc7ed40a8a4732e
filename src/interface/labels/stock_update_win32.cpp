#include "labels/stock_update_win32.h"

#include <windows.h>

#include <stdlib.h>

#include "labels/catalogue_seed.h"
#include "labels/given_stocks.h"
#include "text/bounded_text.h"

namespace {

enum class FileReading { Whole, InPart, Missing, Unreadable };

bool IsMissingFileError(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

/* The label file at `path`, read with the catalogue's own open and loader. */
FileReading ReadLabelFile(const wchar_t* path, LabelList* list)
{
    list->Count = 0;
    FILE* file = OpenLabelCatalogueFile(path);
    if (file == nullptr)
        return IsMissingFileError(GetLastError()) ? FileReading::Missing : FileReading::Unreadable;
    bool whole = ReadWholeLabelFile(file, list);
    fclose(file);
    return whole ? FileReading::Whole : FileReading::InPart;
}

/* The three inputs of one update, in one allocation. */
struct UpdateInputs {
    LabelList machine;
    LabelList package;
    LabelList given;
};

StockUpdatePlan ReadInputs(const wchar_t* stock, const wchar_t* catalogue, UpdateInputs* inputs)
{
    switch (ReadLabelFile(catalogue, &inputs->machine)) {
    case FileReading::Missing:
        return StockUpdatePlan::NoCatalogue;
    case FileReading::InPart:
    case FileReading::Unreadable:
        return StockUpdatePlan::CatalogueNotRead;
    case FileReading::Whole:
        break;
    }
    switch (ReadLabelFile(stock, &inputs->package)) {
    case FileReading::Missing:
    case FileReading::Unreadable:
        return StockUpdatePlan::NoStockFile;
    case FileReading::InPart:
        return StockUpdatePlan::StockReadInPart;
    case FileReading::Whole:
        break;
    }
    wchar_t givenPath[GivenStocksPathSize];
    if (!ComposeGivenStocksPath(givenPath, GivenStocksPathSize, catalogue))
        return StockUpdatePlan::CatalogueNotRead;
    FileReading given = ReadLabelFile(givenPath, &inputs->given);
    if (given == FileReading::Unreadable)
        return StockUpdatePlan::CatalogueNotRead;
    if (given != FileReading::Whole)
        inputs->given.Count = 0;
    return StockUpdatePlan::Ready;
}

}  // namespace

StockUpdatePlan PlanStockUpdate(const wchar_t* stock, const wchar_t* catalogue, StockUpdate* update)
{
    UpdateInputs* inputs = static_cast<UpdateInputs*>(calloc(1, sizeof(UpdateInputs)));
    if (inputs == nullptr)
        return StockUpdatePlan::OutOfMemory;
    StockUpdatePlan plan = ReadInputs(stock, catalogue, inputs);
    if (plan == StockUpdatePlan::Ready)
        UpdateStockLabels(inputs->machine, inputs->package, inputs->given, update);
    free(inputs);
    return plan;
}

bool ComposeStockPath(wchar_t* path, const wchar_t* driverFolder)
{
    path[0] = L'\0';
    return AppendTextBounded(path, StockPathSize, driverFolder) &&
           AppendTextBounded(path, StockPathSize, L"\\") &&
           AppendTextBounded(path, StockPathSize, StockFileName);
}

bool UpdateCatalogueFromPackage(const wchar_t* driverFolder)
{
    wchar_t* catalogue = GetLabelCataloguePath();
    wchar_t stock[StockPathSize];
    StockUpdate* update = static_cast<StockUpdate*>(calloc(1, sizeof(StockUpdate)));
    bool updated = catalogue != nullptr && update != nullptr && ComposeStockPath(stock, driverFolder) &&
                   PlanStockUpdate(stock, catalogue, update) == StockUpdatePlan::Ready &&
                   SaveStockUpdate(*update, catalogue);
    free(update);
    free(catalogue);
    return updated;
}
