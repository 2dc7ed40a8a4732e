/* What an update from a package's stock file did, in the words pdr-labels
 * and pdr-setup print. */
#ifndef PDR_TOOLS_LABELS_CLI_STOCK_CHANGE_TEXT_H
#define PDR_TOOLS_LABELS_CLI_STOCK_CHANGE_TEXT_H

#include <string>

#include "labels/stock_update.h"

/* One change, as `added "Glossy 4x6" (id 261)` or `left out "Tag": the
 * catalogue holds at most 128 labels`; the name is the catalogue's 8-bit
 * text. */
std::string DescribeStockChange(const StockChange& change);

/* "2 added, 1 updated, 0 removed, 1 kept as changed here, 0 left out". */
std::string SummariseStockUpdate(const StockUpdate& update);

#endif
