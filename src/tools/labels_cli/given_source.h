/* What the driver package gave a catalogue, as pdr-labels reads it: the
 * file beside the catalogue (labels/given_stocks.h). */
#ifndef PDR_TOOLS_LABELS_CLI_GIVEN_SOURCE_H
#define PDR_TOOLS_LABELS_CLI_GIVEN_SOURCE_H

#include <string>

#include "catalogue_source.h"

/*
 * The stocks given to the catalogue at `catalogue` into `given`.  None
 * when the file is missing, and none with `note` set when the driver
 * would read only part of it (the labels then count as the machine's own,
 * as the driver counts them).  False with `problem` set when it exists
 * but cannot be read.
 */
bool ReadGivenStocks(const CataloguePath& catalogue, LabelList* given, std::string* note,
                     std::string* problem);

#endif
