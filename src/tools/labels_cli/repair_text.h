/* One line of English for each repair the loader makes, as `check` and the
 * warnings of the other commands print it. */
#ifndef PDR_TOOLS_LABELS_CLI_REPAIR_TEXT_H
#define PDR_TOOLS_LABELS_CLI_REPAIR_TEXT_H

#include <string>

#include "labels/catalogue_repairs.h"

/* "label 3: ..." for a label (1-based, as people count), or the file's
 * problem alone. */
std::string DescribeRepair(const LabelRepairNote& note);

#endif
