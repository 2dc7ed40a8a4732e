#include "catalogue_report.h"

#include <stdio.h>
#include <stdlib.h>

#include "labels/catalogue_seed.h"
#include "labels/given_stocks.h"
#include "stock_change_text.h"

namespace {

std::wstring Wide(const std::string& text)
{
    int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return L"";
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], size);
    wide.resize(static_cast<size_t>(size - 1));
    return wide;
}

/* The catalogue as the file holds it now; false when there is none. */
bool ReadCatalogueNow(const std::wstring& catalogue, LabelList* list)
{
    FILE* file = catalogue.empty() ? nullptr : OpenLabelCatalogueFile(catalogue.c_str());
    if (file == nullptr)
        return false;
    ReadWholeLabelFile(file, list);
    fclose(file);
    return true;
}

void ReportSeeding(const std::wstring& catalogue, const LabelList& now, bool exists)
{
    if (exists)
        wprintf(L"seeded the label catalogue %ls with %d labels from %ls\n", catalogue.c_str(), now.Count,
                StockFileName);
    else
        wprintf(L"no label catalogue was seeded: %ls is missing or the driver reads only part of it\n",
                StockFileName);
}

void ReportUpdate(const CatalogueForecast& forecast, const LabelList& now, bool exists)
{
    const StockUpdate& update = *forecast.update;
    if (!exists || !SameLabelList(now, update.Catalogue)) {
        wprintf(L"the label catalogue %ls was not brought up to the package's stocks\n",
                forecast.catalogue.c_str());
        return;
    }
    wprintf(L"label catalogue %ls: %ls\n", forecast.catalogue.c_str(),
            Wide(SummariseStockUpdate(update)).c_str());
    for (int i = 0; i < update.ChangeCount; ++i)
        wprintf(L"  %ls\n", Wide(DescribeStockChange(update.Changes[i])).c_str());
}

}  // namespace

void ForecastCatalogue(const std::wstring& package, CatalogueForecast* forecast)
{
    wchar_t* catalogue = GetLabelCataloguePath();
    forecast->catalogue = catalogue != nullptr ? catalogue : L"";
    free(catalogue);
    forecast->update.reset(new StockUpdate());
    wchar_t stock[StockPathSize];
    forecast->plan = !forecast->catalogue.empty() && ComposeStockPath(stock, package.c_str())
                         ? PlanStockUpdate(stock, forecast->catalogue.c_str(), forecast->update.get())
                         : StockUpdatePlan::CatalogueNotRead;
}

void ReportCatalogue(const CatalogueForecast& forecast)
{
    std::unique_ptr<LabelList> now(new LabelList());
    const bool exists = ReadCatalogueNow(forecast.catalogue, now.get());
    switch (forecast.plan) {
    case StockUpdatePlan::Ready:
        ReportUpdate(forecast, *now, exists);
        break;
    case StockUpdatePlan::NoCatalogue:
        ReportSeeding(forecast.catalogue, *now, exists);
        break;
    case StockUpdatePlan::StockReadInPart:
        wprintf(L"the driver reads only part of %ls, so the label catalogue is left as it is\n",
                StockFileName);
        break;
    case StockUpdatePlan::CatalogueNotRead:
        wprintf(L"the label catalogue %ls is left as it is: the driver cannot read it whole\n",
                forecast.catalogue.c_str());
        break;
    case StockUpdatePlan::NoStockFile:
    case StockUpdatePlan::OutOfMemory:
        break;
    }
}
