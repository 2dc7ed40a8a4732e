/*
 * What an installation does with the machine's label catalogue, as
 * pdr-setup tells it.  The driver does the work itself when the spooler
 * installs it (DrvDriverEvent), possibly in another process, so pdr-setup
 * decides beforehand with the driver's own code what the driver will do,
 * and afterwards checks the catalogue against that decision before saying
 * it was done.
 */
#ifndef PDR_TOOLS_SETUP_CATALOGUE_REPORT_H
#define PDR_TOOLS_SETUP_CATALOGUE_REPORT_H

#include <memory>
#include <string>

#include "labels/stock_update_win32.h"

struct CatalogueForecast {
    std::wstring catalogue; /* empty when the machine's has no path */
    StockUpdatePlan plan = StockUpdatePlan::NoCatalogue;
    std::unique_ptr<StockUpdate> update;
};

/* Before the driver goes in: what it will do with the catalogue, given the
 * stock file of `package`. */
void ForecastCatalogue(const std::wstring& package, CatalogueForecast* forecast);

/* After the driver went in: prints what was done with the catalogue, or
 * that it was not brought up to the package's stocks. */
void ReportCatalogue(const CatalogueForecast& forecast);

#endif
